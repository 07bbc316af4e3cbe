// SPDX-License-Identifier: GPL-3.0-or-later
// What only a POSIX system has: Windows paths mapped onto a case-sensitive file
// system, the Wine prefix's drive letters, file modes, pipes and resource limits.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fileops.h"
#include "install_fixture.h"
#include "wine_prefix.h"

namespace kestro {
namespace {

using namespace test;

TEST(WineDrives, GoThroughThePrefixOrTheHomeOne) {
    for (const bool asHome : {false, true}) {
        WinePrefix wine(asHome);
        const Resolved r = resolvePath("c:\\GAMES\\VARNEX 2001\\DATA");
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(fs::weakly_canonical(r.path),
                  fs::weakly_canonical(wine.driveC() / "Games/VARNEX 2001/DATA"));
        EXPECT_EQ(resolvePath("E:\\VARNEX 2001").error, FileError::DriveMissing);
        EXPECT_EQ(resolvePath("d:\\").error, FileError::DriveMissing);  // a link to nowhere
        ASSERT_EQ(wineDrives().size(), 2u);
        EXPECT_EQ(wineDrives()[1].letter, 'd');  // "D:" counts, in lower case
    }
    WinePrefix wine(true);
    ::unsetenv("HOME");  // then the account's own home, and never a crash
    EXPECT_NO_THROW(wineDrives());
}

// The disk fills before the copy ends, with the channel's file on another disk (copied by
// the plain loop) or on the same one (by the kernel's copy call): the game file stays
// whole and the player is told.
TEST_F(Install, ADiskFullDuringACopyKeepsTheGameFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small disk needs root";
    for (const bool sameDisk : {false, true}) {
        const fs::path small = tmp_.path() / (sameDisk ? "same" : "other");
        fs::create_directories(small);
        if (::mount("kestro-test", small.c_str(), "tmpfs", 0, sameDisk ? "size=1536k" : "size=256k"))
            GTEST_SKIP() << "no tmpfs here";
        const fs::path game = small / "VARNEX 2001", program = sameDisk ? small : programDir();
        writeFile(game / "DATA/ENVIRO/Misc16.fsh", "game's own");
        writeFile(game / "KESTRO backup/DATA/ENVIRO/Misc16.fsh", "game's own");  // kept already
        writeFile(program / "canal+/misc16.fsh", std::string(1 << 20, 'c'));
        view_.program = utf8(program);
        view_.game = utf8(game);
        install("CANAL+");
        EXPECT_EQ(readFile(game / "DATA/ENVIRO/Misc16.fsh"), "game's own");
        for (const std::string& name : listTree(game))
            EXPECT_EQ(name.find(".kestro-"), std::string::npos) << name;
        EXPECT_NE(view_.messages.back().text.find("the disk is full"), std::string::npos);
        ::umount(small.c_str());
    }
}

// What is at a path, by the file layer that never follows a link at its end and never
// blocks on a pipe.
TEST(OddEntries, AreToldApartAndNeverFollowed) {
    TempFolder tmp;
    const fs::path file = tmp.path() / "file", folder = tmp.path() / "folder",
                   link = tmp.path() / "link", pipe = tmp.path() / "pipe";
    writeFile(file, "plain");
    fs::create_directories(folder);
    fs::create_symlink(file, link);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string text;
    Digest digest;
    EXPECT_EQ(entryKind(utf8(tmp.path() / "none")), EntryKind::Missing);
    EXPECT_EQ(entryKind(utf8(folder)), EntryKind::Folder);
    EXPECT_EQ(entryKind(utf8(file)), EntryKind::File);
    EXPECT_EQ(digestFile(utf8(tmp.path() / "none"), digest).error, FileError::SourceMissing);
    EXPECT_EQ(readSmallFile(utf8(file), 4, text).error, FileError::FileTooLarge);
    EXPECT_EQ(removeFile(utf8(folder)).error, FileError::DestinationIsFolder);
    EXPECT_EQ(createFolder(utf8(tmp.path() / "none/deeper")).error, FileError::FolderMissing);
    FileLock lock;
    EXPECT_EQ(lock.lock(utf8(folder)).error, FileError::DestinationIsFolder);
    for (const fs::path& odd : {link, pipe, folder}) {
        EXPECT_EQ(entryKind(utf8(odd)) == EntryKind::Folder, odd == folder);
        EXPECT_EQ(digestFile(utf8(odd), digest).error, FileError::NotAFile) << odd;
        EXPECT_EQ(readSmallFile(utf8(odd), 100, text).error, FileError::NotAFile) << odd;
        if (odd != folder) {
            EXPECT_EQ(lock.lock(utf8(odd)).error, FileError::NotAFile) << odd;
        }
    }
    EXPECT_TRUE(removeFile(utf8(link)).ok());  // the link, not what it leads to
    EXPECT_EQ(readFile(file), "plain");
    EXPECT_TRUE(digestFile(utf8(file), digest).ok());
    EXPECT_EQ(digest.size, 5u);
}

class PosixCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(src(), "new contents");
        writeFile(dst(), "old game file");
    }
    fs::path src() const { return tmp_.path() / "src/file.fsh"; }
    fs::path dst() const { return tmp_.path() / "dst/file.fsh"; }
    TempFolder tmp_;
};

// Across file systems the kernel's copy call declines, and the plain loop copies.
TEST_F(PosixCopy, FromAnotherFileSystemTheFileIsWhole) {
    const fs::path shm = "/dev/shm/kestro-test-" + std::to_string(::getpid());
    if (!fs::is_directory("/dev/shm")) GTEST_SKIP() << "no second file system";
    std::string big(3 << 20, 'x');
    for (size_t i = 0; i < big.size(); i += 4093) big[i] = static_cast<char>(i);
    writeFile(shm, big);
    Digest written;
    const FileResult r = replaceFile(shm.string(), dst().string(), &written);
    fs::remove(shm);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(readFile(dst()), big);
    EXPECT_EQ(written.size, big.size());
}

TEST_F(PosixCopy, KeepsTheModeOfAReplacedFile) {
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read;
    fs::permissions(dst(), mode);
    ASSERT_TRUE(replaceFile(src().string(), dst().string()).ok());
    EXPECT_EQ(fs::status(dst()).permissions(), mode);
    writeFile(src(), "kept");  // and put back from the store: the data shared, not copied
    ASSERT_TRUE(replaceFileSharing(src().string(), dst().string()).ok());
    EXPECT_EQ(fs::status(dst()).permissions(), mode);
    EXPECT_EQ(fs::hard_link_count(dst()), 2u);
    EXPECT_EQ(readFile(dst()), "kept");
}

}  // namespace
}  // namespace kestro
