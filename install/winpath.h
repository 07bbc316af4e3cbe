// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-style paths as the game and its players write them ("C:\VARNEX 2001\DATA"),
// taken apart without touching the disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

enum class PathProblem { None, Empty, Relative, Invalid };

struct WinPath {
    char drive = 0;  // lower-case drive letter, or 0 for a path from the root ("\x" or "/x")
    std::vector<std::string> components;
};

// Splits an absolute path on '\' and '/'; repeated separators count as one, "." is
// dropped and ".." goes up (never above the root). Empty, relative ("DATA\x",
// "C:DATA") and NUL-carrying texts are refused with the reason in `problem`.
std::optional<WinPath> parseWinPath(std::string_view text, PathProblem* problem = nullptr);

// Whether two file names are the same when letter case is ignored, the way the
// game's file system compares them (ASCII, Latin, Greek and Cyrillic letters).
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kestro
