// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the game where an uninstall entry says it is, and at the top of C:\Games. The
// entries go into the registry through reg.exe, as an installer's would; only under Wine,
// whose prefix (registry and drive C:) belongs to the test run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <regex>

#include "findgame.h"
#include "scratch.h"

namespace kestro {
namespace {

struct EntryCase {
    const char* name;
    const char* key;  // where the entry goes: "HKCU", "HKLM", "HKLM /reg:32" (32-bit view)
    const char* displayName;
    const char* location;            // "~" is a game folder only the entry leads to
    std::vector<std::string> found;  // "folder | place"
};

const std::string kOnDrive = "C:\\Games\\VARNEX 2001 (KESTRO test)";

class UninstallEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(UninstallEntry, LeadsToTheGameFolder) {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "writes to the registry and drive C: only in a Wine prefix of its own";
    const EntryCase& c = GetParam();
    test::TempFolder tmp;
    const std::string game = test::utf8(tmp.path() / "VARNEX");
    test::writeFile(tmp.path() / "VARNEX/DATA/POPUPS/popups.big", "");
    test::writeFile(test::fromUtf8(kOnDrive + "\\data\\enviro\\MISC16.FSH"), "");
    std::string key = c.key;
    key.insert(4, /* after "HKCU" or "HKLM" */
               "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KESTRO test\"");
    key = '"' + key + " /f";
    // One command each: Wine's cmd now and then fails to parse two joined by "&&".
    for (const std::string& value :
         {" /v DisplayName /d \"" + std::string(c.displayName) + "\"",
          " /v InstallLocation /d \"" + std::regex_replace(c.location, std::regex("~"), game) +
              "\""})
        ASSERT_EQ(std::system(("reg add " + key + value).c_str()), 0) << value;

    const SearchReport report = findGame(searchForThisUser());
    std::system(("reg delete " + key).c_str());
    fs::remove_all(test::fromUtf8(kOnDrive));
    std::vector<std::string> found;
    for (const FoundGame& g : report.found)
        found.push_back((g.folder == game ? "~" : g.folder) + " | " +
                        (g.place.kind == Place::Kind::Drive      ? "drive " + g.place.where
                         : g.place.kind == Place::Kind::Registry ? "registry"
                                                                 : "?"));
    EXPECT_EQ(found, c.found);
    EXPECT_FALSE(report.stoppedEarly);
}

const std::string kDriveHit = kOnDrive + " | drive C:";
const EntryCase kEntries[] = {
    {"user", "HKCU", "VARNEX 2001", "~", {"~ | registry", kDriveHit}},
    {"untidy 32-bit", "HKLM /reg:32", "Varnex 2001 (v1.0b)", " ~\\\\", {"~ | registry", kDriveHit}},
    {"on the drive", "HKCU", "VARNEX 2001", kOnDrive.c_str(), {kOnDrive + " | registry"}},
    {"another game", "HKLM", "VARNEX 2002", "~", {kDriveHit}},
    {"not a game folder", "HKCU", "VARNEX 2001", "C:\\Games", {kDriveHit}},
    {"relative", "HKCU", "VARNEX 2001", "Games\\VARNEX", {kDriveHit}}};
INSTANTIATE_TEST_SUITE_P(Entries, UninstallEntry, ::testing::ValuesIn(kEntries),
                         [](const auto& i) { return test::rowName(i.index, i.param.name); });

}  // namespace
}  // namespace kestro
