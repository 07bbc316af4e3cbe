// SPDX-License-Identifier: GPL-3.0-or-later
// Path texts as the game and its players write them ("C:\VARNEX 2001\DATA"), taken apart
// and turned into real paths. Only the edges of the program (the window, the command
// line, the catalogue) hold path texts; everything past them works on real paths.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"

namespace kestro {

struct WinPath {
    char drive = 0;  // lower-case drive letter, or 0 for a path from the root ("\x" or "/x")
    std::vector<std::string> components;
};

// Splits an absolute path on '\' and '/'; repeated separators count as one, "." is
// dropped and ".." goes up (never above the root). Empty (PathEmpty), relative ("DATA\x",
// "C:DATA": PathRelative) and NUL-carrying (PathInvalid) texts are refused.
Result<WinPath> parseWinPath(std::string_view text);

// A path text as a real path: a drive letter through the platform (on Linux, the Wine
// prefix's dosdevices), each existing part matched without regard to letter case. Empty
// and relative texts never resolve.
Result<std::filesystem::path> resolvePath(std::string_view text);

// The Wine prefix whose drive letters paths go through: $WINEPREFIX, else ~/.wine; none
// on Windows, where drives are the system's own.
std::filesystem::path winePrefix();

// A drive letter of that prefix and the entry in its "dosdevices" folder that stands for
// it ("c:", a link to "../drive_c"), in letter order. The folder is listed once a run.
struct WineDrive {
    char letter;  // lower case
    std::filesystem::path entry;
};
std::vector<WineDrive> wineDrives();

}  // namespace kestro
