// SPDX-License-Identifier: GPL-3.0-or-later
// What only a POSIX system has: Windows paths mapped onto a case-sensitive file
// system, the Wine prefix's drive letters, file modes, pipes and resource limits.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    EXPECT_EQ(createFolder("none").error, FileError::PathRelative);
    FileLock lock;
    for (const fs::path& odd : {link, pipe, folder}) {
        EXPECT_EQ(entryKind(utf8(odd)) == EntryKind::Folder, odd == folder);
        EXPECT_EQ(digestFile(utf8(odd), digest).error, FileError::NotAFile) << odd;
        EXPECT_EQ(readSmallFile(utf8(odd), 100, text).error, FileError::NotAFile) << odd;
        EXPECT_EQ(lock.lock(utf8(odd)).error,
                  odd == folder ? FileError::DestinationIsFolder : FileError::NotAFile);
    }
    EXPECT_TRUE(removeFile(utf8(link)).ok());  // the link, not what it leads to
    EXPECT_EQ(readFile(file), "plain");
    EXPECT_TRUE(digestFile(utf8(file), digest).ok());
    EXPECT_EQ(digest.size, 5u);
}

class PosixCopy : public TwoFiles {};

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
    fs::create_symlink(src(), tmp_.path() / "link");  // a link is never put in place
    ASSERT_TRUE(replaceFileSharing(utf8(tmp_.path() / "link"), dst().string()).ok());
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dst())));
}

// What a healthy disk never does, through the file layer's seam: a system call failing,
// interrupted, or moving one byte at a time. A failure names its reason and leaves every
// file as it was, with no temporary behind; an interruption or a short transfer only
// makes the work take longer.
// The file layer's operations, on a channel's file and a game file.
using Text = const std::string&;
using Operation = FileResult (*)(Text from, Text to, Digest& digest);
const Operation copy = [](Text from, Text to, Digest& d) { return replaceFile(from, to, &d); };
const Operation restore = [](Text from, Text to, Digest&) { return replaceFileSharing(from, to); };
const Operation write = [](Text, Text to, Digest&) { return writeWholeFile(to, "new contents"); };
const Operation remove = [](Text, Text to, Digest&) { return removeFile(to); };
const Operation makeFolder = [](Text, Text to, Digest&) { return createFolder(to + ".d"); };
const Operation makeWritable = [](Text, Text to, Digest&) {
    fs::permissions(to, fs::perms::owner_read);
    return resetAttributes(to);
};
const Operation lock = [](Text, Text to, Digest&) { return FileLock().lock(to); };
const Operation digest = [](Text, Text to, Digest& d) { return digestFile(to, d); };

struct CallFaultCase {
    const char* label;
    Operation run;
    std::map<SystemCall, int> faults;  // each fires once; a short transfer every time
    FileError expected;
};

class CallFault : public PosixCopy, public ::testing::WithParamInterface<CallFaultCase> {};

TEST_P(CallFault, FailsCleanlyOrDoesItAll) {
    const CallFaultCase& c = GetParam();
    const auto before = listTree(tmp_.path());
    Digest written;
    FileResult r;
    {
        Injecting faults(c.faults);
        r = c.run(src().string(), dst().string(), written);
    }
    EXPECT_EQ(r.error, c.expected);
    for (const auto& [call, code] : Injecting::pending)
        EXPECT_EQ(code, kShortTransfer) << "a fault never came: " << static_cast<int>(call);
    if (r.ok()) {
        EXPECT_EQ(readFile(dst()), "new contents");
        EXPECT_EQ(written.size, c.run == copy ? 12u : 0u);
    } else {
        EXPECT_EQ(listTree(tmp_.path()), before);
        EXPECT_EQ(readFile(dst()), "old game file");
    }
}

// Faults while the game's file is kept or put back: its own version is never lost, the
// kept copy stays until the file is back, nothing temporary is left, and the player is
// told why.
struct StoreFaultCase {
    const char* label;
    bool restoring;  // after an install; else the install itself
    SystemCall call;
    int code, callsToPass;
    const char* said;
};

class StoreFault : public Install, public ::testing::WithParamInterface<StoreFaultCase> {};

