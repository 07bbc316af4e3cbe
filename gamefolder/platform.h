// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between platforms for the game folder: where the setting lives and which
// drives there are. One implementation per platform (platform_posix.cpp, platform_win.cpp).
#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace kestro {

// The stored game folder as read from the per-user store at `location` (empty: the
// user's own); `problem` says why the store cannot be read, naming it.
struct StoredFolder {
    QString folder;
    QString problem;
};
StoredFolder readStoredFolder(const QString& location);
// Stores `folder`; why it could not be, or an empty text.
QString writeStoredFolder(const QString& location, const QString& folder);

struct Drive {
    QString label;      // as the drive list shows it: "c: [drive_c]", "/"
    QString root;       // the real folder, with '/' separators
    QString shownRoot;  // how paths on it are written: "C:\", "/"
    QChar separator;    // '\' or '/'
};

// The file-system root and the drives a player's games can be on.
QList<Drive> availableDrives();

}  // namespace kestro
