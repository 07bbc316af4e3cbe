// SPDX-License-Identifier: GPL-3.0-or-later
// Installing and restoring as the window runs them: what the player is told, file by
// file, and what the catalogue offers.
#include <gtest/gtest.h>

#include <set>

#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;
using K = Report::Kind;
using O = FileOutcome::Kind;
using Why = ChannelSet::LeftOut::Why;

// What must always hold of the catalogue, for the seven and a player's set alike: a set is
// found by its exact key, takes only the game's files (one empty, too large or no file is left
// out, and why; a set with none is listed all the same), the bar ends at 99, and a player's
// file is never read through a link.
TEST(Catalogue, EveryEntryIsWhole) {
    TempFolder sets;
    const fs::path folder = sets.path() / "channels";  // found as "Channels" too
    for (const char* file :
         {"MY TV/misc8.fsh", "MY TV/POPUPS.ABG", "MY TV/popups.big/in a folder", "MY TV/notes.txt",
          "NO FILES/preview.jpg", "lower/misc8.fsh", "BIG/Misc16.fsh", "BIG/misc8.fsh"})
        writeFile(folder / file, file);
    writeFile(folder / "MY TV/Misc16.fsh", "");
    fs::resize_file(folder / "BIG/misc8.fsh", kMaxChannelFileSize + 1);
    const Catalogue catalogue(channelsDir(), PlayerSets(sets.path() / "Channels").read());
    ASSERT_EQ(catalogue.sets().size(), 10u);
    EXPECT_EQ(catalogue.find("MY TV")->files.size(), 2u);
    EXPECT_EQ(catalogue.find("MY TV")->files.front().progress, 44.0f);  // the bar as the seven's
    EXPECT_EQ(catalogue.find("MY TV")->leftOut,
              (std::vector<ChannelSet::LeftOut>{{0, Why::Empty}, {3, Why::NotAFile}}));
    EXPECT_EQ(catalogue.find("BIG")->leftOut,
              (std::vector<ChannelSet::LeftOut>{{1, Why::TooLarge}}));
    EXPECT_TRUE(catalogue.find("NO FILES")->givesNothing() &&
                !catalogue.find("MY TV")->givesNothing());
    for (const ChannelSet& set : catalogue.sets()) {
        EXPECT_EQ(catalogue.find(set.key), &set);
        EXPECT_EQ(set.preview.followLinks, !set.playersOwn);
        for (const ChannelSet::File& file : set.files)
            EXPECT_TRUE(file.source.followLinks != set.playersOwn && openSource(file.source).ok());
        EXPECT_TRUE(set.givesNothing() || set.files.back().progress == 99.0f) << set.key;
    }
    for (const char* text : {"fox", " FOX", ""}) EXPECT_EQ(catalogue.find(text), nullptr) << text;
}

// The road of an install and a restore: the bar before each file, each file's outcome,
// the player's own file kept and back again with its mode, the one the channel added (as
// large as a channel's file may be) removed again.
TEST_F(Install, ReplacesKeepsAndPutsBack) {
    writeFile(gameFile(0), "game's own");
    fs::permissions(gameFile(0), fs::perms::owner_read | fs::perms::group_read);
    fs::resize_file(programDir() / "teleon/popups.big", kMaxChannelFileSize);  // the largest
    ASSERT_TRUE(install("TELEON"));
    EXPECT_EQ(seen_.bar, (std::vector<float>{44, 50, 99, 0}));
    ASSERT_EQ(seen_.files.size(), 3u);
    EXPECT_EQ(seen_.files[2].shown,
              game_.starts_with('/') ? "DATA/POPUPS/popups.big" : "\\DATA\\POPUPS\\popups.big");
    EXPECT_EQ(lastReport().channel->key, "TELEON");
    EXPECT_EQ(readFile(keptFile(0)), "game's own");
    EXPECT_FALSE(fs::exists(gameFile(2)));  // TELEON writes popups.big, not popups.abg
    seen_.answer = false;
    EXPECT_FALSE(restore());  // asked, and told no: nothing changes
    EXPECT_TRUE(fs::exists(gameFile(3)));
    seen_.answer = true;
    ASSERT_TRUE(restore());
    EXPECT_EQ(readFile(gameFile(0)), "game's own");
    EXPECT_EQ(fs::status(gameFile(0)).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(gameFile(3)));
    std::multiset<O> kinds;
    for (const FileOutcome& o : lastReport().files) kinds.insert(o.kind);
    EXPECT_EQ(kinds, (std::multiset<O>{O::Restored, O::Removed, O::Removed}));
    fs::remove_all(gameDir() / "DATA/POPUPS");  // and makes no folder of the game's
    EXPECT_TRUE(restore());
    EXPECT_EQ(lastReport().kind, K::NothingToRestore);
    EXPECT_FALSE(fs::exists(gameDir() / "DATA/POPUPS"));
}

