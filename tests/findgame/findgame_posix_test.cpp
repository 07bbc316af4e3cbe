// SPDX-License-Identifier: GPL-3.0-or-later
// Homes with prefixes of each kind: what is found, in which form, and what is not entered.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <regex>

#include "findgame.h"
#include "scratch.h"

namespace kestro {
namespace {

using namespace std::chrono_literals;

struct HomeCase {
    const char* name;
    // "folder/", "file", "file = contents", "link -> target", "folder!" (made unreadable);
    // "~" is the home, here and below.
    std::vector<std::string> tree;
    std::vector<std::string> found = {};  // "folder | place"
    std::vector<std::string> skipped = {};
    std::vector<std::string> looked = {};  // unless empty
    const char* winePrefix = nullptr;      // below the home ("@": relative, from the home)
    const char* dataHome = nullptr;        // $XDG_DATA_HOME, below the home
    bool stopped = false;
    std::chrono::milliseconds maxTime = 2000ms;
};

// The report as the window words it in English.
std::string text(const Place& p) {
    static const std::string kKinds[] = {
        std::string(),         "Wine prefix ",      "Lutris prefix ",    "Bottles bottle ",
        "PlayOnLinux prefix ", "CrossOver bottle ", "Steam (compatdata "};
    return kKinds[static_cast<size_t>(p.kind)] + p.where +
           (p.kind == Place::Kind::Steam ? ")" : "");
}
std::string text(const Unread& u) {
    static const char* const kWhy[] = {
        "a link, not followed",
        "permission denied",
        "cannot be read",
        "not a plain file",
        "too large",
        "no such folder",
        "the game is here, but its path holds a name that cannot be stored; rename that folder",
        "not a folder"};
    return u.where + ": " + kWhy[static_cast<size_t>(u.why)];
}
std::vector<std::string> texts(const auto& items) {
    std::vector<std::string> all;
    for (const auto& item : items) all.push_back(text(item));
    return all;
}

class FindGame : public ::testing::TestWithParam<HomeCase> {};

TEST_P(FindGame, FindsWhatIsThereAsTheGameSeesIt) {
    const HomeCase& c = GetParam();
    // Making 60,000 folders takes many seconds on a disk, a fraction of one in memory.
    if (fs::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 1);
    test::TempFolder tmp;
    const fs::path home = tmp.path();
    const auto expand = [&](const std::string& text) {
        return std::regex_replace(text, std::regex("~"), home.string());
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
    if (c.stopped && c.maxTime > 0ms)  // past the bound of folders
        for (int i = 0; i < 60000; ++i)
            fs::create_directories(home / ".wine/drive_c/Program Files" / std::to_string(i));

    const auto below = [&](const char* name) {
        return !name ? std::nullopt
                     : std::optional(*name == '@' ? fs::path(name + 1) : home / name);
    };
    const fs::path cwd = fs::current_path();
    fs::current_path(home);
    GameSearch search{home, below(c.winePrefix), below(c.dataHome)};
    search.maxTime = c.maxTime;
    // Root reads any folder: it searches as nobody, so that a locked folder is locked.
    if (::geteuid() == 0) ::setfsuid(65534);
    const SearchReport report = findGame(search);
    if (::geteuid() == 0) ::setfsuid(0);
    fs::current_path(cwd);

    std::vector<std::string> found;  // the home as "~", as the places write it
    for (FoundGame game : report.found) {
        if (game.folder.starts_with(home.string()))
            game.folder.replace(0, home.string().size(), "~");
        found.push_back(game.folder + " | " + text(game.place));
    }
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(texts(report.skipped), c.skipped);
    EXPECT_TRUE(c.looked.empty() || texts(report.looked) == c.looked);
    EXPECT_EQ(report.stoppedEarly, c.stopped);
    EXPECT_LE(report.folders, search.maxFolders);
}

const std::string kGame = "/DATA/ENVIRO/Misc16.fsh";

std::string steamLibraries(int count) {  // the home, then the last two by their number
    std::string vdf;
    for (int i = 1; i <= count - 2; ++i) vdf += "\"path\" \"~\" ";
    for (int i = count - 1; i <= count; ++i) vdf += "\"path\" \"~/lib" + std::to_string(i) + "\" ";
    return vdf;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Homes, FindGame,
    ::testing::Values(
        HomeCase{.name = "WINEPREFIX decides which prefix gives drive letters",
                 .tree = {"x/", "Games/varnex/drive_c/Games/VARNEX 2001/DATA/POPUPS/Popups.big", "Games/varnex/dosdevices/a_ -> ../drive_c", "Games/varnex/drive_c/Games/x\\..\\Other" + kGame, "Games/varnex/drive_c/Games/a:b/V" + kGame, "Games/varnex/dosdevices/d: -> ../drive_c", "Games/varnex/dosdevices/C: -> ../drive_c", "Games/varnex/dosdevices/c: -> ~/.wine/drive_c", ".wine/drive_c/VARNEX" + kGame, ".wine/dosdevices/c: -> ../drive_c"},
                 .found = {"D:\\Games\\VARNEX 2001 | Wine prefix ~/Games/varnex", "~/Games/varnex/drive_c/Games/a:b/V | Wine prefix ~/Games/varnex", "~/.wine/drive_c/VARNEX | Wine prefix ~/.wine"},
                 .skipped = {"~/Games/varnex/drive_c/Games/x\\..\\Other: the game is here, but its path holds a name that cannot be stored; rename that folder"},
                 .looked = {"Wine prefix ~/Games/varnex", "Wine prefix ~/.wine", "~/Games"},
                 .winePrefix = "x/../Games/./varnex/"},
        HomeCase{"every launcher and plain folders, and what is not the game",
                 {"Games/varnex/drive_c/Games/VARNEX 2001/data/popups/POPUPS.ABG", ".local/share/bottles/bottles/B/drive_c/GOG Games/V/DATA/ENVIRO/misc8.fsh",
                  ".var/app/com.usebottles.bottles/data/bottles/bottles/F/drive_c/V" + kGame, ".PlayOnLinux/wineprefix/P/drive_c/Program Files (x86)/Pub/V/KESTRO backup/", ".PlayOnLinux/wineprefix/P/drive_c/Program Files (x86)/Pub/V/DATA/",
                  "Games/Football/kestro BACKUP" + kGame, "games/VARNEX \xff" + kGame, "Games/A\\B" + kGame, "Games/c\\d/drive_c/V" + kGame,
                  ".cxoffice/C/drive_c/Program Files/VARNEX 2001" + kGame, "games/VARNEX 2001" + kGame, "Games/Football/VARNEX 2001" + kGame, "Games/A/B/VARNEX" + kGame,
                  ".cxoffice/C/drive_c/users/me/V" + kGame, ".cxoffice/C/drive_c/Games/A/B/V" + kGame, ".cxoffice/C/drive_c/O/DATA/ENVIRO/o",
                  ".cxoffice/C/drive_c/P/DATA/ENVIRO/popups.big", ".cxoffice/C/drive_c/F/DATA/ENVIRO/Misc16.fsh/"},
                 {"~/Games/varnex/drive_c/Games/VARNEX 2001 | Lutris prefix ~/Games/varnex",
                  "~/.local/share/bottles/bottles/B/drive_c/GOG Games/V | Bottles bottle ~/.local/share/bottles/bottles/B",
                  "~/.var/app/com.usebottles.bottles/data/bottles/bottles/F/drive_c/V | Bottles bottle ~/.var/app/com.usebottles.bottles/data/bottles/bottles/F",
                  "~/.PlayOnLinux/wineprefix/P/drive_c/Program Files (x86)/Pub/V | PlayOnLinux prefix ~/.PlayOnLinux/wineprefix/P",
                  "~/.cxoffice/C/drive_c/Program Files/VARNEX 2001 | CrossOver bottle ~/.cxoffice/C", "~/Games/Football/VARNEX 2001 | ~/Games", "~/games/VARNEX 2001 | ~/games"},
                 {"~/Games/c\\d/drive_c/V: the game is here, but its path holds a name that cannot be stored; rename that folder", "~/Games/A\\B: the game is here, but its path holds a name that cannot be stored; rename that folder", "~/games/VARNEX \xff: the game is here, but its path holds a name that cannot be stored; rename that folder"}},
        HomeCase{"Steam libraries, each once, from lists old, new and damaged",
                 {".steam/steam -> ../.local/share/Steam",
                  ".local/share/Steam/steamapps/libraryfolders.vdf = \"libraryfolders\" { \"0\" { \"path\" \"~/.local/share/Steam\" \"apps\" { \"9\" \"~/lib3\" } } \"1\" { \"path\" \"~//./lib2/\" } \"2\" { \"path\" \"/root\" } \"3\" { \"path\" \"//root/\" } \"4\" { \"path\" \"~/lib5\" } \"5\" { \"path\" \"~/lib2/../lib4\" } \"6\" { \"path\" \"~/gone\" } }", "lib5/steamapps/", "lib5/steamapps!",
                  ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/libraryfolders.vdf = \"LibraryFolders\" { \"ContentStatsID\" \"1\" \"x\" { } \"1\" \"~/lib4\" \"path\" \"lib3\" } \"path\" \"~/li",
                  ".local/share/Steam/steamapps/compatdata/1234/pfx/drive_c/Games/V" + kGame, "lib2/steamapps/compatdata/99/pfx/drive_c/V" + kGame,
                  "lib3/steamapps/compatdata/98/pfx/drive_c/V" + kGame, "lib4/steamapps/compatdata/97/pfx/drive_c/V" + kGame, "lib4/steamapps/compatdata/96 -> ~/lib2"},
                 {"~/.local/share/Steam/steamapps/compatdata/1234/pfx/drive_c/Games/V | Steam (compatdata 1234)",
                  "~/lib2/steamapps/compatdata/99/pfx/drive_c/V | Steam (compatdata 99)", "~/lib4/steamapps/compatdata/97/pfx/drive_c/V | Steam (compatdata 97)"},
                 {"/root: permission denied", "~/lib5/steamapps: permission denied", "~/gone: no such folder", "~/lib4/steamapps/compatdata/96: a link, not followed"}},
        HomeCase{"64 Steam libraries are all searched",
                 {".steam/steam/steamapps/libraryfolders.vdf = " + steamLibraries(64), "lib64/steamapps/compatdata/64/pfx/drive_c/V" + kGame},
                 {"~/lib64/steamapps/compatdata/64/pfx/drive_c/V | Steam (compatdata 64)"}, {"~/lib63: no such folder"}},
        HomeCase{"past 64 Steam libraries, the first searched and the list named",
                 {".steam/steam/steamapps/libraryfolders.vdf = " + steamLibraries(65), "lib64/steamapps/compatdata/64/pfx/drive_c/V" + kGame, "lib65/steamapps/compatdata/65/pfx/drive_c/V" + kGame},
                 {"~/lib64/steamapps/compatdata/64/pfx/drive_c/V | Steam (compatdata 64)"}, {"~/.steam/steam/steamapps/libraryfolders.vdf: too large"}},
        HomeCase{"links and locked folders are not entered; a locked prefix or a missing WINEPREFIX is named",
                 {"out/VARNEX 2001" + kGame, "out/prefix/drive_c/VARNEX 2001" + kGame, ".wine/drive_c/Games/VARNEX 2001 -> ~/out/VARNEX 2001",
                  ".wine/drive_c/Games/V/DATA -> ~/out/VARNEX 2001/DATA", ".wine/drive_c/Program Files -> ~/out", "Games/linked -> ~/out/prefix",
                  ".cxoffice/b/drive_c -> ~/out/prefix/drive_c", "Games/locked/drive_c/", "Games/locked!", ".cxoffice/d/drive_c/", ".cxoffice/d/drive_c!",
                  ".wine/drive_c/Games/W" + kGame, ".wine/drive_c/GOG Games/", ".wine/drive_c/GOG Games!", ".wine/drive_c/Other/", ".wine/drive_c/Other!", ".steam/steam/steamapps/", ".steam/steam/steamapps!", ".local/share/Steam/steamapps/compatdata/", ".local/share/Steam/steamapps/compatdata!"},
                 {"~/.wine/drive_c/Games/W | Wine prefix ~/.wine"},
                 {"~/gone/../.wine: no such folder", "~/.wine/drive_c/GOG Games: permission denied", "~/Games/linked: a link, not followed", "~/Games/locked: permission denied", "~/.cxoffice/b/drive_c: a link, not followed", "~/.cxoffice/d/drive_c: permission denied", "~/.local/share/Steam/steamapps/compatdata: permission denied",
                  "~/.steam/steam/steamapps: permission denied"}, {}, "gone/../.wine"},
        HomeCase{.name = "a Steam library or WINEPREFIX at ~/Games leaves its plain search", .tree = {".steam/steam/steamapps/libraryfolders.vdf = \"path\" \"~/Games\"", "Games/Football/VARNEX 2001" + kGame},
                 .found = {"~/Games/Football/VARNEX 2001 | ~/Games"}, .winePrefix = "Games"},
        HomeCase{.name = "Bottles and Steam in $XDG_DATA_HOME, and Steam as a Flatpak or a snap", .tree = {"x/", "data/bottles/bottles/X/drive_c/V" + kGame, "data/Steam/steamapps/compatdata/7/pfx/drive_c/V" + kGame, "snap/steam/common/.local/share/Steam/steamapps/compatdata/8/pfx/drive_c/V" + kGame, ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/9/pfx/drive_c/V" + kGame},
                 .found = {"~/data/bottles/bottles/X/drive_c/V | Bottles bottle ~/data/bottles/bottles/X", "~/data/Steam/steamapps/compatdata/7/pfx/drive_c/V | Steam (compatdata 7)", "~/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/9/pfx/drive_c/V | Steam (compatdata 9)", "~/snap/steam/common/.local/share/Steam/steamapps/compatdata/8/pfx/drive_c/V | Steam (compatdata 8)"}, .dataHome = "x/../data"},
        HomeCase{.name = "a WINEPREFIX or a drive_c that is a file is named as one", .tree = {"pfx = a file", ".wine/drive_c = a file"},
                 .skipped = {"~/pfx: not a folder", "~/.wine/drive_c: not a folder"}, .winePrefix = "pfx"},
        HomeCase{.name = "a WINEPREFIX below a file is missing", .tree = {"pfx = a file"}, .skipped = {"~/pfx/sub: no such folder"}, .winePrefix = "pfx/sub"},
        HomeCase{.name = "a relative WINEPREFIX gives no drive letters", .tree = {"pfx/drive_c/V" + kGame, "pfx/dosdevices/c: -> ../drive_c"},
                 .found = {"~/pfx/drive_c/V | Wine prefix ~/pfx"}, .winePrefix = "@pfx"},
        HomeCase{.name = "a WINEPREFIX with no drive for its drive_c gives no drive letters", .tree = {"pfx/drive_c/V" + kGame, "pfx/dosdevices/d: -> ../elsewhere"},
                 .found = {"~/pfx/drive_c/V | Wine prefix ~/pfx"}, .winePrefix = "pfx"},
        HomeCase{.name = "a bound of 50,000 folders", .tree = {"Games/varnex/drive_c/VARNEX" + kGame}, .stopped = true},
        HomeCase{.name = "a bound in time", .tree = {".wine/drive_c/VARNEX" + kGame}, .stopped = true, .maxTime = 0ms}),
    [](const auto& info) { return test::rowName(info.index, info.param.name); });
// clang-format on

// The player's own search: their home, else the account's; $WINEPREFIX when set; a data folder
// only as an absolute path, as the XDG rules have it.
TEST(FindGame, SearchesThePlayersOwnPlaces) {
    for (const char* name : {"HOME", "WINEPREFIX", "XDG_DATA_HOME"}) ::unsetenv(name);
    GameSearch search = searchForThisUser();
    EXPECT_EQ(search.home, fs::path(::getpwuid(::getuid())->pw_dir));
    EXPECT_FALSE(search.winePrefix || search.dataHome);
    ::setenv("HOME", "/home/ana", 1), ::setenv("WINEPREFIX", "pfx", 1);
    for (const char* data : {"relative", "/data"}) {
        ::setenv("XDG_DATA_HOME", data, 1);
        search = searchForThisUser();
        EXPECT_TRUE(search.home == "/home/ana" && search.winePrefix == "pfx");
        EXPECT_EQ(search.dataHome, *data == '/' ? std::optional<fs::path>(data) : std::nullopt);
    }
}

}  // namespace
}  // namespace kestro
