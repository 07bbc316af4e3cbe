// SPDX-License-Identifier: GPL-3.0-or-later
// Homes with prefixes of each kind: what is found, in which form, and what is not entered.
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include "findgame.h"
#include "install_fixture.h"

namespace kestro {
namespace {

using namespace std::chrono_literals;

struct HomeCase {
    const char* name;
    // "folder/", "file", "file = contents", "link -> target", "folder!" (made unreadable);
    // "~" is the home in targets and contents.
    std::vector<std::string> tree;
    std::vector<std::string> found;  // "folder | place"; "~" is the home in the folder
    std::vector<std::string> skipped = {};
    const char* winePrefix = nullptr;  // below the home
    bool stopped = false;
    std::chrono::milliseconds maxTime = 2000ms;
};

class FindGame : public ::testing::TestWithParam<HomeCase> {
  public:
    // Making 60,000 folders takes many seconds on a disk, a fraction of one in memory.
    static void SetUpTestSuite() {
        if (fs::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 1);
    }
};

TEST_P(FindGame, FindsWhatIsThereAsTheGameSeesIt) {
    const HomeCase& c = GetParam();
    test::TempFolder tmp;
    const fs::path home = tmp.path();
    const auto expand = [&](std::string text) {
        for (size_t at; (at = text.find('~')) != std::string::npos;)
            text.replace(at, 1, home.string());
        return text;
    };
    for (const std::string& item : c.tree) {
        const size_t arrow = item.find(" -> "), equals = item.find(" = ");
        const fs::path path = home / item.substr(0, std::min(arrow, equals));
        fs::create_directories(path.parent_path());
        if (arrow != std::string::npos)
            fs::create_symlink(expand(item.substr(arrow + 4)), path);
        else if (item.ends_with('!'))
            fs::permissions(home / item.substr(0, item.size() - 1), fs::perms::none);
        else if (!item.ends_with('/'))
            test::writeFile(path,
                            equals == std::string::npos ? "" : expand(item.substr(equals + 3)));
    }
    if (c.stopped && c.maxTime > 0ms) {
        const fs::path many = home / ".wine/drive_c/Program Files";
        fs::create_directories(many);
        for (int i = 0; i < 60000; ++i) fs::create_directory(many / std::to_string(i));
    }

    GameSearch search{home, c.winePrefix ? std::optional(home / c.winePrefix) : std::nullopt};
    search.maxTime = c.maxTime;
    // Root reads any folder: it searches as nobody, so that a locked folder is locked.
    if (::geteuid() == 0) ::setfsuid(65534);
    const SearchReport report = findGame(search);
    if (::geteuid() == 0) ::setfsuid(0);

    std::vector<std::string> found, expected;
    for (const FoundGame& game : report.found) found.push_back(game.folder + " | " + game.place);
    for (const std::string& f : c.found)
        expected.push_back(expand(f.substr(0, f.find(" | "))) + f.substr(f.find(" | ")));
    EXPECT_EQ(found, expected);
    EXPECT_EQ(report.skipped, c.skipped);
    EXPECT_EQ(report.stoppedEarly, c.stopped);
    EXPECT_LE(report.folders, search.maxFolders);
}

const std::string kGame = "/DATA/ENVIRO/Misc16.fsh";

INSTANTIATE_TEST_SUITE_P(
    Homes, FindGame,
    ::testing::Values(
        HomeCase{"wine",
                 {".wine/drive_c/Program Files/VARNEX 2001/data/Enviro/MISC16.FSH",
                  ".wine/dosdevices/c: -> ../drive_c", ".wine/dosdevices/z: -> /"},
                 {"C:\\Program Files\\VARNEX 2001 | Wine prefix ~/.wine"}},
        HomeCase{"WINEPREFIX decides which prefix gives drive letters",
                 {"Games/varnex/drive_c/Games/VARNEX 2001/DATA/POPUPS/Popups.big",
                  "Games/varnex/dosdevices/d: -> ../drive_c", ".wine/drive_c/VARNEX" + kGame,
                  ".wine/dosdevices/c: -> ../drive_c"},
                 {"D:\\Games\\VARNEX 2001 | Wine prefix ~/Games/varnex",
                  "~/.wine/drive_c/VARNEX | Wine prefix ~/.wine"},
                 {},
                 "Games/varnex"},
        HomeCase{"every launcher and plain folders",
                 {"Games/varnex/drive_c/Games/VARNEX 2001/data/popups/POPUPS.ABG",
                  ".local/share/bottles/bottles/Sport/drive_c/GOG Games/V/DATA/ENVIRO/misc8.fsh",
                  ".var/app/com.usebottles.bottles/data/bottles/bottles/F/drive_c/V" + kGame,
                  ".PlayOnLinux/wineprefix/V/drive_c/Program Files (x86)/Pub/V/KESTRO backup/",
                  ".cxoffice/Games/drive_c/Program Files/VARNEX 2001" + kGame,
                  "games/VARNEX 2001" + kGame, "Games/Football/VARNEX 2001" + kGame},
                 {"~/Games/varnex/drive_c/Games/VARNEX 2001 | Lutris prefix ~/Games/varnex",
                  "~/.local/share/bottles/bottles/Sport/drive_c/GOG Games/V | Bottles bottle "
                  "~/.local/share/bottles/bottles/Sport",
                  "~/.var/app/com.usebottles.bottles/data/bottles/bottles/F/drive_c/V | Bottles "
                  "bottle ~/.var/app/com.usebottles.bottles/data/bottles/bottles/F",
                  "~/.PlayOnLinux/wineprefix/V/drive_c/Program Files (x86)/Pub/V | PlayOnLinux "
                  "prefix ~/.PlayOnLinux/wineprefix/V",
                  "~/.cxoffice/Games/drive_c/Program Files/VARNEX 2001 | CrossOver bottle "
                  "~/.cxoffice/Games",
                  "~/Games/Football/VARNEX 2001 | ~/Games", "~/games/VARNEX 2001 | ~/games"}},
        HomeCase{"Steam libraries, each once",
                 {".steam/steam -> ../.local/share/Steam",
                  ".local/share/Steam/steamapps/libraryfolders.vdf = \"libraryfolders\" { \"0\" { "
                  "\"path\" \"~/.local/share/Steam\" \"apps\" { \"99\" \"~/lib3\" } } \"1\" "
                  "{ \"path\" \"~/lib2\" } }",
                  ".local/share/Steam/steamapps/compatdata/1234/pfx/drive_c/Games/V" + kGame,
                  "lib2/steamapps/compatdata/99/pfx/drive_c/V" + kGame,
                  "lib3/steamapps/compatdata/98/pfx/drive_c/V" + kGame},
                 {"~/.local/share/Steam/steamapps/compatdata/1234/pfx/drive_c/Games/V | Steam "
                  "(compatdata 1234)",
                  "~/lib2/steamapps/compatdata/99/pfx/drive_c/V | Steam (compatdata 99)"}},
        HomeCase{"Steam's older or damaged library list",
                 {".local/share/Steam/steamapps/libraryfolders.vdf = \"LibraryFolders\" { "
                  "\"ContentStatsID\" \"1\" \"1\" \"~/lib2\" \"path\" \"lib3\" } \"path\" \"~/li",
                  "lib2/steamapps/compatdata/99/pfx/drive_c/V" + kGame,
                  "lib3/steamapps/compatdata/98/pfx/drive_c/V" + kGame},
                 {"~/lib2/steamapps/compatdata/99/pfx/drive_c/V | Steam (compatdata 99)"}},
        HomeCase{"links are not entered",
                 {"out/VARNEX 2001" + kGame, "out/prefix/drive_c/VARNEX 2001" + kGame,
                  ".wine/drive_c/Games/VARNEX 2001 -> ~/out/VARNEX 2001",
                  ".wine/drive_c/Games/V/DATA -> ~/out/VARNEX 2001/DATA",
                  ".wine/drive_c/Program Files -> ~/out", "Games/linked -> ~/out/prefix",
                  ".cxoffice/b/drive_c -> ~/out/prefix/drive_c"},
                 {}},
        HomeCase{"an unreadable prefix is named",
                 {"Games/locked/drive_c/", "Games/locked!", ".wine/drive_c/Games/V" + kGame},
                 {"~/.wine/drive_c/Games/V | Wine prefix ~/.wine"},
                 {"~/Games/locked: permission denied"}},
        HomeCase{"not the game",
                 {".wine/drive_c/Games/Other/DATA/ENVIRO/other.fsh",
                  ".wine/drive_c/Games/P/DATA/ENVIRO/popups.big",
                  ".wine/drive_c/Games/F/DATA/ENVIRO/Misc16.fsh/",
                  ".wine/drive_c/Games/A/B/VARNEX" + kGame, ".wine/drive_c/users/me/V" + kGame,
                  "Games/A/B/VARNEX" + kGame},
                 {}},
        HomeCase{"a bound of 50,000 folders",
                 {"Games/varnex/drive_c/VARNEX" + kGame},
                 {},
                 {},
                 nullptr,
                 true},
        HomeCase{"a bound in time", {".wine/drive_c/VARNEX" + kGame}, {}, {}, nullptr, true, 0ms}),
    [](const auto& info) { return test::rowName(info.index, info.param.name); });

}  // namespace
}  // namespace kestro
