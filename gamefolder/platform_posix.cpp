// Linux: the setting in an INI file under the user's config folder; the drives are
// the root and the Wine prefix's drive letters.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "inistore.h"
#include "platform.h"

namespace kestro {
namespace {

QString storeFile(const QString& location) {
    if (!location.isEmpty()) return location;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/KESTRO.ini");
}

QString winePrefix() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
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
    const QDir devices(winePrefix() + QStringLiteral("/dosdevices"));
    static const QRegularExpression letter(QStringLiteral("^[a-z]:$"));
    for (const QFileInfo& entry : devices.entryInfoList(
             QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!letter.match(entry.fileName()).hasMatch()) continue;
        const QString target = entry.isSymLink() ? entry.symLinkTarget() : entry.filePath();
        const QString name = target == QStringLiteral("/") ? target : QFileInfo(target).fileName();
        drives.append({QStringLiteral("%1 [%2]").arg(entry.fileName(), name), entry.filePath(),
                       entry.fileName().toUpper() + u'\\', u'\\'});
    }
    return drives;
}

}  // namespace kestro