// A file the player changed since the install is left as it is, and the copy kept before
// is named for them to put back by hand, while it holds what was kept.
TEST_F(Install, AChangedFileIsLeftAndItsKeptCopyNamed) {
    writeFile(gameFile(0), "game's own");
    install("FOX");
    writeFile(gameFile(0), "patched");
    for (const bool named : {true, false}) {
        EXPECT_FALSE(restore());
        EXPECT_EQ(lastReport().files.at(0).keptAt,
                  !named                   ? ""
                  : game_.starts_with('/') ? "KESTRO backup/DATA/ENVIRO/Misc16.fsh"
                                           : "\\KESTRO backup\\DATA\\ENVIRO\\Misc16.fsh");
        writeFile(keptFile(0), "GAME'S OWN");  // another program's bytes, of the same size
    }
}

// A file another program's exchange left under the program's temporary name (in any letter
// case) is kept apart and named, even by a run that is then refused, answered no, or finds
// its channel gone. With no records, any file under such a name may be the player's: one
// behind a link is not taken for the program's once the link is gone.
TEST_F(Install, WhatARefusedOrDeclinedRunSetsApartIsNamed) {
    writeFile(gameFile(0), "game's own");
    install("FOX");
    seen_.answer = false;
    writeFile(tmp_.path() / "popups/.Popups.Big.kestro-zzzz9999", "behind a link");
    std::error_code noLinks;
    for (const std::string run : {"ZDF", "restore", "NTV"}) {
        if (run == "NTV") {
            fs::remove_all(gameDir() / "DATA/POPUPS");
            fs::create_directory_symlink(tmp_.path() / "popups", gameDir() / "DATA/POPUPS",
                                         noLinks);
        }
        if (noLinks) GTEST_SKIP() << "no links here";
        writeFile(gameDir() / "DATA/ENVIRO/.MISC16.FSH.kestro-abcd1234-theirs", run);
        run == "restore" ? (void)restore() : (void)install(run);
        EXPECT_EQ(lastReport().refusal.code, run == "ZDF"   ? ErrorCode::SourceMissing
                                             : run == "NTV" ? ErrorCode::Link
                                                            : ErrorCode::Cancelled);
        ASSERT_EQ(lastReport().alsoSetApart.size(), 1u);
        const std::string shown = lastReport().alsoSetApart[0];
        EXPECT_EQ(readFile(keptFile(0).parent_path() / shown.substr(shown.find_last_of("/\\") + 1)),
                  run);
    }
    fs::remove(gameDir() / "KESTRO backup/state.txt");
    seen_.answer = true;
    EXPECT_FALSE(restore());
    EXPECT_EQ(lastReport().refusal.subject,
              game_.starts_with('/') ? "DATA/POPUPS" : "\\DATA\\POPUPS");
    fs::remove(gameDir() / "DATA/POPUPS");
    fs::rename(tmp_.path() / "popups", gameDir() / "DATA/POPUPS");
    {  // a disk that will not set it apart stops the run; it waits under a name kept from tidy-ups
        Injecting faults({{SystemCall::Rename, EIO}});
        EXPECT_FALSE(restore());
    }
    EXPECT_EQ(lastReport().refusal.code, ErrorCode::Other);
    EXPECT_EQ(readFile(gameDir() / "DATA/POPUPS/.Popups.Big.kestro-zzzz9999-theirs"),
              "behind a link");
    for (const std::string n : {"-10", "-9"})  // and all named, oldest first: "-10" after "-9"
        writeFile(keptFile(0).parent_path() / ("Misc16.fsh.set-aside" + n), n);
    EXPECT_TRUE(restore());
    EXPECT_EQ(readFile(keptFile(3).parent_path() / "popups.big.set-aside"), "behind a link");
    EXPECT_EQ(lastReport().alsoSetApart.size(), 1u);
    const std::vector<std::string>& apart = lastReport().keptApart;
    ASSERT_GE(apart.size(), 3u);  // popups.big's last
    EXPECT_TRUE(apart.end()[-3].ends_with("-9") && apart.end()[-2].ends_with("-10"));
}

