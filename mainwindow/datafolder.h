// SPDX-License-Identifier: GPL-3.0-or-later
// Where the seven channel folders that come with the program are.
#pragma once

#include <QString>

namespace kestro {

// Installed on Linux, the channel folders are under the prefix's share/games/kestro,
// found from the executable's own folder (<prefix>/games); in the build tree and on
// Windows they are beside the executable.
QString programFolder();

}  // namespace kestro
