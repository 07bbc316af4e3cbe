// SPDX-License-Identifier: GPL-3.0-or-later
// Path texts and names, as the game and its players write them.
#include <gtest/gtest.h>

#include "names.h"
#include "paths.h"
#include "scratch.h"

namespace kestro {
namespace {

using ParseCase = std::tuple<std::string_view, char, std::vector<std::string>, ErrorCode>;
class ParseWinPath : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseWinPath, SplitsOrRefuses) {
    const auto& [text, drive, components, problem] = GetParam();
    const Result<WinPath> parsed = parseWinPath(text);
    EXPECT_EQ(parsed.error.code, problem);
    EXPECT_EQ(parsed.value.drive, drive);
    EXPECT_EQ(parsed.value.components, components);
}

using E = ErrorCode;
INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWinPath,
    ::testing::Values(
        ParseCase{"D:\\VARNEX 2001\\DATA", 'd', {"VARNEX 2001", "DATA"}, E::None},
        ParseCase{"C:\\\\DATA\\\\ENVIRO", 'c', {"DATA", "ENVIRO"}, E::None},  // root + "\DATA"
        ParseCase{"/home/player\\VARNEX\\DATA", 0, {"home", "player", "VARNEX", "DATA"}, E::None},
        ParseCase{"C:\\a\\.\\b\\..\\..\\..\\c", 'c', {"c"}, E::None},
        ParseCase{"", 0, {}, E::PathEmpty}, ParseCase{"DATA\\ENVIRO", 0, {}, E::PathRelative},
        ParseCase{"C:", 'c', {}, E::None}, ParseCase{"C:DATA", 0, {}, E::PathRelative},
        ParseCase{"1:\\x", 0, {}, E::PathRelative}, ParseCase{"a:\\x", 'a', {"x"}, E::None},
        ParseCase{"Z:\\x", 'z', {"x"}, E::None}, ParseCase{"A:\\x", 'a', {"x"}, E::None},
        ParseCase{"z:\\x", 'z', {"x"}, E::None},
        ParseCase{{"C:\\a\0\\b", 7}, 0, {}, E::PathInvalid}),  // a name the system would cut
    [](const auto& info) { return test::rowName(info.index, std::get<0>(info.param)); });

using NameCase = std::tuple<const char*, const char*, bool>;
class SameName : public ::testing::TestWithParam<NameCase> {};

// As Windows compares names: each character upper-cased on its own.
TEST_P(SameName, IgnoresLetterCaseOnly) {
    const auto& [a, b, same] = GetParam();
    EXPECT_EQ(sameNameIgnoringCase(a, b), same);
    EXPECT_EQ(sameNameIgnoringCase(b, a), same);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SameName,
    ::testing::Values(NameCase{"Misc16.fsh", "MISC16.FSH", true}, NameCase{"ÉXITO", "éxito", true},
                      NameCase{"ŁÓDŹ", "łódź", true}, NameCase{"ΑΒΓΣΩ", "αβγσω", true},
                      NameCase{"Ά", "ά", true}, NameCase{"Ґ", "ґ", true}, NameCase{"Ș", "ș", true},
                      NameCase{"Ấ", "ấ", true}, NameCase{"Ａ", "ａ", true},
                      NameCase{"ЀЁЂЏ", "ѐёђџ", true}, NameCase{"МАТЧ", "матч", true},
                      NameCase{"misc16.fsh", "misc16.fs", false}, NameCase{"e", "é", false},
                      NameCase{"a\xC3", "a\xC3", true}, NameCase{"a\xC3", "a\xE3", false},
                      NameCase{"\x81\x81", "a", false}, NameCase{"a\x81", "a\x01", false},
                      NameCase{"", "", true}),
    [](const auto& info) { return test::rowName(info.index, std::get<0>(info.param)); });

}  // namespace
}  // namespace kestro