// A key that names no channel changes nothing but the data folders, says nothing, and
// leaves the bar at its start.
TEST_F(Install, AnUnknownChannelOnlyMakesTheDataFolders) {
    EXPECT_FALSE(install("ZDF"));
    EXPECT_EQ(seen_.bar, std::vector<float>{0});
    EXPECT_TRUE(seen_.reports.empty());
    EXPECT_TRUE(fs::is_directory(gameDir() / "DATA/POPUPS"));
}

// A game folder given as a Linux path is reported with its files' real names.
TEST_F(Install, ALinuxFolderIsShownAsItIsOnDisk) {
    if (!game_.starts_with('/')) GTEST_SKIP() << "a Linux path";
    writeFile(gameDir() / "data/Enviro/MISC16.FSH", "game's own");
    ASSERT_TRUE(install("FOX"));
    EXPECT_EQ(seen_.files.at(0).shown, "data/Enviro/MISC16.FSH");
    EXPECT_EQ(snapshot(gameDir() / "data/Enviro").size(), 1u);  // replaced, not joined
    fs::remove_all(gameDir() / "data/Enviro");
    writeFile(gameDir() / "data/enviro", "not a folder");  // a file in place of a folder
    EXPECT_FALSE(install("FOX"));
    EXPECT_EQ(seen_.files.back().shown, "data/enviro/Misc16.fsh");  // named as listed
    fs::remove(gameDir() / "data/enviro");
    fs::remove(gameDir() / "data/POPUPS");  // and so is a link in the way
    std::error_code noLinks;
    fs::create_directory_symlink(tmp_.path(), gameDir() / "data/popups", noLinks);
    EXPECT_TRUE(noLinks || (!install("FOX") && lastReport().refusal.subject == "data/popups"));
    fs::remove(gameDir() / "data/popups");
    fs::remove_all(gameDir() / "KESTRO backup");
    fs::create_directory_symlink(tmp_.path(), gameDir() / "kestro BACKUP", noLinks);
    EXPECT_TRUE(noLinks || (!install("FOX") && lastReport().refusal.subject == "kestro BACKUP"));
}

// Where a game file belongs there is something that is no file, or the channel's own
// file is missing, empty or larger than any: that file is left as it was and named, the rest
// go in.
TEST_F(Install, WhatCannotBeReplacedIsNamed) {
    fs::create_directories(gameFile(1));
    fs::remove(programDir() / "protv/popups.abg");
    fs::create_directories(programDir() / "protv/popups.abg");
    writeFile(programDir() / "protv/misc16.fsh", "");
    fs::remove(programDir() / "canal+/misc16.fsh");
    fs::resize_file(programDir() / "fox/misc16.fsh", kMaxChannelFileSize + 1);
    EXPECT_FALSE(install("PROTV"));
    EXPECT_FALSE(install("CANAL+"));
    EXPECT_FALSE(install("FOX"));
    EXPECT_EQ(lastReport().kind, K::Incomplete);
    std::vector<ErrorCode> why;
    for (const FileOutcome& o : seen_.files) why.push_back(o.error.code);
    EXPECT_EQ(why, (std::vector<ErrorCode>{ErrorCode::SourceEmpty, ErrorCode::IsFolder,
                                           ErrorCode::SourceNotAFile, ErrorCode::SourceMissing,
                                           ErrorCode::SourceTooLarge}));
    EXPECT_FALSE(fs::exists(gameDir() / "KESTRO backup/DATA"));  // nothing was kept
    // A player's FOX whose one file is left out (here empty), or with no file at all: nothing
    // of it goes in, and the FOX that came with KESTRO does not stand in for it.
    writeFile(setsDir() / "FOX/Misc16.fsh", "");
    for (int run = 0; run < 2; ++run, fs::remove(setsDir() / "FOX/Misc16.fsh")) {
        EXPECT_FALSE(install("FOX"));
        EXPECT_EQ(lastReport().kind, K::Incomplete);
        EXPECT_FALSE(fs::exists(gameFile(0)));
        EXPECT_EQ(installedChannel(GameFolder::open(game_).value, catalogue()), nullptr);
    }
    // Nor is anything read through a link put in place of the set since its list was read.
    writeFile(setsDir() / "FOX/Misc16.fsh", "the player's FOX");
    const Catalogue listed = catalogue();
    const auto installListed = [&] {
        EXPECT_FALSE(kestro::install({"FOX", GameFolder::open(game_).value}, listed, seen_));
        return seen_.files.back().error.code;
    };
    fs::rename(setsDir() / "FOX", setsDir() / "fox");  // nor from a folder that is no set
    EXPECT_TRUE(!game_.starts_with('/') || installListed() == ErrorCode::SourceMissing);
    fs::rename(setsDir() / "fox", tmp_.path() / "moved");
    std::error_code noLinks;
    fs::create_directory_symlink(tmp_.path() / "moved", setsDir() / "FOX", noLinks);
    EXPECT_TRUE(noLinks || installListed() == ErrorCode::SourceNotAFile);
    fs::remove(setsDir() / "FOX"), writeFile(setsDir() / "FOX", "a file where the set was");
    EXPECT_EQ(installListed(), ErrorCode::SourceNotAFile);
}

