// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: the game inside the Wine prefixes of Wine itself, Lutris, Bottles, PlayOnLinux,
// CrossOver and Steam's Proton, and in plain folders of games.
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "files.h"
#include "names.h"
#include "paths.h"
#include "searcher.h"

namespace kestro {
namespace findgame {

namespace fs = std::filesystem;

namespace {

OpenFailure failureOf(int code) {
    switch (code) {
        case ENOENT:
            return OpenFailure::Missing;
        case ENOTDIR:
            return OpenFailure::NotAFolder;
        case ELOOP:
            return OpenFailure::Link;
        case EACCES:
        case EPERM:
            return OpenFailure::Denied;
        default:
            return OpenFailure::Other;
    }
}

FolderId idOf(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

// Lists the folder open as `fd`; when it is -1, `error` says why it did not open.
Folder listed(int fd, int error, fs::path path, OpenFailure& failure) {
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        failure = failureOf(fd >= 0 ? errno : error);
        if (fd >= 0) ::close(fd);
        return {};
    }
    Folder folder{
        true, std::move(path), {}, {dir, [](void* d) { ::closedir(static_cast<DIR*>(d)); }}};
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") continue;
        bool isFolder = e->d_type == DT_DIR, isLink = e->d_type == DT_LNK;
        struct stat st;
        if (e->d_type == DT_UNKNOWN &&  // some file systems do not say: asked, links not followed
            ::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            isFolder = S_ISDIR(st.st_mode);
            isLink = S_ISLNK(st.st_mode);
        }
        folder.entries.push_back({std::string(name), isFolder, isLink});
    }
    sortByName(folder.entries);
    return folder;
}

}  // namespace

Folder openPlace(const fs::path& path, OpenFailure& failure) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    int error = errno;
    struct stat st;  // a file on the way, not the place itself, leaves the place missing
    if (fd < 0 && error == ENOTDIR && (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)))
        error = ENOENT;
    return listed(fd, error, path, failure);
}

Folder openChild(const Folder& parent, const std::string& name, OpenFailure& failure) {
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const int at = ::dirfd(static_cast<DIR*>(parent.handle.get()));
    const int fd = ::openat(at, name.c_str(), flags);
    int error = errno;
    struct stat st;  // a link there fails as "not a folder" when it leads to one: it is a link
    if (fd < 0 && error == ENOTDIR && ::fstatat(at, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(st.st_mode))
        error = ELOOP;
    return listed(fd, error, parent.path / name, failure);
}

std::optional<FolderId> folderId(const Folder& folder) {
    struct stat st;
    if (!folder || ::fstat(::dirfd(static_cast<DIR*>(folder.handle.get())), &st) != 0)
        return std::nullopt;
    return idOf(st);
}

namespace {

// At the top of drive C: these are searched deeper, for C:\Program Files\Publisher\Game.
constexpr const char* kInstallRoots[] = {"Program Files", "Program Files (x86)", "Games",
                                         "GOG Games"};
constexpr int kInstallDepth = 2;
constexpr int kPlainDepth = 2;                      // ~/Games/Football/VARNEX 2001
constexpr std::size_t kLibraryListLimit = 1 << 20;  // a real one is a few KiB
constexpr std::size_t kMostLibraries = 64;

std::optional<FolderId> idAt(const fs::path& path) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    return idOf(st);
}

// The library folders a Steam libraryfolders.vdf names: each "path" value, and the
// numbered values older versions wrote at the top level. What does not parse is passed
// over, and only absolute paths count; past the first 64, `cut` says there were more.
std::vector<fs::path> steamLibraries(std::string_view text, bool& cut) {
    std::vector<fs::path> libraries;
    std::string key;
    bool haveKey = false;
    int depth = 0;
    for (size_t i = 0; i < text.size() && libraries.size() <= kMostLibraries; ++i) {
        if (text[i] == '{' || text[i] == '}') {
            depth += text[i] == '{' ? 1 : -1;
            haveKey = false;
        }
        if (text[i] != '"') continue;
        std::string token;
        for (++i; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) ++i;
            token += text[i];
        }
        if (i >= text.size()) break;  // cut off inside a string
        if (!haveKey) {
            key = std::move(token);
            haveKey = true;
            continue;
        }
        haveKey = false;
        const bool numbered =
            depth == 1 && !key.empty() &&
            std::all_of(key.begin(), key.end(), [](unsigned char c) { return std::isdigit(c); });
        if ((numbered || sameNameIgnoringCase(key, "path")) && token.starts_with('/') &&
            token.find('\0') == std::string::npos)
            libraries.emplace_back(token);
    }
    cut = libraries.size() > kMostLibraries;
    if (cut) libraries.pop_back();
    return libraries;
}

