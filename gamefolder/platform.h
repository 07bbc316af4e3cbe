// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between platforms for the game folder: where the setting lives and
// which drives there are. One implementation per platform (platform_posix.cpp,
// platform_win.cpp).
#pragma once

#include <QChar>
#include <QList>
#include <QSettings>
#include <QString>
#include <memory>

namespace kestro {

// The per-user store that holds the game folder. `location` overrides where it is
// (a file on Linux, a registry key on Windows); empty means the user's own.
std::unique_ptr<QSettings> openSettingsStore(const QString& location);

// A human description of where the store is, for messages.
QString settingsStoreName(const QString& location);

struct Drive {
    QString label;      // as the drive list shows it: "c: [drive_c]", "/"
    QString root;       // the real folder, with '/' separators
    QString shownRoot;  // how paths on it are written: "C:\", "/"
    QChar separator;    // '\' or '/'
};

// The file-system root and the drives a player's games can be on.
QList<Drive> availableDrives();

}  // namespace kestro
