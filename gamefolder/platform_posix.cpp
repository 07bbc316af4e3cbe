// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: the setting in an INI file under the user's config folder, read and written by
// the file layer like every file the program keeps: a plain file only, never through a
// link, without blocking, within a size limit. The drives are the root and the Wine
// prefix's drive letters, as the install core finds them.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files.h"
#include "inistore.h"
#include "paths.h"
#include "platform.h"

namespace kestro {
namespace {

const QString kKey = QStringLiteral("GENERAL/PATH");
// A settings file this large is not ours; refusing it keeps a damaged or hostile file
// from eating memory at start-up.
constexpr std::size_t kMaxFileSize = 64 * 1024;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Settings)
};

QString storeFile(const QString& location) {
    if (!location.isEmpty()) return location;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/KESTRO.ini");
}

std::filesystem::path real(const QString& path) {
    return utf8Path(QFile::encodeName(path).toStdString());
}

// Why the file cannot be read as ours, or an empty text; `map` is what it holds.
QString readMap(const QString& file, QSettings::SettingsMap& map) {
    std::string data;
    const Error e = readSmallFile(real(file), kMaxFileSize, data);
    const QString shown = QDir::toNativeSeparators(file);
    switch (e.code) {
        case ErrorCode::None:
            break;
        case ErrorCode::Missing:
        case ErrorCode::FolderMissing:
            return {};
        case ErrorCode::Link:
            return Texts::tr("%1 cannot be read: it is a link, not a plain file").arg(shown);
        case ErrorCode::IsFolder:
        case ErrorCode::NotAFile:
            return Texts::tr("%1 cannot be read: it is not a plain file").arg(shown);
        case ErrorCode::TooLarge:
            return Texts::tr("%1 cannot be read: it is larger than 64 KiB").arg(shown);
        default:
            return Texts::tr("%1 cannot be read: %2")
                .arg(shown, QString::fromStdString(std::system_category().message(e.system)));
    }
    QByteArray bytes = QByteArray::fromStdString(data);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (!readIni(buffer, map))
        return Texts::tr("%1 cannot be read: it is not a settings file (damaged or binary)")
            .arg(shown);
    return {};
}

}  // namespace

StoredFolder readStoredFolder(const QString& location) {
    QSettings::SettingsMap map;
    const QString problem = readMap(storeFile(location), map);
    return {problem.isEmpty() ? map.value(kKey).toString() : QString(), problem};
}

QString writeStoredFolder(const QString& location, const QString& folder) {
    const QString file = storeFile(location);
    const QString shown = QDir::toNativeSeparators(file);
    const QFileInfo info(file);
    QDir().mkpath(info.absolutePath());
    const Result<Folder> dir = Folder::open(real(info.absolutePath()));
    const std::string name = QFile::encodeName(info.fileName()).toStdString();
    if (!dir.ok()) return Texts::tr("%1 cannot be written").arg(shown);
    const EntryKind kind = dir.value.info(name).kind;
    if (kind == EntryKind::Link)
        return Texts::tr("%1 is a link to another place; KESTRO does not write through links")
            .arg(shown);
    if (kind != EntryKind::File && kind != EntryKind::Missing)
        return Texts::tr("%1 is not a plain file").arg(shown);
    // What else a player wrote there stays; a damaged file is replaced.
    QSettings::SettingsMap map;
    readMap(file, map);
    map.insert(kKey, folder);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeIni(buffer, map);
    if (!writeWhole(dir.value, name, buffer.data().toStdString()).ok())
        return Texts::tr("%1 cannot be written").arg(shown);
    return {};
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
