// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the game for the player: where launchers and installers usually put it (Wine,
// Lutris, Bottles, PlayOnLinux, CrossOver and Steam prefixes on Linux; the uninstall
// entries and the usual install folders on Windows). Only folder listings are read, no
// link is entered, and the search is bounded in folders and time. Plain C++, no Qt.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

struct GameSearch {
    std::filesystem::path home;                       // the player's home; empty: none
    std::optional<std::filesystem::path> winePrefix;  // $WINEPREFIX, when set
    std::optional<std::filesystem::path> dataHome;    // $XDG_DATA_HOME, when set
    std::size_t maxFolders = 50000;                   // folders listed, at most
    std::chrono::milliseconds maxTime{2000};
};

// Where the search looked, or found a game: its kind, which the window names in the player's
// language, and where it is (a path with the home as "~", a Steam game's number, "C:").
struct Place {
    enum class Kind {
        Folder,
        WinePrefix,
        LutrisPrefix,
        BottlesBottle,
        PlayOnLinuxPrefix,
        CrossOverBottle,
        Steam,
        Registry,
        Drive
    };
    Kind kind = Kind::Folder;
    std::string where;
    bool operator==(const Place&) const = default;
};

// A place that could not be read, and why: Missing (or NotAFolder) for one the player or a
// launcher's list names; Unstorable for the game found under a name the stored text cannot give
// back.
struct Unread {
    enum class Why {
        Link,
        Denied,
        Unreadable,
        NotAFile,
        TooLarge,
        Missing,
        Unstorable,
        NotAFolder
    };
    std::string where;
    Why why = Why::Unreadable;
    bool operator==(const Unread&) const = default;
};

struct FoundGame {
    std::string folder;  // as it is to be stored: "C:\Games\VARNEX 2001" or "/home/..."
    Place place;         // where it was found: the Lutris prefix ~/Games/varnex, the registry...
};

struct SearchReport {
    std::vector<FoundGame> found;  // each folder once, in a stable order
    std::vector<Place> looked;     // the places searched, in order
    std::vector<Unread> skipped;   // places that could not be read
    std::size_t folders = 0;       // folders listed
    bool stoppedEarly = false;     // the folder or time bound ran out
    // A game was seen where it cannot be used from: named in `skipped`, never `found`.
    bool sawUnusable() const {
        return std::any_of(skipped.begin(), skipped.end(),
                           [](const Unread& u) { return u.why == Unread::Why::Unstorable; });
    }
};

// Searches the usual places of this platform (findgame_posix.cpp, findgame_win.cpp).
SearchReport findGame(const GameSearch& search);

// The search for the user running the program: $HOME, $WINEPREFIX and $XDG_DATA_HOME on
// Linux.
GameSearch searchForThisUser();

// Whether a folder's name can be part of the text the game folder is stored as: UTF-8, with
// no "\" (read back as a separator, it would name another folder), and in a Windows path
// (`separator` '\\') no other character Windows refuses.
bool storableName(std::string_view name, char separator);

}  // namespace kestro