TEST_P(StoreFault, LosesNothingAndSaysWhy) {
    const StoreFaultCase& c = GetParam();
    const fs::path game = gameFile("\\DATA\\ENVIRO\\Misc16.fsh"),
                   kept = gameDir() / "KESTRO backup/DATA/ENVIRO/Misc16.fsh";
    writeFile(game, "game's own");
    fs::create_directories(gameDir() / "DATA/POPUPS");
    fs::create_directories(gameDir() / "KESTRO backup");  // only the kept file's folders to make
    if (c.restoring) install("CANAL+");
    {
        Injecting faults({{c.call, c.code}}, c.callsToPass);
        c.restoring ? (void)restore() : install("CANAL+");
    }
    EXPECT_TRUE(Injecting::pending.empty());
    EXPECT_TRUE(readFile(game) == "game's own" || readFile(kept) == "game's own");
    for (const std::string& name : listTree(gameDir()))
        EXPECT_EQ(name.find(".kestro-"), std::string::npos) << name;
    EXPECT_NE(view_.messages.back().text.find(c.said), std::string::npos)
        << view_.messages.back().text;
}

using enum SystemCall;
using enum FileError;
INSTANTIATE_TEST_SUITE_P(
    Calls, CallFault,
    ::testing::ValuesIn(std::vector<CallFaultCase>{
        {"kernel_copy_declined", copy, {{KernelCopy, ENOSYS}}, None},
        {"kernel_copy_fails", copy, {{KernelCopy, EIO}}, Other},
        {"interrupted", copy, {{KernelCopy, EXDEV}, {Read, EINTR}, {Write, EINTR}}, None},
        {"short_transfers",
         copy,
         {{KernelCopy, EOPNOTSUPP}, {Read, kShortTransfer}, {Write, kShortTransfer}},
         None},
        {"disk_full", copy, {{KernelCopy, EINVAL}, {Write, ENOSPC}}, DiskFull},
        {"read_fails", copy, {{KernelCopy, EBADF}, {Read, EIO}}, Other},
        {"read_back_fails", copy, {{Read, EIO}}, Other},
        {"source_unreadable", copy, {{Stat, EIO}}, SourceUnreadable},
        {"no_temporary", write, {{Open, EROFS}}, ReadOnlyDisk},
        {"mode_refused", copy, {{Chmod, EPERM}}, PermissionDenied},
        {"flush_fails", copy, {{Flush, EIO}}, Other},
        {"close_fails", copy, {{Close, EDQUOT}}, DiskFull},
        {"rename_fails", copy, {{Rename, EBUSY}}, InUse},
        {"write_fails", write, {{Write, EFBIG}}, FileTooLarge},
        {"no_link_so_copied", restore, {{Link, EXDEV}}, None},
        {"restore_mode_refused", restore, {{Chmod, EPERM}}, PermissionDenied},
        {"restore_rename_fails", restore, {{Rename, EROFS}}, ReadOnlyDisk},
        {"remove_fails", remove, {{Unlink, ETXTBSY}}, InUse},
        {"folder_fails", makeFolder, {{MakeFolder, EEXIST}}, AlreadyExists},
        {"writable_refused", makeWritable, {{Chmod, EACCES}}, PermissionDenied},
        {"lock_taken", lock, {{Lock, EWOULDBLOCK}}, Locked},
        {"lock_fails", lock, {{Lock, ENOLCK}}, Other},
        {"lock_unopened", lock, {{Open, ENAMETOOLONG}}, PathTooLong},
        {"digest_fails", digest, {{Read, EIO}}, Other}}),
    [](const auto& info) { return std::string(info.param.label); });

INSTANTIATE_TEST_SUITE_P(
    Calls, StoreFault,
    ::testing::ValuesIn(std::vector<StoreFaultCase>{
        {"disk_full_keeping", false, KernelCopy, ENOSPC, 0, "not be kept (the disk is full)"},
        {"disk_full_copying", false, KernelCopy, ENOSPC, 2, "Misc16.fsh: the disk is full"},
        {"not_noted", false, Rename, EROFS, 3, "could not be noted in"},  // after the copy
        {"store_read_only", false, MakeFolder, EROFS, 3, "the disk is read-only"},  // DATA first
        {"state_unreadable", true, Read, EIO, 0, "its state file cannot be read"},
        {"game_file_unreadable", true, Read, EIO, 2, "other than a plain file"},
        {"game_file_in_use", true, Rename, EBUSY, 0, "in use"}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kestro