class LinuxSearch {
  public:
    // `letters`: whether the install resolves drive letters through the same prefix whatever
    // its working folder (not so through a relative $WINEPREFIX).
    LinuxSearch(const GameSearch& search, SearchReport& report, bool letters)
        : s_(search, report),
          search_(search),
          home_(search.home),
          resolving_(!letters            ? std::nullopt
                     : search.winePrefix ? idAt(*search.winePrefix)
                     : home_.empty()     ? std::nullopt
                                         : idAt(home_ / ".wine")) {}

    void run() {
        using K = Place::Kind;
        if (search_.winePrefix) prefixAt(tidied(*search_.winePrefix), K::WinePrefix, true);
        if (home_.empty()) return;
        prefixAt(home_ / ".wine", K::WinePrefix);
        prefixesIn(home_ / "Games", K::LutrisPrefix);
        // Bottles and Steam keep their data in $XDG_DATA_HOME where the player set one.
        if (search_.dataHome) prefixesIn(*search_.dataHome / "bottles/bottles", K::BottlesBottle);
        prefixesIn(home_ / ".local/share/bottles/bottles", K::BottlesBottle);
        prefixesIn(home_ / ".var/app/com.usebottles.bottles/data/bottles/bottles",
                   K::BottlesBottle);
        prefixesIn(home_ / ".PlayOnLinux/wineprefix", K::PlayOnLinuxPrefix);
        prefixesIn(home_ / ".cxoffice", K::CrossOverBottle);
        // ~/.steam/steam usually leads to ~/.local/share/Steam: the real name first.
        if (search_.dataHome) steam(*search_.dataHome / "Steam");
        for (const char* root :
             {".local/share/Steam", ".steam/steam",
              ".var/app/com.valvesoftware.Steam/.local/share/Steam",  // Flatpak; before, data/
              ".var/app/com.valvesoftware.Steam/data/Steam",
              "snap/steam/common/.local/share/Steam"})
            steam(home_ / root);
        for (const char* games : {"Games", "games"}) {
            const Folder folder = s_.openPlace(home_ / games);
            if (!folder || !s_.firstVisit(folder, Searcher::As::Plain)) continue;
            const Place place{Place::Kind::Folder, s_.shown(folder.path)};
            s_.looked(place);
            s_.walk(folder, utf8Text(folder.path), '/', kPlainDepth, place);
        }
    }

  private:
    void prefixAt(const fs::path& path, Place::Kind kind, bool named = false) {
        if (const Folder root = s_.openPlace(path, named)) prefix(root, {kind, s_.shown(path)});
    }

    // Each prefix a launcher keeps in `path`; one that is a link is named, not entered.
    void prefixesIn(const fs::path& path, Place::Kind kind) {
        const Folder parent = s_.openPlace(path);
        for (const Entry& e : parent.entries)
            if (e.folder || e.link)
                if (const Folder root = s_.openChild(parent, e.name, true))
                    prefix(root, {kind, s_.shown(root.path)});
    }

    void prefix(const Folder& root, const Place& place) {
        if (!s_.firstVisit(root, Searcher::As::Prefix)) return;
        const Folder driveC = s_.openChild(root, "drive_c", true);
        if (!driveC) return;
        s_.looked(place);
        // Inside the prefix the program resolves drive letters through, the game is
        // stored as the game sees it; elsewhere as Linux sees it.
        std::string base = utf8Text(driveC.path);
        char separator = '/';
        if (const char letter =
                resolving_ && folderId(root) == resolving_ ? driveLetter(root, driveC) : 0) {
            base = {letter, ':'};
            separator = '\\';
        }
        for (const Entry& e : driveC.entries) {
            if (!e.folder) continue;
            const bool installRoot =
                std::any_of(std::begin(kInstallRoots), std::end(kInstallRoots),
                            [&](const char* name) { return sameNameIgnoringCase(e.name, name); });
            // Where installers put games, a folder that cannot be read is named.
            if (const Folder top = s_.openChild(driveC, e.name, installRoot))
                s_.walk(top, base + separator + e.name, separator, installRoot ? kInstallDepth : 0,
                        place);
        }
    }

    // The letter of the prefix's dosdevices entry that leads to its drive_c, upper case;
    // 0 when none does. Only entries whose link names drive_c are looked at, so that a
    // drive on a slow or absent disk is never touched. Of "C:" and "c:", Wine's own (and the
    // file layer's) is "c:".
    char driveLetter(const Folder& root, const Folder& driveC) {
        const Folder devices = s_.openChild(root, "dosdevices");
        const auto listed = [&](const std::string& name) {
            return std::any_of(devices.entries.begin(), devices.entries.end(),
                               [&](const Entry& e) { return e.name == name; });
        };
        for (const Entry& e : devices.entries) {
            const unsigned char letter = static_cast<unsigned char>(e.name[0]);
            if (e.name.size() != 2 || e.name[1] != ':' || !std::isalpha(letter) ||
                (std::isupper(letter) && listed({static_cast<char>(std::tolower(letter)), ':'})))
                continue;
            const fs::path entry = devices.path / e.name;
            char target[4096];
            const ssize_t n = ::readlink(entry.c_str(), target, sizeof target);
            if (n <= 0 || fs::path(std::string(target, size_t(n))).filename() != "drive_c")
                continue;
            if (idAt(entry) == folderId(driveC))
                return static_cast<char>(std::toupper(static_cast<unsigned char>(e.name[0])));
        }
        return 0;
    }

