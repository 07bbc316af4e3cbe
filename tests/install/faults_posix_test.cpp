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
    std::string_view run;  // "install", or after one "restore" (of a kept copy "_linked", under
                           // a first store's state "_first", with none "_lost"; or what follows
                           // a put-back left untidied), "reinstall" or "in_doubt"
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
    if (c.run != "install") install("CANAL+");
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
        c.run.starts_with("restore") ? (void)restore() : (void)install("CANAL+");
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
    if (c.stage != S::Tidy) return;
    // Which the next run finishes, never taking the channel's file for the original, setting
    // it apart as the player's or naming it as the version kept: after the game wrote its file
    // anew or deleted it, on a disk that fails every deletion of that run (and every rename),
    // be it a restore or an install.
    const auto has = [&](std::string_view word) { return c.run.find(word) != c.run.npos; };
    const auto inPlace = [&]() -> std::optional<std::string> {
        return fs::exists(gameFile(0)) ? std::optional(readFile(gameFile(0))) : std::nullopt;
    };
    const std::string channel = readFile(programDir() / "canal+/misc16.fsh");
    const auto own = has("deleted") ? std::nullopt
                                    : std::optional<std::string>(has("rewritten") ? "game's newer"
                                                                                  : "game's own");
    own ? writeFile(gameFile(0), *own) : (void)fs::remove(gameFile(0));
    if (has("foreign")) writeFile(keptFile(0), "another's!");  // as long as the original
    const CallFaultHook failing = [](SystemCall call) {
        return call == SystemCall::Unlink || call == SystemCall::Rename ? EIO : 0;
    };
    const CallFaultHook unlinking = [](SystemCall call) {
        return call == SystemCall::Unlink ? EIO : 0;
    };
    for (int run = has("failing") || has("undeletable") ? 0 : 1; run < 2; ++run) {
        setCallFaultHook(run ? nullptr : has("undeletable") ? unlinking : failing);
        const bool installs = !run && has("install");
        installs ? (void)install("NTV") : (void)restore();
        setCallFaultHook(nullptr);
        EXPECT_TRUE(installs || inPlace() == own);
        EXPECT_NE(lastReport().kind, Report::Kind::Refused);
        for (const FileOutcome& o : lastReport().files)  // nor as a kept copy changed since
            EXPECT_TRUE((o.keptAt.empty() || readFile(keptFile(0)) != channel) &&
                        o.error.code != ErrorCode::KeptChanged);
    }
    EXPECT_EQ(inPlace(), own);
    bool apart = false;  // another program's file there is set apart in the end
    for (const auto& [name, text] : snapshot(gameDir())) {
        EXPECT_TRUE(!halfDone(name, text) && text != channel) << name;
        apart |= text == "another's!" && name.find(".set-aside") != name.npos;
    }
    EXPECT_EQ(apart, has("foreign"));
}

