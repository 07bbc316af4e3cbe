// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the setting where the classic per-user program-settings store has always
// kept it, so a folder remembered there before is found; the drives are the machine's.
#include <QDir>
#include <QFileInfo>

#include "platform.h"

namespace kestro {
namespace {

const QString kClassicStore =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KESTRO");

QString storeKey(const QString& location) {
    return location.isEmpty() ? kClassicStore : location;
}

}  // namespace

std::unique_ptr<QSettings> openSettingsStore(const QString& location) {
    return std::make_unique<QSettings>(storeKey(location), QSettings::NativeFormat);
}

QString settingsStoreName(const QString& location) {
    return storeKey(location);
}

QList<Drive> availableDrives() {
    QList<Drive> drives;
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();  // "C:/"
        const QString letter = root.left(2).toLower();
        drives.append({letter, root, letter.toUpper() + u'\\', u'\\'});
    }
    return drives;
}

}  // namespace kestro
