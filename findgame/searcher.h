// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the game search: folders opened and listed without entering links (one
// implementation per platform), and the bounded walk that recognises the game's folder.
#pragma once

#include <algorithm>
#include <chrono>
#include <compare>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "findgame.h"

namespace kestro::findgame {

enum class OpenFailure { None, Missing, NotAFolder, Link, Denied, Other };

struct Entry {
    std::string name;   // UTF-8
    bool folder;        // a real folder; a link to one is not
    bool link = false;  // never entered, but named where a launcher's folder is one
};

struct FolderId {
    std::uint64_t device = 0, node = 0;
    auto operator<=>(const FolderId&) const = default;
};

// A folder opened and listed. Its entries are read once, when it is opened.
struct Folder {
    bool opened = false;
    std::filesystem::path path;
    std::vector<Entry> entries;    // sorted by name
    std::shared_ptr<void> handle;  // POSIX: the open folder its children are opened from
    explicit operator bool() const { return opened; }
};

// A place named by the player or a launcher: links on the way to it are followed, since
// that is how they set it up. Missing when it is not there or not a folder.
Folder openPlace(const std::filesystem::path& path, OpenFailure& failure);
// A folder inside `parent`, never through a link: a link there counts as missing.
Folder openChild(const Folder& parent, const std::string& name, OpenFailure& failure);
std::optional<FolderId> folderId(const Folder& folder);

// A path as a list or a variable may write it ("lib/", "//lib", "./lib") in one form, for
// people to read and to compare; ".." stays, for it may go back through a link.
std::filesystem::path tidied(const std::filesystem::path& path);

// Why a folder could not be opened, for the player.
Unread::Why reason(OpenFailure failure);

inline void sortByName(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
}

// One search: its bounds, what it found and where it looked.
class Searcher {
  public:
    Searcher(const GameSearch& search, SearchReport& report);

    // Whether the bounds allow one more folder; notes in the report when they ran out.
    bool canGoOn();
    // Opened and counted, or empty. A place that is there but cannot be read is named in
    // the report, and with `named` (by the player or a launcher's list) one that is not there;
    // a child only with `reportFailure` (prefixes, not every folder walked).
    Folder openPlace(const std::filesystem::path& path, bool named = false);
    Folder openChild(const Folder& parent, const std::string& name, bool reportFailure = false);
    // True the first time a folder comes up as a prefix, a Steam folder or library, or a
    // plain folder of games: reached again through another name, it is not searched twice
    // that way. A folder that is two of these (a Steam library in ~/Games) is searched as each.
    enum class As { Prefix, Steam, Plain };
    bool firstVisit(const Folder& folder, As as);
    // Notes `folder` (to be stored as `stored`) if it is the game's, else walks its
    // subfolders down to `levels` below it, each `stored` + `separator` + its name. Below a
    // name the stored text cannot give back (`storable` false), a game is stored by its Linux
    // path where that can give it back, and else only named.
    void walk(const Folder& folder, const std::string& stored, char separator, int levels,
              const Place& place, bool storable = true);
    void looked(Place place) { report_.looked.push_back(std::move(place)); }
    void skip(const std::filesystem::path& path, Unread::Why why);
    // A path for people to read: the home as "~".
    std::string shown(const std::filesystem::path& path) const;

  private:
    bool isGameFolder(const Folder& folder);
    Folder counted(Folder folder, OpenFailure failure, const std::filesystem::path* reportAs,
                   bool missingToo = false);

    const GameSearch& search_;
    SearchReport& report_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::set<std::pair<As, FolderId>> places_;
    std::set<FolderId> games_;
};

}  // namespace kestro::findgame
