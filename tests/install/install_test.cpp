// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "catalogue.h"
#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;

TEST_F(Install, APathTheBoxCannotHoldWholeIsRefused) {
    view_.boxLimit = view_.game.size() + 12;  // "\DATA\ENVIRO" fits, the file name does not
    install("FOX");
    EXPECT_FALSE(fs::exists(gameFile("\\DATA\\ENVIRO\\Misc16.fsh")));
    EXPECT_NE(onlyMessage().text.find("Misc16.fsh: the path is too long"), std::string::npos)
        << onlyMessage().text;
}

// A folder where a game file belongs is left alone and named, with nothing kept.
TEST_F(Install, AFolderInAGameFilesPlaceIsNamed) {
    fs::create_directories(gameFile("\\DATA\\ENVIRO\\Misc16.fsh"));
    install("FOX");
    EXPECT_NE(onlyMessage().text.find("Misc16.fsh: a folder of that name is in the way\n"),
              std::string::npos)
        << onlyMessage().text;
    EXPECT_TRUE(restore());  // nothing kept, so nothing to put back
}

struct BadFolderCase {
    const char* label;
    std::string text;  // "@" stands for the scratch folder
    const char* reason;
};

class InstallIntoBadFolder : public Install, public ::testing::WithParamInterface<BadFolderCase> {};

TEST_P(InstallIntoBadFolder, CreatesNothingAndSaysWhy) {
    std::string text = GetParam().text;
    if (auto at = text.find('@'); at != std::string::npos) text.replace(at, 1, utf8(tmp_.path()));
    view_.game = text;
    const auto before = listTree(tmp_.path());
    install("FOX");
    EXPECT_EQ(listTree(tmp_.path()), before);
    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Warning);
    EXPECT_NE(message.text.find(GetParam().reason), std::string::npos) << message.text;
    EXPECT_NE(message.text.find("No game file was replaced"), std::string::npos);
    EXPECT_EQ(view_.progress, std::vector<float>{0});
    EXPECT_FALSE(restore());  // nor does a restore
    EXPECT_EQ(listTree(tmp_.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Texts, InstallIntoBadFolder,
                         ::testing::ValuesIn(std::vector<BadFolderCase>{
                             {"empty", "", "no folder is set"},
                             {"relative", "VARNEX 2001", "not a full path"},
                             {"missing", "@/not installed", "was not found"},
                             {"a_file", "@/program/fox/misc16.fsh", "was not found"},
                             {"no_such_drive", "Q:\\VARNEX 2001", "drive is not available"}}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kestro
