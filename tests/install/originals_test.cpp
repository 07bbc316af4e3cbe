#include <gtest/gtest.h>

#include "install_fixture.h"
#include "originals.h"

namespace kestro {
namespace {

using namespace test;

// A game folder that holds the game's own channel graphics, as shipped.
class Originals : public Install {
  protected:
    void SetUp() override {
        Install::SetUp();
        writeFile(gameFile("\\DATA\\ENVIRO\\Misc16.fsh"), "game's own Misc16");
        writeFile(gameFile("\\DATA\\ENVIRO\\misc8.fsh"), "game's own misc8");
    }
    fs::path kept(std::string_view relative) const {
        return gameDir() / "KESTRO backup" / gameFile(relative).lexically_relative(gameDir());
    }
    std::string installed() const {
        const Channel* c = installedChannel(view_.game, view_.program);
        return c ? std::string(c->key) : "none";
    }
    void restore() { kestro::restore(view_); }
};

TEST_F(Originals, TheFirstInstallKeepsTheGamesFilesAndNotesWhatItCreates) {
    install("PROTV");
    EXPECT_EQ(readFile(kept("\\DATA\\ENVIRO\\Misc16.fsh")), "game's own Misc16");
    EXPECT_EQ(readFile(kept("\\DATA\\ENVIRO\\misc8.fsh")), "game's own misc8");
    EXPECT_FALSE(fs::exists(kept("\\DATA\\POPUPS\\popups.abg")));
    EXPECT_NE(
        readFile(gameDir() / "KESTRO backup/created.txt").find("\\DATA\\POPUPS\\popups.abg\r\n"),
        std::string::npos);
    EXPECT_EQ(onlyMessage().kind, Message::Kind::Plain);
}

TEST_F(Originals, LaterInstallsNeverOverwriteTheKeptOriginal) {
    install("PROTV");
    install("NTV");
    install("FOX");
    EXPECT_EQ(readFile(kept("\\DATA\\ENVIRO\\Misc16.fsh")), "game's own Misc16");
    EXPECT_EQ(readFile(kept("\\DATA\\ENVIRO\\misc8.fsh")), "game's own misc8");
}

TEST_F(Originals, AChannelsFileIsNotTakenForTheGamesOwn) {
    // (Not fs::copy_file: MinGW's cannot overwrite.)
    writeFile(gameFile("\\DATA\\ENVIRO\\Misc16.fsh"), readFile(programDir() / "fox/misc16.fsh"));
    install("WIZJA");
    EXPECT_FALSE(fs::exists(kept("\\DATA\\ENVIRO\\Misc16.fsh")));
    EXPECT_TRUE(fs::exists(kept("\\DATA\\ENVIRO\\misc8.fsh")));
}

TEST_F(Originals, WhenTheOriginalCannotBeKeptTheFileIsLeftAlone) {
    writeFile(gameDir() / "KESTRO backup", "a file where the backup folder would go");
    install("CANAL+");
    EXPECT_EQ(readFile(gameFile("\\DATA\\ENVIRO\\Misc16.fsh")), "game's own Misc16");
    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Warning);
    EXPECT_NE(message.text.find("\\DATA\\ENVIRO\\Misc16.fsh: its original could not be kept"),
              std::string::npos)
        << message.text;
}

TEST_F(Originals, RestoreBringsBackTheOriginalsAndRemovesWhatInstallsAdded) {
    install("TELEON");
    install("PROTV");
    view_.messages.clear();
    restore();
    ASSERT_EQ(view_.questions.size(), 1u);
    EXPECT_EQ(readFile(gameFile("\\DATA\\ENVIRO\\Misc16.fsh")), "game's own Misc16");
    EXPECT_EQ(readFile(gameFile("\\DATA\\ENVIRO\\misc8.fsh")), "game's own misc8");
    EXPECT_FALSE(fs::exists(gameFile("\\DATA\\POPUPS\\popups.big")));
    EXPECT_FALSE(fs::exists(gameFile("\\DATA\\POPUPS\\popups.abg")));
    EXPECT_FALSE(fs::exists(gameDir() / "KESTRO backup"));
    const Message& report = onlyMessage();
    EXPECT_EQ(report.kind, Message::Kind::Plain);
    EXPECT_EQ(report.text,
              "The game's original files are back.\n\nRestored:\n  \\DATA\\ENVIRO\\Misc16.fsh\n"
              "  \\DATA\\ENVIRO\\misc8.fsh\n\nRemoved (added by channel installs):\n"
              "  \\DATA\\POPUPS\\popups.big\n  \\DATA\\POPUPS\\popups.abg");
}

TEST_F(Originals, AFailedRestoreKeepsTheBackupAndSaysSo) {
    install("NTV");
    fs::remove(gameFile("\\DATA\\ENVIRO\\misc8.fsh"));
    fs::create_directories(gameFile("\\DATA\\ENVIRO\\misc8.fsh") / "in the way");
    view_.messages.clear();
    restore();
    EXPECT_EQ(readFile(gameFile("\\DATA\\ENVIRO\\Misc16.fsh")), "game's own Misc16");
    EXPECT_EQ(readFile(kept("\\DATA\\ENVIRO\\misc8.fsh")), "game's own misc8");
    EXPECT_FALSE(fs::exists(kept("\\DATA\\ENVIRO\\Misc16.fsh")));
    const Message& report = onlyMessage();
    EXPECT_EQ(report.kind, Message::Kind::Warning);
    EXPECT_NE(
        report.text.find(
            "Not restored:\n  \\DATA\\ENVIRO\\misc8.fsh: a folder of that name is in the way"),
        std::string::npos)
        << report.text;

    fs::remove_all(gameFile("\\DATA\\ENVIRO\\misc8.fsh"));
    view_.messages.clear();
    restore();  // once the way is clear, the kept original goes back
    EXPECT_EQ(readFile(gameFile("\\DATA\\ENVIRO\\misc8.fsh")), "game's own misc8");
    EXPECT_EQ(onlyMessage().kind, Message::Kind::Plain);
}

TEST_F(Originals, NothingKeptMeansNothingToRestoreAndNoQuestion) {
    restore();
    EXPECT_TRUE(view_.questions.empty());
    EXPECT_NE(onlyMessage().text.find("There is nothing to restore"), std::string::npos);
}

TEST_F(Originals, AnsweringNoChangesNothing) {
    install("FOX");
    view_.answerYes = false;
    view_.messages.clear();
    restore();
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(readFile(gameFile("\\DATA\\ENVIRO\\Misc16.fsh")),
              readFile(programDir() / "fox/misc16.fsh"));
}

TEST_F(Originals, TheInstalledChannelIsTheOneWhoseFilesAreThere) {
    EXPECT_EQ(installed(), "none");
    install("PROTV");
    EXPECT_EQ(installed(), "PROTV");
    install("FOX");  // replaces only Misc16: PROTV no longer complete
    EXPECT_EQ(installed(), "FOX");
    install("TELEON");
    EXPECT_EQ(installed(), "TELEON");
    restore();
    EXPECT_EQ(installed(), "none");
}

}  // namespace
}  // namespace kestro
