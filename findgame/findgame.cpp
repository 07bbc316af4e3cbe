// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "files.h"
#include "names.h"
#include "paths.h"
#include "searcher.h"

namespace kestro::findgame {
namespace fs = std::filesystem;
namespace {

// The game's folder holds one of its channel files (or the program's own store of kept
// files): DATA\ENVIRO\Misc16.fsh, and so on.
struct Marker {
    const char* folder;
    const char* files[2];
};
constexpr Marker kMarkers[] = {{"ENVIRO", {"Misc16.fsh", "misc8.fsh"}},
                               {"POPUPS", {"popups.abg", "popups.big"}}};

}  // namespace

Unread::Why reason(OpenFailure failure) {
    switch (failure) {
        case OpenFailure::Link:
            return Unread::Why::Link;
        case OpenFailure::Denied:
            return Unread::Why::Denied;
        case OpenFailure::Missing:
            return Unread::Why::Missing;
        case OpenFailure::NotAFolder:
            return Unread::Why::NotAFolder;
        default:
            return Unread::Why::Unreadable;
    }
}

Searcher::Searcher(const GameSearch& search, SearchReport& report)
    : search_(search), report_(report) {}

bool Searcher::canGoOn() {
    if (!report_.stoppedEarly && (report_.folders >= search_.maxFolders ||
                                  std::chrono::steady_clock::now() - start_ >= search_.maxTime))
        report_.stoppedEarly = true;
    return !report_.stoppedEarly;
}

Folder Searcher::counted(Folder folder, OpenFailure failure, const fs::path* reportAs,
                         bool missingToo) {
    if (folder)
        ++report_.folders;
    else if (reportAs && (failure != OpenFailure::Missing || missingToo))
        skip(*reportAs, reason(failure));
    return folder;
}

Folder Searcher::openPlace(const fs::path& path, bool named) {
    if (!canGoOn()) return {};
    OpenFailure failure = OpenFailure::None;
    Folder folder = findgame::openPlace(path, failure);
    return counted(std::move(folder), failure, &path, named);
}

Folder Searcher::openChild(const Folder& parent, const std::string& name, bool reportFailure) {
    if (!canGoOn()) return {};
    OpenFailure failure = OpenFailure::None;
    Folder folder = findgame::openChild(parent, name, failure);
    const fs::path path = parent.path / utf8Path(name);
    return counted(std::move(folder), failure, reportFailure ? &path : nullptr);
}

bool Searcher::firstVisit(const Folder& folder, As as) {
    const auto id = folderId(folder);
    return !id || places_.insert({as, *id}).second;
}

namespace {

bool isStore(std::string_view name) {
    return sameNameIgnoringCase(name, "KESTRO backup");
}

// Whether the whole text to be stored names the folder found: every name in it given back as
// it is (a prefix's or $HOME's as much as the game's own), and no ".." that the search went
// through a link for but the install would read as text.
bool givesBack(const std::string& stored, char separator) {
    if (!characterCount(stored)) return false;
    if (separator == '\\') return true;  // a drive letter, then names each checked
    const std::string text = stored + '/';
    return stored.find('\\') == std::string::npos && text.find("/../") == std::string::npos;
}

}  // namespace

fs::path tidied(const fs::path& path) {
    fs::path tidy;
    for (const fs::path& part : path)
        if (!part.empty() && part != ".") tidy /= part;
    return tidy.empty() && !path.empty() ? fs::path(".") : tidy;  // "./": here
}

void Searcher::skip(const fs::path& path, Unread::Why why) {
    // A place reached twice (a library in two lists) is named once, as found places are.
    Unread unread{shown(tidied(path)), why};
    if (std::ranges::find(report_.skipped, unread) == report_.skipped.end())
        report_.skipped.push_back(std::move(unread));
}

std::string Searcher::shown(const fs::path& path) const {
    std::string home = utf8Text(search_.home);
    while (home.size() > 1 && home.back() == '/') home.pop_back();
    const std::string text = utf8Text(path);
    if (home.size() > 1 && text.size() > home.size() && text.starts_with(home) &&
        text[home.size()] == '/')
        return '~' + text.substr(home.size());
    return text;
}

bool Searcher::isGameFolder(const Folder& folder) {
    const auto named = [](const Entry& e, std::string_view name) {
        return e.folder && sameNameIgnoringCase(e.name, name);
    };
    // The program's store beside a DATA folder marks the game even with its files renamed.
    const bool stored = std::any_of(folder.entries.begin(), folder.entries.end(),
                                    [](const Entry& e) { return e.folder && isStore(e.name); });
    for (const Entry& e : folder.entries) {
        if (!named(e, "DATA")) continue;
        if (stored) return true;
        const Folder data = openChild(folder, e.name);
        for (const Marker& marker : kMarkers)
            for (const Entry& d : data.entries) {
                if (!named(d, marker.folder)) continue;
                const Folder inside = openChild(data, d.name);
                for (const Entry& f : inside.entries)
                    for (const char* file : marker.files)
                        if (!f.folder && sameNameIgnoringCase(f.name, file)) return true;
            }
    }
    return false;
}

void Searcher::walk(const Folder& folder, const std::string& stored, char separator, int levels,
                    const Place& place, bool storable) {
    // The store of kept files, wherever the player moved it, is not the game.
    const std::string name = utf8Text(folder.path.filename());
    if (isStore(name)) return;
    storable = storable && storableName(name, separator);
    if (isGameFolder(folder)) {
        // Under C:\ a name Windows refuses is still a Linux folder's: stored as Linux sees it.
        // A path neither text gives back is named, for the player to rename the folder.
        const std::string asLinux = separator == '\\' ? utf8Text(folder.path) : std::string();
        const std::string text = storable && givesBack(stored, separator) ? stored
                                 : asLinux.starts_with('/') && givesBack(asLinux, '/')
                                     ? asLinux
                                     : std::string();
        if (text.empty()) return skip(folder.path, Unread::Why::Unstorable);
        const auto id = folderId(folder);
        const bool again = id ? !games_.insert(*id).second
                              : std::any_of(report_.found.begin(), report_.found.end(),
                                            [&](const FoundGame& g) { return g.folder == text; });
        if (!again) report_.found.push_back({text, place});
        return;  // its own subfolders are the game's, not another copy of it
    }
    if (levels <= 0) return;
    for (const Entry& e : folder.entries) {
        if (!e.folder) continue;
        if (const Folder child = openChild(folder, e.name))
            walk(child, stored + separator + e.name, separator, levels - 1, place, storable);
        if (report_.stoppedEarly) return;
    }
}

}  // namespace kestro::findgame

namespace kestro {

bool storableName(std::string_view name, char separator) {
    if (!characterCount(name) || name.find('\\') != std::string_view::npos) return false;
    return separator != '\\' || std::none_of(name.begin(), name.end(), [](unsigned char c) {
               return c < 0x20 ||
                      std::string_view("/:*?\"<>|").find(char(c)) != std::string_view::npos;
           });
}

}  // namespace kestro
