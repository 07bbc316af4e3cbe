// SPDX-License-Identifier: GPL-3.0-or-later
// What only a POSIX system has: Windows paths mapped onto a case-sensitive file system
// through the Wine prefix, links, pipes, file modes, and system calls that fail.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "paths.h"
#include "scratch.h"
#include "wine_prefix.h"

namespace kestro {
namespace {

using namespace test;
using E = ErrorCode;

TEST(WineDrives, GoThroughThePrefixOrTheHomeOne) {
    for (const bool asHome : {false, true}) {
        WinePrefix wine(asHome);
        fs::create_symlink("../nowhere", wine.path() / "dosdevices/C:");  // "c:" is Wine's own
        fs::create_symlink("../drive_c", wine.path() / "dosdevices/ab");  // and this no drive
        fs::create_directory(wine.driveC() / "Games/VARNEX 2001/DATA");
        const long listed = fileLayerCounts().driveListings;
        // a part as on disk, then one in another case: each matched on its own
        for (const char* text : {"C:\\GAMES\\varnex 2001\\DATA", "c:\\games\\VARNEX 2001\\data"})
            EXPECT_EQ(resolvePath(text).value, wine.path() / "dosdevices/c:/Games/VARNEX 2001/DATA")
                << text;
        fs::create_directory(wine.driveC() / "Games/VARNEX 2001/Data");  // of two, the one named
        EXPECT_EQ(resolvePath("C:\\Games\\VARNEX 2001\\Data").value.filename(), "Data");
        EXPECT_EQ(fileLayerCounts().driveListings, listed + 1);      // its drives listed once a run
        for (const char* gone : {"E:\\Games", "D:\\Games", "d:\\"})  // none, and one to nowhere
            EXPECT_EQ(resolvePath(gone).error.code, E::DriveMissing) << gone;
        ASSERT_EQ(wineDrives().size(), 2u);
        EXPECT_EQ(wineDrives()[1].letter, 'd');  // "D:" counts, in lower case
    }
    ::unsetenv("WINEPREFIX"), ::unsetenv("HOME");  // then the account's own home
    EXPECT_EQ(winePrefix(), fs::path(::getpwuid(::getuid())->pw_dir) / ".wine");
}

// What is at a name, told apart by the file layer, which never goes through a link
// below an open folder and never blocks on a pipe.
TEST(Folders, NeverGoThroughALink) {
    TempFolder tmp;
    writeFile(tmp.path() / "file", "plain");
    writeFile(tmp.path() / "real/inside", "inside");
    fs::create_symlink(tmp.path() / "file", tmp.path() / "link");
    fs::create_directory_symlink(tmp.path() / "real", tmp.path() / "linked");
    ASSERT_EQ(::mkfifo((tmp.path() / "pipe").c_str(), 0600), 0);
    const Folder folder = Folder::open(tmp.path()).value;
    for (const auto& [name, expected] :
         {std::pair{"none", E::Missing}, std::pair{"real", E::IsFolder}, std::pair{"link", E::Link},
          std::pair{"pipe", E::NotAFile}, std::pair{"file", E::None}})
        EXPECT_EQ(ReadFile::open(folder, name).error.code, expected) << name;
    EXPECT_EQ(folder.child("linked").error.code, E::Link);
    EXPECT_EQ(folder.child("file").error.code, E::NotAFolder);
    const Error past = Folder::open(tmp.path() / "file/game/DATA").error;
    EXPECT_TRUE(past.code == E::NotAFolder && past.subject == utf8(tmp.path() / "file"));
    EXPECT_EQ(folder.child("none").error.code, E::FolderMissing);
    for (const auto& [mask, made] : {std::pair{0000, 0775}, std::pair{0277, 0700}}) {  // ours
        const mode_t before = ::umask(mask);
        ASSERT_TRUE(folder.child(std::to_string(mask), true).ok());
        ::umask(before);
        EXPECT_EQ(fs::status(tmp.path() / std::to_string(mask)).permissions(), fs::perms(made));
    }
    EXPECT_EQ(folder.child("linked", true).error.code, E::Link);  // nothing made through it
    EXPECT_FALSE(fs::exists(tmp.path() / "real/linked"));
    EXPECT_EQ(FileLock().lock(folder, "link").code, E::Link);
    EXPECT_EQ(FileLock().lock(folder, "real").code, E::IsFolder);
    EXPECT_EQ(removeFile(folder, "real").code, E::IsFolder);
    EXPECT_TRUE(removeFile(folder, "link").ok());  // the link, not what it leads to
    EXPECT_EQ(readFile(tmp.path() / "file"), "plain");
    Result<ReadFile> small = ReadFile::open(folder, "file");
    std::string text;
    EXPECT_EQ(readSmall(small.value, 4, text).code, E::TooLarge);
    text = "what the buffer held";  // goes, and only the file is left
    EXPECT_EQ(readSmallFile(tmp.path() / "linked/inside", 100, text, true).code, E::None);
    EXPECT_EQ(text, "inside");
    // Below a top given, a file is reached through no link and no "..".
    for (const auto& [below, expected] :
         {std::pair{"real/inside", E::None}, std::pair{"linked/inside", E::Link},
          std::pair{"real/../file", E::PathInvalid}})
        EXPECT_EQ(ReadFile::openBelow(tmp.path(), tmp.path() / below).error.code, expected);
    writeFile(tmp.path() / "tree/sub/file", "the tree's");  // a tree goes whole, its links alone
    fs::create_directory_symlink(tmp.path() / "real", tmp.path() / "tree/sub/to real");
    const Folder knowing = Folder::open(tmp.path()).value;  // a look at the folder with the tree
    EXPECT_EQ(knowing.find("TREE"), "tree");                // letter case aside
    EXPECT_TRUE(removeTree(knowing, "tree").ok());
    EXPECT_FALSE(fs::exists(tmp.path() / "tree"));
    EXPECT_EQ(knowing.find("TREE"), "TREE");  // gone from what the folder is known to hold
    EXPECT_TRUE(removeTree(knowing, "file").ok() && knowing.find("FILE") == "FILE");  // a file too
    for (const int depth : {64, 65}) {  // 64 folders below the one named, and no further
        fs::path deep = tmp.path() / "deep";
        for (int i = 0; i < depth; ++i) deep /= "d";
        fs::create_directories(deep);
        EXPECT_EQ(removeTree(folder, "deep").code, depth == 64 ? E::None : E::PathTooLong);
    }
    writeFile(tmp.path() / "stuck/a", ""), writeFile(tmp.path() / "stuck/b", "");
    fs::create_directory(tmp.path() / "empty");
    setCallFaultHook([](SystemCall call) { return call == SystemCall::Unlink ? EBUSY : 0; });
    EXPECT_EQ(removeTree(folder, "stuck").subject, utf8(tmp.path() / "stuck/a"));  // the first
    EXPECT_EQ(removeTree(folder, "empty").subject, utf8(tmp.path() / "empty"));    // or itself
    setCallFaultHook(nullptr);
    EXPECT_EQ(readFile(tmp.path() / "real/inside"), "inside");
    // Folders made read-only (as disc copies are) go too, as a player: root they would not stop.
    writeFile(tmp.path() / "disc/sub/file", "from a disc");
    writeFile(tmp.path() / "disc/moved", ""), writeFile(tmp.path() / "x", "");
    for (const char* p : {"", "x", "disc", "disc/sub", "disc/sub/file", "disc/moved"})
        EXPECT_TRUE(::geteuid() != 0 || ::lchown((tmp.path() / p).c_str(), 65534, 65534) == 0);
    fs::permissions(tmp.path() / "disc/sub", fs::perms(0444));  // read, but not entered
    fs::permissions(tmp.path() / "disc", fs::perms(0555));
    if (::geteuid() == 0) ::setfsuid(65534);
    // Refused for the folder it leaves, not the one it goes to: that folder is named.
    const Folder disc = folder.child("disc").value;
    // Behind a folder that cannot be entered a file is not taken for missing.
    EXPECT_EQ(ReadFile::open(tmp.path() / "disc/sub/file", false).error.code, E::PermissionDenied);
    EXPECT_EQ(disc.child("sub").error.code, E::PermissionDenied);  // not a folder of "missing"
    EXPECT_EQ(moveFile(disc, "moved", folder, "out").subject, utf8(tmp.path() / "disc"));
    EXPECT_EQ(moveFile(folder, "x", disc, "in").subject, utf8(tmp.path() / "disc"));  // or into
    EXPECT_EQ(removeFile(disc, "moved").subject, utf8(tmp.path() / "disc"));
    FileLock lock;  // nor can anything be made there: the folder, not the name missing
    EXPECT_EQ(disc.child("new", true).error.subject + lock.lock(disc, "l").subject,
              utf8(tmp.path() / "disc") + utf8(tmp.path() / "disc"));
    EXPECT_TRUE(removeTree(folder, "disc").ok());
    if (::geteuid() == 0) ::setfsuid(0);
    EXPECT_FALSE(fs::exists(tmp.path() / "disc"));
}

// A new version of a file goes in whole or not at all, keeps the mode asked for, and a
// version never put in place leaves nothing.
TEST(Staged, IsAllOrNothing) {
    TempFolder tmp;
    writeFile(tmp.path() / "game.fsh", "old game file");
    const Folder folder = Folder::open(tmp.path()).value;
    ASSERT_TRUE(Staged::write("never", folder, "game.fsh", 0444).ok());  // never put in place
    EXPECT_EQ(snapshot(tmp.path()).size(), 1u);
    Result<Staged> staged = Staged::write("new contents", folder, "game.fsh", 0444);
    EXPECT_EQ(readFile(tmp.path() / "game.fsh"), "old game file");
    ASSERT_TRUE(staged.value.commit().ok());
    EXPECT_EQ(readFile(tmp.path() / "game.fsh"), "new contents");
    EXPECT_EQ(staged.value.digest().size, 12u);
    EXPECT_EQ(fs::status(tmp.path() / "game.fsh").permissions(), fs::perms(0444));
    // Replaced by the game as it goes in, or made where there was none: theirs stays, and
    // ours leaves nothing behind.
    static fs::path racing;
    for (const bool there : {true, false}) {
        if (!there) fs::remove(tmp.path() / "game.fsh");
        racing = tmp.path() / "game.fsh";
        const FileInfo seen = folder.info("game.fsh");
        {
            Result<Staged> ours = Staged::write("ours", folder, "game.fsh", 0644);
            setCallFaultHook([](SystemCall call) {
                if (call == SystemCall::Rename && !racing.empty())
                    writeFile(racing.string() + "~", "theirs"),
                        fs::rename(racing.string() + "~", racing), racing.clear();
                return 0;
            });
            EXPECT_EQ(ours.value.commit(&seen).code, E::InUse);
            setCallFaultHook(nullptr);
        }
        EXPECT_EQ(readFile(tmp.path() / "game.fsh"), "theirs");
        EXPECT_EQ(snapshot(tmp.path()).size(), 1u);
    }
    // Names it has just made, moved away or removed are found letter case aside, as any other.
    const Folder sub = folder.child("sub", true).value;
    for (const bool moved : {true, false}) {
        ASSERT_TRUE(writeWhole(folder, "New.fsh", "x").ok());
        EXPECT_EQ(folder.find("NEW.FSH"), "New.fsh");
        ASSERT_TRUE(
            (moved ? moveFile(folder, "New.fsh", sub, "n") : removeFile(folder, "New.fsh")).ok());
        EXPECT_EQ(folder.find("NEW.FSH"), "NEW.FSH");
    }
    // A game file's set-id bits are never carried over: the copy is no program of ours.
    ASSERT_TRUE(Staged::write("x", folder, "setid.fsh", 06755).value.commit().ok());
    EXPECT_EQ(fs::status(tmp.path() / "setid.fsh").permissions(), fs::perms(0755));
}

// What a healthy disk never does, through the file layer's seam: a system call failing,
// interrupted, or moving one byte at a time. A failure names its reason and leaves every
// file as it was, with no temporary behind; an interruption or a short transfer only
// makes the work take longer.
using Operation = Error (*)(const Folder& in, Digest& digest);
// Over the file looked at, with a limit of exactly the source's size, which goes in.
const Operation copy = [](const Folder& in, Digest& d) {
    const FileInfo seen = in.info("dst.fsh");
    Result<ReadFile> source = ReadFile::open(in, "src.fsh");
    if (!source.ok()) return source.error;
    Result<Staged> staged = Staged::copy(source.value, in, "dst.fsh", 0644, 12);
    d = staged.value.digest();
    return staged.ok() ? staged.value.commit(&seen) : staged.error;
};
// clang-format off
const Operation write = [](const Folder& in, Digest&) { return writeWhole(in, "dst.fsh", "new contents"); };
const Operation move = [](const Folder& in, Digest&) { return moveFile(in, "src.fsh", in, "dst.fsh"); };
const Operation moveOver = [](const Folder& in, Digest&) { const FileInfo seen = in.info("dst.fsh"); return moveFile(in, "src.fsh", in, "dst.fsh", &seen); };
const Operation remove = [](const Folder& in, Digest&) { const FileInfo seen = in.info("dst.fsh"); return removeFile(in, "dst.fsh", &seen); };
const Operation makeFolder = [](const Folder& in, Digest&) { return in.child("new", true).error; };
const Operation list = [](const Folder& in, Digest&) { return in.list().error; };
const Operation lock = [](const Folder& in, Digest&) { return FileLock().lock(in, "dst.fsh"); };
const Operation digest = [](const Folder& in, Digest& d) { Result<ReadFile> file = ReadFile::open(in, "dst.fsh"); return file.ok() ? digestOf(file.value, d) : file.error; };
// clang-format on
const Operation grown = [](const Folder& in, Digest&) {  // past its limit while it is copied
    Result<ReadFile> source = ReadFile::open(in, "src.fsh");
    std::ofstream(in.path() / "src.fsh", std::ios::app) << '!';
    const Error e = Staged::copy(source.value, in, "dst.fsh", 0644, 12).error;
    fs::resize_file(in.path() / "src.fsh", 12);
    return e;
};

struct CallFaultCase {
    const char* label;
    Operation run;
    std::map<SystemCall, int> faults;  // each fires once; a short transfer every time
    ErrorCode expected;
};

class CallFault : public ::testing::TestWithParam<CallFaultCase> {};

TEST_P(CallFault, FailsCleanlyOrDoesItAll) {
    const CallFaultCase& c = GetParam();
    TempFolder tmp;
    writeFile(tmp.path() / "src.fsh", "new contents");
    writeFile(tmp.path() / "dst.fsh", "old game file");
    const Folder folder = Folder::open(tmp.path()).value;
    const auto before = snapshot(tmp.path());
    const auto handles = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    };
    const auto open = handles();
    Digest written;
    const Error e = [&] {  // the faults only while it runs
        Injecting faults(c.faults);
        return c.run(folder, written);
    }();
    EXPECT_EQ(e.code, c.expected);
    EXPECT_EQ(handles(), open);  // none left open, whatever failed
    for (const auto& [call, code] : Injecting::pending)
        EXPECT_EQ(code, kShortTransfer) << "a fault never came: " << static_cast<int>(call);
    if (e.ok()) {
        EXPECT_EQ(readFile(tmp.path() / "dst.fsh"), c.run == remove ? "" : "new contents");
        EXPECT_EQ(written.size, c.run == copy ? 12u : 0u);
    } else {
        EXPECT_EQ(snapshot(tmp.path()), before);
    }
}

using enum SystemCall;
INSTANTIATE_TEST_SUITE_P(
    Calls, CallFault,
    ::testing::ValuesIn(std::vector<CallFaultCase>{
        {"interrupted", copy, {{Read, EINTR}, {Write, EINTR}}, E::None},
        {"short_transfers", copy, {{Read, kShortTransfer}, {Write, kShortTransfer}}, E::None},
        {"disk_full", copy, {{Write, ENOSPC}}, E::DiskFull},
        {"read_fails", copy, {{Read, EIO}}, E::Other},
        {"source_unreadable", copy, {{Stat, EIO}}, E::Other},
        {"no_temporary", write, {{Open, EROFS}}, E::ReadOnlyDisk},
        {"mode_refused", copy, {{Chmod, EPERM}}, E::PermissionDenied},
        {"flush_fails", copy, {{Flush, EIO}}, E::Other},
        {"close_fails", copy, {{Close, EDQUOT}}, E::DiskFull},
        {"rename_fails", copy, {{Rename, EBUSY}}, E::InUse},
        {"no_one_step_rename", copy, {{Rename, EINVAL}}, E::None},  // then as before
        {"no_one_step_removal", remove, {{Rename, ENOSYS}}, E::None},
        {"write_fails", write, {{Write, EFBIG}}, E::TooLarge},
        {"moved", move, {}, E::None},
        {"grown_past_the_limit", grown, {}, E::SourceTooLarge},
        {"copied", copy, {}, E::None},
        {"move_across_disks", move, {{Rename, EXDEV}}, E::Other},
        {"moved_over_what_was_seen", moveOver, {{Unlink, EIO}}, E::None},  // old one left
        {"remove_fails", remove, {{Unlink, ETXTBSY}}, E::InUse},
        {"folder_fails", makeFolder, {{MakeFolder, EACCES}}, E::PermissionDenied},
        {"listing_fails", list, {{List, EMFILE}}, E::Other},
        {"lock_taken", lock, {{Lock, EWOULDBLOCK}}, E::Locked},
        {"lock_fails", lock, {{Lock, ENOLCK}}, E::Other},
        {"lock_unopened", lock, {{Open, ENAMETOOLONG}}, E::PathTooLong},
        {"digest_fails", digest, {{Read, EIO}}, E::Other}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kestro
