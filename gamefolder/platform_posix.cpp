// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: the setting in an INI file under the user's config folder; the drives are
// the root and the Wine prefix's drive letters, as the install core finds them.
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "fileops.h"
#include "inistore.h"
#include "platform.h"

namespace kestro {
namespace {

QString storeFile(const QString& location) {
    if (!location.isEmpty()) return location;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/KESTRO.ini");
}

}  // namespace

std::unique_ptr<QSettings> openSettingsStore(const QString& location) {
    return std::make_unique<QSettings>(storeFile(location), iniFormat());
}

QString settingsStoreName(const QString& location) {
    return QDir::toNativeSeparators(storeFile(location));
}

QList<Drive> availableDrives() {
    QList<Drive> drives{{QStringLiteral("/"), QStringLiteral("/"), QStringLiteral("/"), u'/'}};
    for (const WineDrive& drive : wineDrives()) {
        const QFileInfo entry(QString::fromStdU16String(drive.entry.u16string()));
        const QString target = entry.isSymLink() ? entry.symLinkTarget() : entry.filePath();
        const QString name = target == QStringLiteral("/") ? target : QFileInfo(target).fileName();
        const QString letter = QChar::fromLatin1(drive.letter);
        drives.append({QStringLiteral("%1: [%2]").arg(letter, name), entry.filePath(),
                       letter.toUpper() + QStringLiteral(":\\"), u'\\'});
    }
    return drives;
}

}  // namespace kestro
