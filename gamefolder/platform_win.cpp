// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the setting where the classic per-user program-settings store has always
// kept it, so a folder remembered there before is found; the drives are the machine's.
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "platform.h"

namespace kestro {
namespace {

const QString kClassicStore =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\KESTRO");
const QString kKey = QStringLiteral("GENERAL/PATH");

QString storeKey(const QString& location) {
    return location.isEmpty() ? kClassicStore : location;
}

}  // namespace

StoredFolder readStoredFolder(const QString& location) {
    QSettings store(storeKey(location), QSettings::NativeFormat);
    const QString value = store.value(kKey).toString();
    if (store.status() != QSettings::NoError)
        return {{}, QObject::tr("%1 cannot be read").arg(storeKey(location))};
    return {value, {}};
}

QString writeStoredFolder(const QString& location, const QString& folder) {
    QSettings store(storeKey(location), QSettings::NativeFormat);
    store.setValue(kKey, folder);
    store.sync();
    return store.status() == QSettings::NoError
               ? QString()
               : QObject::tr("%1 cannot be written").arg(storeKey(location));
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
