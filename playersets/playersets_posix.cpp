// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "playersets.h"

namespace kestro {

PlayerSets PlayerSets::forThisUser() {
    namespace fs = std::filesystem;
    fs::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && fs::path(xdg).is_absolute())
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        data = fs::path(home) / ".local/share";
    // No per-user folder at all (no home): no sets of the player's, never the root's.
    return PlayerSets(data.empty() ? fs::path() : data / "KESTRO/channels");
}

}  // namespace kestro
