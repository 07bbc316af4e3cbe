// SPDX-License-Identifier: GPL-3.0-or-later
// The one thing the program remembers between runs: the game folder, per user, under
// application "KESTRO", section "GENERAL", key "PATH".
#pragma once

#include <QString>

#include "platform.h"

namespace kestro {

class GameFolderSetting {
  public:
    using Stored = StoredFolder;
    // The stored folder exactly as written; empty when nothing is stored. A store that
    // cannot be read (not a plain file, too large, not a settings file) is said in
    // `problem`, and counts as nothing stored.
    static Stored read();

    // Stores `folder` unchanged. On failure returns false and says why in `error`.
    static bool write(const QString& folder, QString* error);

    // Points the store somewhere else (tests); empty restores the user's own.
    static void setLocation(const QString& location);
};

}  // namespace kestro