    // A Steam folder once however it is reached (~/.steam/steam leads to another), its list of
    // libraries read from inside its steamapps, each library once.
    void steam(const fs::path& root) {
        const Folder home = s_.openPlace(root);
        if (!home || !s_.firstVisit(home, Searcher::As::Steam)) return;
        const Folder apps = s_.openChild(home, "steamapps", true);
        if (!apps) return;
        prefixesOf(apps);
        const fs::path listed = apps.path / "libraryfolders.vdf";
        const auto list = readLibraryList(listed);
        bool cut = false;
        for (const fs::path& path : list ? steamLibraries(*list, cut) : std::vector<fs::path>{}) {
            // A ".." the path goes back through is passed over: a game found there would be
            // stored under a text the install reads as another folder.
            if (std::ranges::find(path, "..") != path.end()) continue;
            // One that is not there (its disk not mounted, say) is named: the game may be on it.
            if (const Folder library = s_.openPlace(tidied(path), true);
                library && s_.firstVisit(library, Searcher::As::Steam))
                if (const Folder more = s_.openChild(library, "steamapps", true)) prefixesOf(more);
        }
        if (cut)
            s_.skip(listed, Unread::Why::TooLarge);  // its first libraries searched all the same
    }

    void prefixesOf(const Folder& apps) {
        const Folder compat = s_.openChild(apps, "compatdata", true);
        for (const Entry& e : compat.entries) {
            if (!e.folder && !e.link) continue;
            const Folder game = s_.openChild(compat, e.name, true);
            if (const Folder pfx = game ? s_.openChild(game, "pfx", true) : Folder{})
                prefix(pfx, {Place::Kind::Steam, e.name});
        }
    }

    // The library list, a plain file of bounded size, read without following a link.
    std::optional<std::string> readLibraryList(const fs::path& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            if (const OpenFailure failure = failureOf(errno); failure != OpenFailure::Missing)
                s_.skip(path, reason(failure));
            return std::nullopt;
        }
        std::string text;
        struct stat st;
        std::optional<Unread::Why> problem;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            problem = Unread::Why::NotAFile;
        else if (static_cast<std::uintmax_t>(st.st_size) > kLibraryListLimit)
            problem = Unread::Why::TooLarge;
        char buffer[65536];
        for (ssize_t n; !problem && (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || text.size() + size_t(n) > kLibraryListLimit)
                problem = n < 0 ? Unread::Why::Unreadable : Unread::Why::TooLarge;
            else
                text.append(buffer, size_t(n));
        }
        ::close(fd);
        if (problem) s_.skip(path, *problem);
        return problem ? std::nullopt : std::optional(std::move(text));
    }

    Searcher s_;
    const GameSearch& search_;
    const fs::path home_;
    const std::optional<FolderId> resolving_;
};

}  // namespace
}  // namespace findgame

namespace {

// A relative path, or one with "..", as the folder it leads to now: stored as written, it
// could lead elsewhere (from another working folder, or read as text past a link). One that
// leads nowhere stays as the system reads it, to be named so.
std::filesystem::path settled(const std::filesystem::path& path) {
    if (path.empty() || (path.is_absolute() && std::ranges::find(path, "..") == path.end()))
        return path;
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec);
    if (ec) return path;
    const std::filesystem::path real = std::filesystem::canonical(whole, ec);
    return ec ? whole : real;
}

}  // namespace

SearchReport findGame(const GameSearch& asked) {
    GameSearch search = asked;
    search.home = settled(search.home);
    for (auto* place : {&search.winePrefix, &search.dataHome})
        if (*place) *place = settled(**place);
    SearchReport report;
    findgame::LinuxSearch(search, report, !asked.winePrefix || asked.winePrefix->is_absolute())
        .run();
    return report;
}

GameSearch searchForThisUser() {
    GameSearch search;
    if (const char* home = std::getenv("HOME"); home && *home)
        search.home = home;
    else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        search.home = pw->pw_dir;
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix)
        search.winePrefix = prefix;
    if (const char* data = std::getenv("XDG_DATA_HOME");
        data && std::filesystem::path(data).is_absolute())
        search.dataHome = data;
    return search;
}

}  // namespace kestro