using enum SystemCall;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Calls, StoreFault,
    ::testing::ValuesIn(std::vector<StoreFaultCase>{
        {"disk_full_copying", "install", Write, ENOSPC, 0, ErrorCode::DiskFull, S::Copy},
        {"disk_full_keeping", "install", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Keep},
        {"game_file_unopened", "install", Open, EIO, 25, ErrorCode::Other, S::Keep},
        {"channel_file_unopened", "install", Open, EIO, 23, ErrorCode::SourceUnreadable, S::Copy},
        {"keeping_not_noted", "install", Rename, EROFS, 0, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_copy_not_put", "install", Rename, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_folder_refused", "install", MakeFolder, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_not_noted", "install", Rename, EROFS, 2, ErrorCode::ReadOnlyDisk, S::Note},
        {"in_use", "install", Rename, EBUSY, 3, ErrorCode::InUse, S::Copy},
        {"game_file_unreadable_again", "reinstall", Read, EIO, 4, ErrorCode::Other, S::Keep},
        {"in_doubt_unreadable", "in_doubt", Read, EIO, 4, ErrorCode::Other, S::Keep},
        {"in_doubt_disk_full", "in_doubt", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Keep},
        {"in_doubt_unopened", "in_doubt", Open, EIO, 23, ErrorCode::Other, S::Keep},
        {"store_read_only", "install", MakeFolder, EROFS, 0, ErrorCode::ReadOnlyDisk, S::None},
        {"lock_refused", "restore", Lock, EWOULDBLOCK, 0, ErrorCode::Locked, S::None},
        {"state_unreadable", "restore", Read, EIO, 0, ErrorCode::Damaged, S::None},
        {"put_back_refused", "restore", Rename, EACCES, 1, ErrorCode::PermissionDenied, S::PutBack},
        {"game_file_unreadable", "restore", Read, EIO, 2, ErrorCode::Other, S::PutBack},
        {"kept_copy_unreadable", "restore", Read, EIO, 4, ErrorCode::Other, S::PutBack},
        {"first_store_copy_unreadable", "restore_first", Read, EIO, 2, ErrorCode::Damaged, S::None},
        {"lost_state_in_place_unopened", "restore_lost", Open, EIO, 18, ErrorCode::Other, S::Keep},
        {"lost_state_copy_unreadable", "restore_lost", Read, EIO, 0, ErrorCode::Other, S::None},
        {"set_aside_refused", "restore_first", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Keep},
        {"set_aside_not_put", "restore_first", Rename, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"linked_not_put", "restore_linked", Write, ENOSPC, 1, ErrorCode::DiskFull, S::PutBack},
        // Put back, but the file it replaced stays under the kept copy's name: never copied
        // from there as the original, nor said to be left as it was.
        {"put_back_not_tidied", "restore", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_rewritten", "restore_rewritten", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_failing", "restore_failing", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_undeletable", "restore_undeletable", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_install_undeletable", "restore_install_undeletable", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_rewritten_undeletable", "restore_rewritten_undeletable", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_deleted_undeletable", "restore_deleted_undeletable", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_foreign_deleted", "restore_foreign_deleted", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_foreign_rewritten", "restore_foreign_rewritten", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink},
        {"put_back_not_tidied_then_deleted_install_undeletable", "restore_deleted_install_undeletable", Rename, EIO, 2, ErrorCode::Other, S::Tidy, Unlink}}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// Renames as another program and a failing disk would have them: another program (the
// game, an updater) replaces the file once `raceNow` holds, at a rename or ("early") just
// before the last look at it, and then the disk fails as FailingRenames has it.
std::function<bool()> raceNow;
std::function<void()> race;
int renaming(SystemCall call) {
    if (call != SystemCall::Rename) return 0;
    if (raceNow && raceNow()) raceNow = nullptr, race();
    return FailingRenames::fail(call);
}

struct RaceCase {
    const char* label;
    std::string_view run;   // "install", "put_back" (of a kept copy "_linked") or "removal"
    std::string_view when;  // racing at the rename, "early", or "twice" (as its file comes back,
                            // or "late": at the first rename after the failing ones)
    const char* theirs;     // the other program's file
    int failing;            // renames that fail after the race
    const char* then;  // what the player runs next: a channel, "" to restore, "game" to restore
                       // after the game wrote its file anew, "failing" ("stuck") on a disk
                       // failing its first rename (two), or nothing
};

class Race : public Install, public ::testing::WithParamInterface<RaceCase> {};

// Its file stays, a second one is never taken for the program's temporary, neither is
// reported as replaced, put back or removed, and whatever the player runs next loses
// neither its file nor the game's own, and the restore after that finishes.
TEST_P(Race, TheOtherProgramsFileStays) {
    const RaceCase& c = GetParam();
    if (c.run != "removal") writeFile(gameFile(0), "game's own");
    if (c.run != "install") install("FOX");
    if (c.run == "put_back_linked") fs::create_hard_link(keptFile(0), tmp_.path() / "linked");
    const fs::path state = gameDir() / "KESTRO backup/state.txt";
    const std::string intent = c.run == "install" ? "intent=write" : "intent=put-back";
    raceNow = [&] {
        return c.run == "removal" || readFile(state).find(intent) != std::string::npos;
    };
    int races = 0;
    race = [&] {
        writeFile(gameFile(0) += ".new", ++races == 1 ? c.theirs : "theirs again");
        fs::rename(gameFile(0) += ".new", gameFile(0));
        if (c.when == "twice" && races == 1) raceNow = [] { return true; };
        if (c.when == "late" && races == 1) raceNow = [] { return FailingRenames::count == 0; };
        if (races == 1 || c.when == "twice")  // the disk failing from then on
            std::tie(FailingRenames::from, FailingRenames::count) =
                std::tuple(FailingRenames::seen + 1, c.failing);
    };
    FailingRenames::start(0, 0);
    if (c.when != "early")
        setCallFaultHook(renaming);
    else
        setFaultHook([] { renaming(SystemCall::Rename); });  // before the look, not the rename
    c.run == "install" ? install("FOX") : restore();
    setCallFaultHook(nullptr);
    setFaultHook(nullptr);
    FailingRenames::count = 0;
    EXPECT_EQ(raceNow, nullptr) << "the race never came";
    const auto names = [](const std::vector<std::string>& shown, const std::string& name) {
        const std::string file = fs::path(name).filename().string();
        return std::ranges::any_of(shown, [&](const std::string& s) { return s.ends_with(file); });
    };
    std::vector<std::string> aside;  // what it set apart, it names
    for (const FileOutcome& o : lastReport().files) aside.push_back(o.setAside);
    for (const auto& [name, text] : snapshot(gameDir()))
        EXPECT_TRUE(name.find(".set-aside") == name.npos || names(aside, name)) << name;
    // The disk back after a failure or two: a swap's leftover set apart at once.
    EXPECT_TRUE(c.failing < 1 || c.failing > 2 ||
                (c.run != "install" && c.run != "put_back_linked") || !aside.at(0).empty());
    const bool channelIn = readFile(gameFile(0)) == readFile(programDir() / "fox/misc16.fsh");
    EXPECT_TRUE(c.run != "install" ||  // said replaced when, and only when, it is
                (lastReport().files.at(0).kind == FileOutcome::Kind::Replaced) == channelIn);
    const auto count = [&](const std::string& text) {
        return std::ranges::count_if(snapshot(gameDir()),
                                     [&](auto& e) { return e.second == text; });
    };
    if (!c.then) {
        EXPECT_EQ(readFile(gameFile(0)), c.theirs);
        EXPECT_EQ(lastReport().files.at(0).error.code, ErrorCode::InUse);
        EXPECT_EQ(lastReport().files.at(0).stage, c.run == "install" ? S::Copy : S::PutBack);
        EXPECT_EQ(readFile(keptFile(0)), c.run == "removal" ? "" : "game's own");  // none kept
        EXPECT_EQ(count("theirs again"), races - 1);
        return;
    }
    const std::string_view then = c.then;
    const bool rewrites = then == "game";                                 // its file anew
    const int failing = then == "failing" ? 1 : then == "stuck" ? 2 : 0;  // renames failing
    if (rewrites) writeFile(gameFile(0), "game's newest");
    FailingRenames::start(0, failing);
    setCallFaultHook(FailingRenames::fail);
    *c.then && !rewrites && !failing ? install(c.then) : restore();
    setCallFaultHook(nullptr);
    restore();  // which leaves theirs in place once given back (twice raced): changed since
    // The original moved back, then replaced by the game: nothing is kept any more.
    const bool overwritten = c.run == "put_back" && c.when == "twice";
    EXPECT_EQ(lastReport().kind == Report::Kind::Incomplete, !c.when.empty() && !overwritten);
    EXPECT_NE(lastReport().kind, Report::Kind::Refused);
    for (const auto& [name, text] : snapshot(gameDir()))  // in place, or named as kept apart
        EXPECT_TRUE(text != c.theirs || name == "DATA/ENVIRO/Misc16.fsh" ||
                    names(lastReport().keptApart, name))
            << name;
    EXPECT_EQ(count(c.theirs), 1);
    EXPECT_EQ(count("theirs again"), races - 1);
    EXPECT_EQ(count("game's own"), c.run != "removal" && !rewrites && !overwritten);
    if (c.run.starts_with("put_back")) {  // back, theirs kept apart: never taken for the original
        EXPECT_EQ(readFile(gameFile(0)), rewrites          ? "game's newest"
                                         : !c.when.empty() ? c.theirs
                                                           : "game's own");
    }
}

const char* const kRestore = "";
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Moments, Race,
    ::testing::ValuesIn(std::vector<RaceCase>{
        {"install", "install", "", "another program's", 0, nullptr},
        {"put_back", "put_back", "", "another program's", 0, nullptr},
        {"removal", "removal", "", "another program's", 0, nullptr},
        {"install_early", "install", "early", "another program's", 0, nullptr},
        {"put_back_early", "put_back", "early", "another program's", 0, nullptr},
        {"removal_early", "removal", "early", "another program's", 0, nullptr},
        {"install_twice", "install", "twice", "another program's", 0, nullptr},
        // The disk then fails every rename that would give its file back (or every one after,
        // as a crash would leave it): the channel's file stays, theirs is kept apart.
        {"install_fails_twice", "install", "", "another program's", 2, kRestore},
        {"install_fails_thrice", "install", "", "another program's", 3, kRestore},
        {"install_fails_thrice_then_install", "install", "", "another program's", 3, "NTV"},
        {"install_cut_short", "install", "", "another program's", 99, kRestore},
        {"install_cut_short_then_failing", "install", "", "another program's", 99, "failing"},
        {"install_cut_short_then_stuck", "install", "", "another program's", 99, "stuck"},
        {"install_twice_failing", "install", "twice", "another program's", 1, kRestore},
        {"install_late", "install", "late", "another program's", 1, kRestore},
        // The disk then fails the rename that would give its file back (or every one after,
        // as a crash would leave it); "game's new" is as long as the game's own.
        {"put_back_failing", "put_back", "", "game's new", 1, kRestore},
        {"put_back_longer_failing", "put_back", "", "the game's newer file", 1, kRestore},
        {"put_back_failing_then_install", "put_back", "", "game's new", 1, "NTV"},
        {"put_back_fails_twice", "put_back", "", "game's new", 2, kRestore},
        {"put_back_fails_twice_then_install", "put_back", "", "game's new", 2, "NTV"},
        {"put_back_longer_fails_twice", "put_back", "", "the game's newer file", 2, kRestore},
        {"put_back_longer_fails_twice_then_game", "put_back", "", "the game's newer file", 2, "game"},
        {"put_back_cut_short", "put_back", "", "game's new", 99, kRestore},
        {"put_back_twice", "put_back", "twice", "another program's", 0, kRestore},
        {"put_back_linked_fails_twice", "put_back_linked", "", "another program's", 2, kRestore},
        {"put_back_linked_fails_thrice", "put_back_linked", "", "another program's", 3, kRestore},
        {"put_back_linked_twice_failing", "put_back_linked", "twice", "another program's", 1, kRestore},
        {"removal_failing", "removal", "", "game's new", 1, kRestore},
        {"removal_fails_twice", "removal", "", "game's new", 2, kRestore}}),
    [](const auto& info) { return std::string(info.param.label); });
// clang-format on

// A kept copy changed since (as long as the one kept) that the disk will not rename apart,
// whichever renames fail (`failing` in a row, this run's and the next's): never put back
// over the player's file, by the runs after either.
class SetApartFails : public Install,
                      public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(SetApartFails, TheChangedCopyIsNeverPutBack) {
    const auto [then, failing] = GetParam();  // a channel installed twice, or two restores
    const std::string mine = *then ? "patched" : "game's own";  // in place from now on
    for (int pass = 0; pass < 4; ++pass) {
        fs::remove_all(gameDir());
        writeFile(gameFile(0), "game's own");
        install("FOX");
        writeFile(keptFile(0), "another's!");
        writeFile(gameFile(0), mine);
        FailingRenames::start(pass, failing);
        setCallFaultHook(renaming);
        *then ? install(then) : restore();
        *then ? install(then) : restore();
        setCallFaultHook(nullptr);
        restore();
        EXPECT_NE(lastReport().kind, Report::Kind::Refused) << pass;
        EXPECT_EQ(readFile(gameFile(0)), mine) << pass;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, SetApartFails,
                         ::testing::Values(std::pair{"", 1}, std::pair{"NTV", 1},
                                           std::pair{"", 3}));

// A write noted but never confirmed (the run's last notes failing, as a crash would leave
// it), which the next run cannot read back at first: the channel's file is not kept over
// the player's own version.
TEST_F(Install, AnUnconfirmedWriteIsNotKeptAsThePlayers) {
    writeFile(gameFile(0), "game's own");
    install("FOX");
    writeFile(gameFile(0), "patched");
    FailingRenames::start(4, 9);
    setCallFaultHook(renaming);
    install("CANAL+");
    setCallFaultHook(nullptr);
    {
        Injecting faults({{SystemCall::Read, EIO}}, 2);
        install("FOX");
    }
    restore();
    EXPECT_EQ(readFile(gameFile(0)), "patched");
}

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
