// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "install_fixture.h"
#include "winpath.h"

namespace kestro {
namespace {

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
    EXPECT_EQ(parsed.has_value(), c.problem == PathProblem::None);
    EXPECT_EQ(parsed.value_or(WinPath{}).drive, c.drive);
    EXPECT_EQ(parsed.value_or(WinPath{}).components, c.components);
}

using P = PathProblem;
INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWinPath,
    ::testing::Values(
        ParseCase{"D:\\VARNEX 2001\\DATA", 'd', {"VARNEX 2001", "DATA"}, P::None},
        ParseCase{"C:\\\\DATA\\\\ENVIRO", 'c', {"DATA", "ENVIRO"}, P::None},  // root + "\DATA"
        ParseCase{"/home/player\\VARNEX\\DATA", 0, {"home", "player", "VARNEX", "DATA"}, P::None},
        ParseCase{"C:\\a\\.\\b\\..\\..\\..\\c", 'c', {"c"}, P::None},
        ParseCase{"", 0, {}, P::Empty}, ParseCase{"DATA\\ENVIRO", 0, {}, P::Relative},
        ParseCase{"C:", 'c', {}, P::None}, ParseCase{"C:DATA", 0, {}, P::Relative},
        ParseCase{"1:\\x", 0, {}, P::Relative}, ParseCase{"a:\\x", 'a', {"x"}, P::None}),
    [](const auto& info) { return test::rowName(info.index, info.param.text); });

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
                      NameCase{"ŁÓDŹ", "łódź", true}, NameCase{"ĄĆĘŃŚŻ", "ąćęńśż", true},
                      NameCase{"ΑΒΓΣΩ", "αβγσω", true}, NameCase{"ЀЁЂЏ", "ѐёђџ", true},
                      NameCase{"Ĳ", "ĳ", true}, NameCase{"ı", "i", false},
                      NameCase{"МАТЧ", "матч", true}, NameCase{"misc16.fsh", "misc16.fs", false},
                      NameCase{"misc8.fsh", "misc16.fsh", false}, NameCase{"e", "é", false},
                      NameCase{"a\xC3", "a\xC3", true}, NameCase{"a\xC3", "a\xE3", false},
                      NameCase{"ŁÓDŹ", "ŃÓDŹ", false}, NameCase{"\x81\x81", "a", false},
                      NameCase{"a\x81", "a\x01", false}, NameCase{"", "", true}),
    [](const auto& info) { return test::rowName(info.index, info.param.a); });

}  // namespace
}  // namespace kestro
