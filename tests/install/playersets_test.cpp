// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own channel sets, from the folder and archives in tests/install/archives
// (made by tools/make-test-archives.sh).
#include <gtest/gtest.h>

#include "install_fixture.h"
#include "originals.h"
#include "playersets.h"

namespace kestro {
namespace {

using namespace test;

const fs::path kArchives = fromUtf8(KESTRO_TEST_ARCHIVES);
constexpr auto npos = std::string::npos;

class PlayerSets : public Install {
  protected:
    SetResult add(const fs::path& source, const std::string& name) {
        return addChannelSet(utf8(setsDir()), utf8(source), name);
    }
    // What the sets folder holds, temporaries included; the lock file aside.
    std::vector<std::string> sets() const {
        std::vector<std::string> names;
        for (std::error_code ec; const auto& entry : fs::directory_iterator(setsDir(), ec))
            if (entry.path().filename() != ".lock") names.push_back(utf8(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }
};

struct AddCase {
    const char *source, *says;
    bool ok;
};

class Adding : public PlayerSets, public ::testing::WithParamInterface<AddCase> {};

// However a set comes, only its files land, found wherever they were and in whatever
// letter case; anything hostile is passed over or refused, and a refused add leaves
// nothing behind.
TEST_P(Adding, TakesTheSetsFilesOnly) {
    const SetResult added = add(kArchives / GetParam().source, "X");
    EXPECT_NE(added.message.find(GetParam().says), npos) << added.message;
    ASSERT_EQ(added.ok, GetParam().ok) << added.message;
    EXPECT_EQ(sets(), added.ok ? std::vector<std::string>{"X"} : std::vector<std::string>{});
    if (!added.ok) return;
    EXPECT_EQ(listTree(setsDir() / "X"),
              (std::vector<std::string>{"Misc16.fsh", "popups.big", "preview.jpg"}));
    EXPECT_EQ(readFile(setsDir() / "X/popups.big"), "big");
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Adding,
    ::testing::Values(
        AddCase{"Pack", "with Misc16.fsh, popups.big, preview.jpg.", true},
        AddCase{"set.zip", "was added", true}, AddCase{"set.7z", "was added", true},
        AddCase{"set.rar", "was added", true}, AddCase{"climb.zip", "passed over", false},
        AddCase{"link.zip", "passed over", false}, AddCase{"encrypted.zip", "passed over", false},
        AddCase{"oversized.7z", "larger than 64 MiB", false},
        AddCase{"twice.zip", "more than once", false}, AddCase{"damaged.zip", "damaged", false},
        AddCase{"none.zip", "none of the game's channel files", false},
        AddCase{"not-an-archive.zip", "not an archive", false},
        AddCase{"missing", "neither a folder nor an archive", false}),
    [](const auto& info) { return rowName(info.index, info.param.source); });

TEST(SetNames, AreFileNamesOnEveryPlatformInCapitals) {
    for (const char* good : {"CANAL+", "TVP SPORT 2", "ŁÓDŹ TV", "CON TV", "COM0"})
        EXPECT_EQ(setNameProblem(good), "") << good;
    for (const char* bad :
         {"", "fox", "A/B", "A\\B", "A:B", "CON", "NUL.TXT", "LPT9", ".X", "X.", " X", "\x01",
          "\xC5", "\xFF", "TV\xC3(", "COM1", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"})
        EXPECT_NE(setNameProblem(bad), "") << bad;
    EXPECT_EQ(defaultSetName("/home/p/Downloads/Polsat Sport.ZIP"), "POLSAT SPORT");
    EXPECT_EQ(defaultSetName("C:\\packs\\tv.v2\\"), "TV.V2");
}

// A set's name is its own; what an add cut short left is tidied, links in the sets
// folder are never followed, and only the player's sets can be removed.
TEST_F(PlayerSets, NamesAreUniqueAndOnlyThePlayersGo) {
    writeFile(setsDir() / ".adding-1" / "misc8.fsh", "8");
    fs::create_directory_symlink(kArchives / "Pack/DATA/POPUPS", setsDir() / "VIA LINK");
    {
        Injecting full({{SystemCall::Write, ENOSPC}});
        EXPECT_NE(add(kArchives / "Pack", "MY TV").message.find("the disk is full"), npos);
    }
    EXPECT_EQ(sets(), std::vector<std::string>{"VIA LINK"});  // nothing half-written
    ASSERT_TRUE(add(kArchives / "Pack", "MY TV").ok);
    EXPECT_NE(add(kArchives / "set.zip", "MY TV").message.find("already"), npos);
    EXPECT_EQ(sets(), (std::vector<std::string>{"MY TV", "VIA LINK"}));
    EXPECT_EQ(catalogue().sets().back().key, "MY TV");
    EXPECT_FALSE(removeChannelSet(utf8(setsDir()), "PROTV").ok);
    EXPECT_FALSE(removeChannelSet(utf8(setsDir()), "VIA LINK").ok);
    EXPECT_TRUE(removeChannelSet(utf8(setsDir()), "MY TV").ok);
    EXPECT_EQ(catalogue().sets().size(), 7u);
}

// The real pack's FOX takes the place of the placeholder for this player, with the
// placeholder's preview and message while it has none of its own.
TEST_F(PlayerSets, APlayersFoxStandsInForTheShippedOne) {
    writeFile(tmp_.path() / "fox-real/DATA/ENVIRO/Misc16.fsh", "real fox");
    EXPECT_NE(add(tmp_.path() / "fox-real", "FOX").message.find("takes the place"), npos);
    const Catalogue sets = catalogue();
    const ChannelSet* fox = sets.find("FOX");
    ASSERT_TRUE(fox && fox->playersOwn && sets.sets().size() == 7u);
    EXPECT_EQ(entryKind(fox->preview), EntryKind::File);
    install("FOX");
    EXPECT_EQ(readFile(gameFile(kGameFiles[0])), "real fox");
    EXPECT_EQ(view_.messages.back().text, findChannel("FOX")->completionMessage);
    EXPECT_EQ(installedChannel(view_.game, sets), fox);
    EXPECT_NE(removeChannelSet(utf8(setsDir()), "FOX").message.find("is back"), npos);
    EXPECT_FALSE(catalogue().find("FOX")->playersOwn);
}

}  // namespace
}  // namespace kestro
