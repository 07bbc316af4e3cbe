// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kestro {

QString programFolder() {
    // Found from the executable itself (which the system resolves through any link to
    // it), so a prefix works wherever it is, moved or unpacked elsewhere.
    const QString beside = QCoreApplication::applicationDirPath();
    const QString installed =
        QDir::cleanPath(beside + QStringLiteral("/" KESTRO_DATA_FROM_PROGRAM));
    return QFileInfo(installed).isDir() ? installed : beside;
}

}  // namespace kestro