struct BadFolderCase {
    const char* label;
    std::string text;  // "@" stands for the scratch folder
    ErrorCode reason;
};

class InstallIntoBadFolder : public Install, public ::testing::WithParamInterface<BadFolderCase> {};

TEST_P(InstallIntoBadFolder, CreatesNothingAndSaysWhy) {
    game_ = GetParam().text;
    if (auto at = game_.find('@'); at != std::string::npos) game_.replace(at, 1, utf8(tmp_.path()));
    writeFile(gameDir() / "KESTRO backup/kestro.lock", "");  // a store, by its lock
    writeFile(gameDir() / "KESTRO backup/DATA/ENVIRO/Misc16.fsh", "kept");
    fs::create_directories(gameDir() / "DATA/DATA/ENVIRO");  // the game's, and what an install
    fs::create_directories(gameDir() / "DATA/POPUPS");       // there once left
    writeFile(tmp_.path() / "moved/DATA/ENVIRO/Misc16.fsh", "kept");  // one with no lock left
    writeFile(tmp_.path() / "moved/state.txt", "# KESTRO 2001 store 2: the game's own\n");
    writeFile(tmp_.path() / "old/Kestro BACKUP/DATA/ENVIRO/Misc16.fsh", "kept");  // nor state
    std::error_code noLinks;  // and a name that hides it: where links can be made
    fs::create_directory_symlink(tmp_.path() / "old/Kestro BACKUP", tmp_.path() / "alias", noLinks);
    fs::create_directory_symlink(gameDir() / "DATA", tmp_.path() / "data alias", noLinks);
    if (noLinks && game_.ends_with("alias")) GTEST_SKIP() << "no links here";
    const auto before = snapshot(tmp_.path());
    EXPECT_FALSE(install("FOX"));
    EXPECT_FALSE(restore());                       // nor does a restore
    EXPECT_TRUE(snapshot(tmp_.path()) == before);  // a diff of the two would not fit in memory
    for (const Report& report : seen_.reports) {
        EXPECT_EQ(report.kind, K::Refused);
        EXPECT_EQ(report.refusal.code, GetParam().reason);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, InstallIntoBadFolder,
                         ::testing::ValuesIn(std::vector<BadFolderCase>{
                             {"empty", "", ErrorCode::PathEmpty}, {"relative", "VARNEX 2001", ErrorCode::PathRelative},
                             {"missing", "@/not installed", ErrorCode::FolderMissing}, {"a_file", "@/program/fox/misc16.fsh", ErrorCode::NotAFolder},
                             {"no_such_drive", "Q:\\VARNEX 2001", ErrorCode::DriveMissing},
                             {"the_store", "@/VARNEX 2001/KESTRO backup", ErrorCode::InStore}, {"in_the_store", "@/VARNEX 2001/KESTRO backup/DATA", ErrorCode::InStore},
                             {"a_store_by_its_state", "@/moved", ErrorCode::InStore}, {"a_store_by_its_name", "@/old/Kestro BACKUP/DATA", ErrorCode::InStore},
                             {"a_store_by_its_name_behind_a_link", "@/alias", ErrorCode::InStore}, {"the_games_data", "@/VARNEX 2001/Data/", ErrorCode::GameData}, {"the_games_data_behind_a_link", "@/data alias", ErrorCode::GameData}}),
                         [](const auto& info) { return std::string(info.param.label); });
// clang-format on

}  // namespace
}  // namespace kestro
