// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the disk while the game's file is kept, replaced or put back: its own
// version is never lost, nothing temporary is left, and the player is told what failed
// and where.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;
using S = FileOutcome::Stage;

struct StoreFaultCase {
    const char* label;
    std::string_view run;  // "install", or after one "restore" (of a kept copy "_linked", or
                           // under a first store's state "_first"), "reinstall" or "in_doubt"
    SystemCall call;
    int code, callsToPass;
    ErrorCode error;
    S stage;  // of the file's outcome; None when the whole run was refused
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
    if (c.run == "in_doubt") {  // the records lost, and a file of the player's in place
        fs::remove(gameDir() / "KESTRO backup/state.txt");
        writeFile(gameFile(0), "game's new");  // as long as its own
    }
    {
        Injecting faults({{c.call, c.code}}, c.callsToPass);
        c.run.starts_with("restore") ? (void)restore() : (void)install("CANAL+");
    }
    EXPECT_TRUE(Injecting::pending.empty());
    EXPECT_TRUE(readFile(gameFile(0)) == "game's own" || readFile(keptFile(0)) == "game's own");
    std::set<std::string> held;
    for (const auto& [name, text] : snapshot(gameDir())) {  // nothing half done, or noted so
        held.insert(text);
        EXPECT_EQ(name.find(".kestro-"), std::string::npos) << name;
        EXPECT_EQ(text.find("intent="), std::string::npos) << text;
    }
    if (c.run == "in_doubt") EXPECT_TRUE(held.contains("game's new"));  // the player's, still
    const Report& report = lastReport();
    const Error& error = c.stage == S::None ? report.refusal : report.files.at(0).error;
    EXPECT_EQ(error.code, c.error);
    if (c.stage != S::None) {
        EXPECT_EQ(report.files.at(0).stage, c.stage);
    }
}

using enum SystemCall;
INSTANTIATE_TEST_SUITE_P(
    Calls, StoreFault,
    ::testing::ValuesIn(std::vector<StoreFaultCase>{
        {"disk_full_copying", "install", Write, ENOSPC, 0, ErrorCode::DiskFull, S::Copy},
        {"disk_full_keeping", "install", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Keep},
        {"game_file_unopened", "install", Open, EIO, 25, ErrorCode::Other, S::Keep},
        {"keeping_not_noted", "install", Rename, EROFS, 0, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_copy_not_put", "install", Rename, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_folder_refused", "install", MakeFolder, EROFS, 1, ErrorCode::ReadOnlyDisk, S::Keep},
        {"kept_not_noted", "install", Rename, EROFS, 2, ErrorCode::ReadOnlyDisk, S::Note},
        {"in_use", "install", Rename, EBUSY, 3, ErrorCode::InUse, S::Copy},
        {"game_file_unreadable_again", "reinstall", Read, EIO, 4, ErrorCode::Other, S::Keep},
        {"in_doubt_unreadable", "in_doubt", Read, EIO, 4, ErrorCode::Other, S::Keep},
        {"in_doubt_disk_full", "in_doubt", Write, ENOSPC, 1, ErrorCode::DiskFull, S::Keep},
        {"store_read_only", "install", MakeFolder, EROFS, 0, ErrorCode::ReadOnlyDisk, S::None},
        {"lock_refused", "restore", Lock, EWOULDBLOCK, 0, ErrorCode::Locked, S::None},
        {"state_unreadable", "restore", Read, EIO, 0, ErrorCode::Damaged, S::None},
        {"put_back_refused", "restore", Rename, EACCES, 1, ErrorCode::PermissionDenied, S::PutBack},
        {"game_file_unreadable", "restore", Read, EIO, 2, ErrorCode::Other, S::PutBack},
        {"first_store_copy_unreadable", "restore_first", Read, EIO, 2, ErrorCode::Damaged, S::None},
        {"linked_not_put", "restore_linked", Write, ENOSPC, 1, ErrorCode::DiskFull, S::PutBack}}),
    [](const auto& info) { return std::string(info.param.label); });

