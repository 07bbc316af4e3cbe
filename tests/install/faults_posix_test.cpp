// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the disk while the game's file is kept, replaced or put back: its own
// version is never lost, nothing temporary is left, and the player is told what failed
// and where.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <set>

#include "install_fixture.h"
#include "own_mounts.h"

namespace kestro {
namespace {

using namespace test;
using S = FileOutcome::Stage;

struct StoreFaultCase {
    const char* label;
    std::string_view run;  // "install" (of three files "install_three"), or after one "restore"
                           // (of a kept copy "_linked", under a first store's state "_first",
                           // with none "_lost"), "reinstall" or "in_doubt"
    SystemCall call;
    int code, callsToPass;
    ErrorCode error;
    S stage;  // of the file's outcome; None when the whole run was refused
    std::optional<SystemCall> also = {};  // failing as well, with the same code
};

class StoreFault : public Install, public ::testing::WithParamInterface<StoreFaultCase> {};

TEST_P(StoreFault, LosesNothingAndSaysWhy) {
    const StoreFaultCase& c = GetParam();
    writeFile(gameFile(0), "game's own");
    fs::create_directories(gameDir() / "DATA/POPUPS");
    fs::create_directories(gameDir() / "KESTRO backup");  // only the kept file's folders to make
    if (!c.run.starts_with("install")) install("CANAL+");
    if (c.run == "restore_linked") fs::create_hard_link(keptFile(0), tmp_.path() / "linked");
    if (c.run == "restore_first")  // kept, with no digest to check the copy by
        writeFile(gameDir() / "KESTRO backup/state.txt", "Misc16.fsh.before=kept\n");
    if (c.run == "restore_lost") fs::remove(gameDir() / "KESTRO backup/state.txt");
    if (c.run == "in_doubt") {  // the records lost, and a file of the player's in place
        fs::remove(gameDir() / "KESTRO backup/state.txt");
        writeFile(gameFile(0), "game's new");  // as long as its own
    }
    {
        std::map<SystemCall, int> calls{{c.call, c.code}};
        if (c.also) calls[*c.also] = c.code;
        Injecting faults(calls, c.callsToPass);
        c.run.starts_with("restore")
            ? (void)restore()
            : (void)install(c.run == "install_three" ? "TELEON" : "CANAL+");
    }
    EXPECT_TRUE(Injecting::pending.empty());
    EXPECT_TRUE(readFile(gameFile(0)) == "game's own" || readFile(keptFile(0)) == "game's own");
    std::set<std::string> held;
    const auto halfDone = [&](const std::string& name, const std::string& text) {
        return name.find(".kestro-") != std::string::npos ||
               text.find("intent=") != std::string::npos;
    };
    for (const auto& [name, text] : snapshot(gameDir())) {  // nothing half done, but for a
        held.insert(text);                                  // put-back not tidied, noted so
        EXPECT_TRUE(!halfDone(name, text) || (c.stage == S::Tidy && name.ends_with("state.txt")));
    }
    EXPECT_TRUE(c.run != "in_doubt" || held.contains("game's new"));  // the player's, still
    const Report& report = lastReport();
    const Error& error = c.stage == S::None ? report.refusal : report.files.at(0).error;
    EXPECT_EQ(error.code, c.error);
    EXPECT_TRUE(c.stage == S::None || report.files.at(0).stage == c.stage);
    EXPECT_TRUE(report.action == Report::Action::Restore || report.channel);  // named
    // Whatever failed, the next restore finishes the work and puts the original back, never
    // taking the channel's file for it, setting it apart as the player's or naming it as the
    // version kept (what the game and a failing disk may do meanwhile, the model check plays).
    const std::string channel = readFile(programDir() / "canal+/misc16.fsh");
    EXPECT_TRUE(restore());
    EXPECT_EQ(readFile(gameFile(0)), "game's own");
    const bool recorded = c.run != "restore_first" && c.run != "restore_lost";  // else kept apart
    for (const auto& [name, text] : snapshot(gameDir()))
        EXPECT_TRUE(!halfDone(name, text) &&
                    (text != channel || (!recorded && name.ends_with(".set-aside"))))
            << name;
}

using enum SystemCall;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Calls, StoreFault,
    ::testing::ValuesIn(std::vector<StoreFaultCase>{
        {"disk_full_copying", "install", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Copy},
        {"disk_full_keeping", "install", Write, ENOSPC, 2, ErrorCode::DiskFull, S::Keep},
        {"game_file_unopened", "install", Open, EIO, 26, ErrorCode::Other, S::Keep},
        {"channel_file_unopened", "install", Open, EIO, 24, ErrorCode::SourceUnreadable, S::Copy},
        {"keeping_not_noted", "install", Rename, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_copy_not_put", "install", Rename, EROFS, 2, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_folder_refused", "install", MakeFolder, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_not_noted", "install", Rename, EROFS, 3, ErrorCode::ReadOnlyDisk, S::Note},
        {"keeping_not_noted_then_others", "install_three", Rename, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"in_use", "install", Rename, EBUSY, 4, ErrorCode::InUse, S::Copy},
        {"game_file_unreadable_again", "reinstall", Read, EIO, 4, ErrorCode::Other, S::Keep},
        {"in_doubt_unreadable", "in_doubt", Read, EIO, 4, ErrorCode::Other, S::Keep},
        {"in_doubt_disk_full", "in_doubt", Write, ENOSPC, 2, ErrorCode::DiskFull, S::Keep},
        {"in_doubt_unopened", "in_doubt", Open, EIO, 24, ErrorCode::Other, S::Keep},
        {"store_read_only", "install", MakeFolder, EROFS, 0, ErrorCode::ReadOnlyDisk, S::None},
        {"lock_refused", "restore", Lock, EWOULDBLOCK, 0, ErrorCode::Locked, S::None},
        {"state_unreadable", "restore", Read, EIO, 0, ErrorCode::Damaged, S::None},
        {"put_back_refused", "restore", Rename, EACCES, 1, ErrorCode::PermissionDenied, S::PutBack},
        {"game_file_unreadable", "restore", Read, EIO, 2, ErrorCode::Other, S::PutBack},
        {"kept_copy_unreadable", "restore", Read, EIO, 4, ErrorCode::Other, S::PutBack},
        {"first_store_copy_unreadable", "restore_first", Read, EIO, 2, ErrorCode::Damaged, S::None},
        {"lost_state_in_place_unopened", "restore_lost", Open, EIO, 19, ErrorCode::Other, S::Keep},
        {"lost_state_copy_unreadable", "restore_lost", Read, EIO, 0, ErrorCode::Other, S::None},
        {"set_aside_refused", "restore_first", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Keep},
        {"set_aside_not_put", "restore_first", Rename, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"linked_not_put", "restore_linked", Write, ENOSPC, 1, ErrorCode::DiskFull, S::PutBack},
        // Put back, but the file it replaced stays under the kept copy's name: never copied
        // from there as the original, nor said to be left as it was.
        {"put_back_not_tidied", "restore", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink}}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// A pipe where a game file belongs is named, and neither opened (that would block), nor
// replaced, nor put back over: the original stays kept.
TEST_F(Install, APipeWhereAGameFileBelongsIsNamed) {
    writeFile(gameFile(0), "game's own");
    install("FOX");
    fs::remove(gameFile(0));
    ASSERT_EQ(::mkfifo(gameFile(0).c_str(), 0600), 0);
    seen_.files.clear();
    install("CANAL+");
    restore();
    ASSERT_EQ(seen_.files.size(), 2u);
    for (const FileOutcome& o : seen_.files) EXPECT_EQ(o.error.code, ErrorCode::NotAFile);
    EXPECT_EQ(fs::status(gameFile(0)).type(), fs::file_type::fifo);
    EXPECT_EQ(readFile(keptFile(0)), "game's own");
}

// With no records, the file in place is kept apart before the original goes back; a disk
// that then refuses the put-back leaves it kept apart once, however often the restore is
// run again.
TEST_F(Install, AFileKeptApartIsNotKeptApartAgain) {
    writeFile(gameFile(0), "game's own");
    install("CANAL+");
    fs::remove(gameDir() / "KESTRO backup/state.txt");
    for (const bool failing : {true, true, false}) {
        Injecting faults({{SystemCall::Rename, failing ? EACCES : 0}}, 1);
        EXPECT_EQ(restore(), !failing);
    }
    EXPECT_EQ(readFile(gameFile(0)), "game's own");
    EXPECT_EQ(lastReport().files.at(0).setAside, "KESTRO backup/DATA/ENVIRO/Misc16.fsh.set-aside");
    EXPECT_EQ(snapshot(keptFile(0).parent_path()).size(), 1u);  // named, and alone
}

// A store another user account made, or its state file, is not read: in a game folder others
// may write into, what it records could have a run remove or replace the player's files.
TEST_F(Install, AStoreAnotherAccountMadeIsNotRead) {
    if (::geteuid() != 0) GTEST_SKIP() << "no files of another account can be made here";
    writeFile(gameFile(0), "game's own");
    install("FOX");
    for (const char* made : {"KESTRO backup/state.txt", "KESTRO backup"}) {
        ASSERT_EQ(::lchown((gameDir() / made).c_str(), 65534, 65534), 0);
        const auto before = snapshot(gameDir());
        seen_.reports.clear();
        EXPECT_FALSE(restore() || install("NTV"));
        for (const Report& r : seen_.reports)
            EXPECT_EQ(r.refusal, failure(ErrorCode::Foreign, made));
        EXPECT_EQ(snapshot(gameDir()), before);
        ASSERT_EQ(::lchown((gameDir() / made).c_str(), 0, 0), 0);
    }
    EXPECT_TRUE(restore());
    EXPECT_EQ(readFile(gameFile(0)), "game's own");
}

struct MountCase {
    const char *what, *onto;  // below the game folder
    std::string_view when;    // before the run, "at_lock" (after its checks), or "overlay"
};

std::function<void()> atLock;
int locking(SystemCall call) {
    if (call == SystemCall::Lock && atLock) std::exchange(atLock, nullptr)();
    return 0;
}

class StoreMounted : public Install, public ::testing::WithParamInterface<MountCase> {};

// A folder or file of the store mounted on the game's own (as root, or a namespace, can):
// nothing is installed or restored through it, and once it is gone the original comes back.
TEST_P(StoreMounted, IsRefusedAndLosesNothing) {
    const MountCase& c = GetParam();
    writeFile(gameFile(0), "game's own");
    install("FOX");
    const int status = inOwnMounts([&] {
        const fs::path what = gameDir() / c.what, onto = gameDir() / c.onto;
        const std::string options = "lowerdir=" + (gameDir() / "DATA/POPUPS").string() +
                                    ",upperdir=" + what.string() +
                                    ",workdir=" + (tmp_.path() / "work").string();
        fs::create_directory(tmp_.path() / "work");
        const auto mounted = [&] {
            return c.when == "overlay"
                       ? ::mount("overlay", onto.c_str(), "overlay", 0, options.c_str()) == 0
                       : ::mount(what.c_str(), onto.c_str(), nullptr, MS_BIND, nullptr) == 0;
        };
        if (c.when != "at_lock" && !mounted()) return kNoMounts;
        if (!c.when.empty()) {  // what the checks could not see loses nothing either
            atLock = [&] { mounted() || (::_exit(kNoMounts), true); };
            setCallFaultHook(locking);
            restore();
            return 0;
        }
        const bool refused = !install("NTV") && !restore();
        return refused && lastReport().refusal.code == ErrorCode::InStore &&
                       seen_.reports.end()[-2].refusal.code == ErrorCode::InStore
                   ? 0
                   : 1;
    });
    if (status == kNoMounts) GTEST_SKIP() << "no mounts here";
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(restore());
    EXPECT_EQ(readFile(gameFile(0)), "game's own");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Mounts, StoreMounted, ::testing::Values(
    MountCase{"KESTRO backup/DATA/ENVIRO", "DATA/ENVIRO", ""}, MountCase{"KESTRO backup/DATA/ENVIRO/Misc16.fsh", "DATA/ENVIRO/Misc16.fsh", ""},
    MountCase{"KESTRO backup/DATA/ENVIRO", "DATA/POPUPS", ""}, MountCase{"KESTRO backup/DATA", "DATA", ""},
    MountCase{"KESTRO backup", "DATA/POPUPS", ""}, MountCase{"KESTRO backup", "", ""},
    MountCase{"KESTRO backup/DATA/ENVIRO/Misc16.fsh", "DATA/ENVIRO/Misc16.fsh", "at_lock"},
    MountCase{"KESTRO backup/DATA/ENVIRO", "DATA/ENVIRO", "overlay"}));
// clang-format on

}  // namespace
}  // namespace kestro
