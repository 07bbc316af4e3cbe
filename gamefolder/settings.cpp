// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QObject>

#include "platform.h"

namespace kestro {
namespace {

const QString kKey = QStringLiteral("GENERAL/PATH");

QString& overriddenLocation() {
    static QString location;
    return location;
}

}  // namespace

QString GameFolderSetting::read() {
    const auto store = openSettingsStore(overriddenLocation());
    const QString value = store->value(kKey).toString();
    // A damaged store counts as nothing stored: the player is simply asked again.
    return store->status() == QSettings::NoError ? value : QString();
}

bool GameFolderSetting::write(const QString& folder, QString* error) {
    const auto store = openSettingsStore(overriddenLocation());
    store->setValue(kKey, folder);
    store->sync();
    if (store->status() == QSettings::NoError) return true;
    if (error) {
        *error = QObject::tr(
                     "The game folder could not be remembered for the next start: %1 "
                     "cannot be written.\n\nIt is used until the program ends.")
                     .arg(settingsStoreName(overriddenLocation()));
    }
    return false;
}

void GameFolderSetting::setLocation(const QString& location) {
    overriddenLocation() = location;
}

}  // namespace kestro