// Another program (the game, an updater) replaces the file in the moment between the last
// look at it and the rename that would take its place, or ("_early") just before that look,
// or ("_twice") once more as its file is given back: its file stays, a second one is never
// taken for the program's temporary, and neither is reported as replaced, put back or removed.
std::function<bool()> raceNow;  // at the next rename once this holds
std::function<void()> race;
int failingRenames = 0;
int racing(SystemCall call) {
    if (call != SystemCall::Rename) return 0;
    if (failingRenames > 0) return --failingRenames, EIO;
    if (raceNow && raceNow()) raceNow = nullptr, race();
    return 0;
}

class Race : public Install, public ::testing::WithParamInterface<const char*> {};

TEST_P(Race, TheOtherProgramsFileStays) {
    const std::string moment = GetParam(), run = moment.substr(0, moment.find('_'));
    if (run != "removal") writeFile(gameFile(0), "game's own");
    if (run != "install") install("FOX");
    const fs::path state = gameDir() / "KESTRO backup/state.txt";
    const std::string intent = run == "install" ? "intent=write" : "intent=put-back";
    raceNow = [&] { return run == "removal" || readFile(state).find(intent) != std::string::npos; };
    int races = 0;
    race = [&] {
        writeFile(gameFile(0) += ".new", ++races == 1 ? "another program's" : "theirs again");
        fs::rename(gameFile(0) += ".new", gameFile(0));
        if (moment.ends_with("_twice") && races == 1) raceNow = [] { return true; };
    };
    if (!moment.ends_with("_early"))
        setCallFaultHook(racing);
    else
        setFaultHook([] { racing(SystemCall::Rename); });  // before the look, not the rename
    run == "install" ? install("FOX") : restore();
    setCallFaultHook(nullptr);
    setFaultHook(nullptr);
    EXPECT_EQ(raceNow, nullptr) << "the race never came";
    EXPECT_EQ(readFile(gameFile(0)), "another program's");
    EXPECT_EQ(lastReport().files.at(0).error.code, ErrorCode::InUse);
    EXPECT_EQ(lastReport().files.at(0).stage, run == "install" ? S::Copy : S::PutBack);
    EXPECT_EQ(readFile(keptFile(0)), run == "removal" ? "" : "game's own");  // none to keep
    const auto again = [](const auto& entry) { return entry.second == "theirs again"; };
    EXPECT_EQ(std::ranges::count_if(snapshot(gameDir()), again), races - 1);
}

// ... and the disk then fails the rename that would give its file back (or every rename
// after, as a crash would leave it): neither its file nor the game's own is lost, whatever
// the player runs next, and the restore after that finishes.
struct FailingDiskCase {
    const char* label;
    std::string_view run;  // "put_back" or "removal"
    const char* theirs;    // the other program's file
    int failing;           // renames that fail after the race
    const char* then;      // what the player runs next: a channel to install, or "" to restore
};

class RaceOnFailingDisk : public Install, public ::testing::WithParamInterface<FailingDiskCase> {};

