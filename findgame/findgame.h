// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the game for the player: where launchers and installers usually put it (Wine,
// Lutris, Bottles, PlayOnLinux, CrossOver and Steam prefixes on Linux; the uninstall
// entries and the usual install folders on Windows). Only folder listings are read, no
// link is entered, and the search is bounded in folders and time. Plain C++, no Qt.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestro {

struct GameSearch {
    std::filesystem::path home;                       // the player's home; empty: none
    std::optional<std::filesystem::path> winePrefix;  // $WINEPREFIX, when set
    std::size_t maxFolders = 50000;                   // folders listed, at most
    std::chrono::milliseconds maxTime{2000};
};

struct FoundGame {
    std::string folder;  // as it is to be stored: "C:\Games\VARNEX 2001" or "/home/..."
    std::string place;   // where it was found: "Lutris prefix ~/Games/varnex", "registry"...
};

struct SearchReport {
    std::vector<FoundGame> found;      // each folder once, in a stable order
    std::vector<std::string> looked;   // the places searched, in order
    std::vector<std::string> skipped;  // places that could not be read, with the reason
    std::size_t folders = 0;           // folders listed
    bool stoppedEarly = false;         // the folder or time bound ran out
};

// Searches the usual places of this platform (findgame_posix.cpp, findgame_win.cpp).
SearchReport findGame(const GameSearch& search);

// The search for the user running the program: $HOME and $WINEPREFIX on Linux.
GameSearch searchForThisUser();

}  // namespace kestro
