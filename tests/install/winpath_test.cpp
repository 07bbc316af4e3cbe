#include <gtest/gtest.h>

#include <cstdlib>

#include "fileops.h"
#include "temp_folder.h"
#include "winpath.h"

namespace kestro {
namespace {

using test::TempFolder;
using test::writeFile;

struct ParseCase {
    const char* text;
    char drive;
    std::vector<std::string> components;
    PathProblem problem;
};

class ParseWinPath : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseWinPath, SplitsOrRefuses) {
    const ParseCase& c = GetParam();
    PathProblem problem;
    const auto parsed = parseWinPath(c.text, &problem);
    EXPECT_EQ(problem, c.problem);
    if (c.problem != PathProblem::None) {
        EXPECT_FALSE(parsed);
        return;
    }
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->drive, c.drive);
    EXPECT_EQ(parsed->components, c.components);
}

using P = PathProblem;
INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWinPath,
    ::testing::Values(
        ParseCase{"D:\\VARNEX 2001\\DATA", 'd', {"VARNEX 2001", "DATA"}, P::None},
        ParseCase{"c:\\", 'c', {}, P::None}, ParseCase{"C:", 'c', {}, P::None},
        ParseCase{"C:\\\\DATA\\\\ENVIRO", 'c', {"DATA", "ENVIRO"}, P::None},  // root + "\DATA"
        ParseCase{"/home/player\\VARNEX\\DATA", 0, {"home", "player", "VARNEX", "DATA"}, P::None},
        ParseCase{"\\DATA\\ENVIRO", 0, {"DATA", "ENVIRO"}, P::None},
        ParseCase{"C:\\a\\.\\b\\..\\..\\..\\c", 'c', {"c"}, P::None},
        ParseCase{"C:\\Juegos\\Fútbol", 'c', {"Juegos", "Fútbol"}, P::None},
        ParseCase{"", 0, {}, P::Empty}, ParseCase{"DATA\\ENVIRO", 0, {}, P::Relative},
        ParseCase{"Destino", 0, {}, P::Relative}, ParseCase{"C:DATA", 0, {}, P::Relative},
        ParseCase{"1:\\x", 0, {}, P::Relative}));

TEST(ParseWinPath, RefusesEmbeddedNul) {
    PathProblem problem;
    EXPECT_FALSE(parseWinPath(std::string_view("C:\\a\0b", 6), &problem));
    EXPECT_EQ(problem, PathProblem::Invalid);
}

struct NameCase {
    const char* a;
    const char* b;
    bool same;
};

class SameName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SameName, IgnoresLetterCaseOnly) {
    EXPECT_EQ(sameNameIgnoringCase(GetParam().a, GetParam().b), GetParam().same);
    EXPECT_EQ(sameNameIgnoringCase(GetParam().b, GetParam().a), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SameName,
    ::testing::Values(NameCase{"Misc16.fsh", "MISC16.FSH", true},
                      NameCase{"misc16.fsh", "misc16.fsh", true}, NameCase{"ÉXITO", "éxito", true},
                      NameCase{"ŁÓDŹ", "łódź", true}, NameCase{"МАТЧ", "матч", true},
                      NameCase{"misc16.fsh", "misc16.fs", false},
                      NameCase{"misc8.fsh", "misc16.fsh", false}, NameCase{"e", "é", false},
                      NameCase{"a\xC3", "a\xC3", true}, NameCase{"a\xC3", "a\xE3", false},
                      NameCase{"", "", true}));

// Resolution against a real tree, with a Wine prefix of our own.
class Resolve : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(wine_.driveC() / "Games"); }
    fs::path game() const { return root_.path() / "game"; }

    TempFolder root_;
    test::WinePrefix wine_;
};

TEST_F(Resolve, MatchesExistingNamesWithoutRegardToCase) {
    writeFile(game() / "data/enviro/MISC16.FSH", "old");
    const Resolved r = resolvePath(game().string() + "\\DATA\\ENVIRO\\Misc16.fsh");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.path, game() / "data/enviro/MISC16.FSH");
}

TEST_F(Resolve, PrefersTheExactNameAndKeepsNewNamesAsWritten) {
    writeFile(game() / "DATA/a.txt", "");
    fs::create_directories(game() / "data");
    EXPECT_EQ(resolvePath(game().string() + "\\DATA\\New\\File.TXT").path,
              game() / "DATA/New/File.TXT");
}

TEST_F(Resolve, DriveLettersGoThroughTheWinePrefix) {
    const Resolved r = resolvePath("C:\\GAMES\\VARNEX 2001\\DATA");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(fs::weakly_canonical(r.path),
              fs::weakly_canonical(wine_.driveC() / "Games/VARNEX 2001/DATA"));
}

TEST_F(Resolve, MissingOrUnreadyDrivesDoNotResolve) {
    EXPECT_EQ(resolvePath("D:\\VARNEX 2001").error, FileError::DriveMissing);
    EXPECT_EQ(resolvePath("e:\\").error, FileError::DriveMissing);
}

TEST_F(Resolve, EmptyAndRelativeTextsNeverResolve) {
    EXPECT_EQ(resolvePath("").error, FileError::PathEmpty);
    EXPECT_EQ(resolvePath("Destino").error, FileError::PathRelative);
    EXPECT_EQ(resolvePath("DATA\\ENVIRO\\Misc16.fsh").error, FileError::PathRelative);
}

TEST_F(Resolve, ResolvingAResultAgainGivesTheSamePath) {
    writeFile(game() / "Data/Enviro/misc8.fsh", "x");
    const Resolved once = resolvePath(game().string() + "\\\\DATA\\\\enviro\\MISC8.FSH");
    ASSERT_TRUE(once.ok());
    EXPECT_EQ(resolvePath(once.path.string()).path, once.path);
    EXPECT_EQ(once.path.string().find('\\'), std::string::npos);
}

}  // namespace
}  // namespace kestro
