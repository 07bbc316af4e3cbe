// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QObject>

namespace kestro {
namespace {

QString& overriddenLocation() {
    static QString location;
    return location;
}

}  // namespace

GameFolderSetting::Stored GameFolderSetting::read() {
    return readStoredFolder(overriddenLocation());
}

bool GameFolderSetting::write(const QString& folder, QString* error) {
    const QString problem = writeStoredFolder(overriddenLocation(), folder);
    if (problem.isEmpty()) return true;
    if (error)
        *error = QObject::tr(
                     "The game folder could not be remembered for the next start: %1\n\n"
                     "It is used until the program ends.")
                     .arg(problem);
    return false;
}

void GameFolderSetting::setLocation(const QString& location) {
    overriddenLocation() = location;
}

}  // namespace kestro
