// SPDX-License-Identifier: GPL-3.0-or-later
// The one thing the program remembers between runs: the game folder, per user,
// under application "KESTRO", section "GENERAL", key "PATH".
#pragma once

#include <QString>

namespace kestro {

class GameFolderSetting {
  public:
    // The stored folder exactly as written; empty when nothing (or nothing
    // readable) is stored.
    static QString read();

    // Stores `folder` unchanged. On failure returns false and says why in `error`.
    static bool write(const QString& folder, QString* error);

    // Points the store somewhere else (tests); empty restores the user's own.
    static void setLocation(const QString& location);
};

}  // namespace kestro
