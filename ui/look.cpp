// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace kestro {
namespace {

// Whether a family is installed, by its own name. QFontDatabase::hasFamily() would also
// ask fontconfig to resolve the name as an alias on every call, which costs more than
// building the whole window; the family list is read once instead.
bool isInstalled(const QString& family) {
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

// The family to ask for: the named one where it is installed, else its first installed
// metric twin, which also spares the font matcher a search for a family that is not
// there every time a control sets its font.
QString installedFamily(const QString& family) {
    static const QHash<QString, QStringList> twins = {
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
          QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Arial"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
          QStringLiteral("DejaVu Sans")}},
    };
    if (isInstalled(family)) return family;
    for (const QString& twin : twins.value(family))
        if (isInstalled(twin)) return twin;
    return family;
}

}  // namespace

QFont vbFont(const QString& family, qreal points, bool bold, bool underline) {
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont defaultFont() {
    return vbFont(QStringLiteral("MS Sans Serif"), 8.25);
}

}  // namespace kestro
