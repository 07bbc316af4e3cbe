// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "playersets.h"

namespace kestro {

PlayerSets PlayerSets::forThisUser() {
    namespace fs = std::filesystem;
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    return PlayerSets(local && *local ? fs::path(local) / L"KESTRO" / L"channels" : fs::path());
}

}  // namespace kestro