TEST_P(RaceOnFailingDisk, LosesNeitherFile) {
    const FailingDiskCase& c = GetParam();
    if (c.run == "put_back") writeFile(gameFile(0), "game's own");
    install("FOX");
    const fs::path state = gameDir() / "KESTRO backup/state.txt";
    raceNow = [&] {
        return c.run == "removal" || readFile(state).find("intent=") != std::string::npos;
    };
    race = [&] {
        writeFile(gameFile(0) += ".new", c.theirs);
        fs::rename(gameFile(0) += ".new", gameFile(0));
        failingRenames = c.failing;
    };
    setCallFaultHook(racing);
    restore();
    setCallFaultHook(nullptr);
    failingRenames = 0;
    EXPECT_EQ(raceNow, nullptr) << "the race never came";
    *c.then ? install(c.then) : restore();
    restore();
    EXPECT_NE(lastReport().kind, Report::Kind::Incomplete);
    EXPECT_NE(lastReport().kind, Report::Kind::Refused);
    std::multiset<std::string> texts;
    for (const auto& [name, text] : snapshot(gameDir())) texts.insert(text);
    EXPECT_EQ(texts.count(c.theirs), 1u);
    EXPECT_EQ(texts.count("game's own"), c.run == "put_back" ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Restores, RaceOnFailingDisk,
    ::testing::ValuesIn(std::vector<FailingDiskCase>{
        {"put_back", "put_back", "game's new", 1, ""},  // as long as its own
        {"put_back_longer", "put_back", "the game's newer file", 1, ""},
        {"put_back_then_install", "put_back", "game's new", 1, "NTV"},
        {"put_back_fails_twice", "put_back", "game's new", 2, ""},
        {"put_back_fails_twice_then_install", "put_back", "game's new", 2, "NTV"},
        {"put_back_longer_fails_twice", "put_back", "the game's newer file", 2, ""},
        {"put_back_cut_short", "put_back", "game's new", 99, ""},
        {"removal", "removal", "game's new", 1, ""}}),
    [](const auto& info) { return std::string(info.param.label); });
// A kept copy changed since (as long as the one kept) that the disk will not rename apart,
// whichever renames fail (`failing` in a row, this run's and the next's): never put back over
// the player's file, by the runs after either.
struct SetApartCase {
    const char* then;  // a channel installed twice, or "" for two restores
    int failing;
};
int renames = 0, failFrom = 0, failCount = 0;
int failRenames(SystemCall call) {
    return call == SystemCall::Rename && renames++ >= failFrom && failCount-- > 0 ? EIO : 0;
}
class SetApartFails : public Install, public ::testing::WithParamInterface<SetApartCase> {};

TEST_P(SetApartFails, TheChangedCopyIsNeverPutBack) {
    const std::string then = GetParam().then;
    const std::string mine = then.empty() ? "game's own" : "patched";  // in place from now on
    for (int pass = 0; pass < 4; ++pass) {
        fs::remove_all(gameDir());
        writeFile(gameFile(0), "game's own");
        install("FOX");
        writeFile(keptFile(0), "another's!");
        writeFile(gameFile(0), mine);
        std::tie(renames, failFrom, failCount) = std::tuple(0, pass, GetParam().failing);
        setCallFaultHook(failRenames);
        then.empty() ? restore() : install(then);
        then.empty() ? restore() : install(then);
        setCallFaultHook(nullptr);
        restore();
        EXPECT_NE(lastReport().kind, Report::Kind::Refused) << pass;
        EXPECT_EQ(readFile(gameFile(0)), mine) << pass;
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, SetApartFails,
                         ::testing::Values(SetApartCase{"", 1}, SetApartCase{"NTV", 1},
                                           SetApartCase{"", 3}));
// A write noted but never confirmed (the run's last notes failing, as a crash would leave
// it), which the next run cannot read back at first: the channel's file is not kept over
// the player's own version.
TEST_F(Install, AnUnconfirmedWriteIsNotKeptAsThePlayers) {
    writeFile(gameFile(0), "game's own");
    install("FOX");
    writeFile(gameFile(0), "patched");
    std::tie(renames, failFrom, failCount) = std::tuple(0, 4, 9);
    setCallFaultHook(failRenames);
    install("CANAL+");
    setCallFaultHook(nullptr);
    {
        Injecting faults({{SystemCall::Read, EIO}}, 2);
        install("FOX");
    }
    restore();
    EXPECT_EQ(readFile(gameFile(0)), "patched");
}
INSTANTIATE_TEST_SUITE_P(Moments, Race,
                         ::testing::Values("install", "put_back", "removal", "install_early",
                                           "put_back_early", "removal_early", "install_twice"));

}  // namespace
}  // namespace kestro
