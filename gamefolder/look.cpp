#include "look.h"

#include <QStringList>

namespace kestro {

QFont vbFont(const QString& family, qreal points, bool bold, bool underline) {
    static const bool substituted = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
             QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont defaultFont() {
    return vbFont(QStringLiteral("MS Sans Serif"), 8.25);
}

}  // namespace kestro
