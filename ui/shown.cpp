// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown.h"

#include <QList>

namespace kestro {

namespace {

QString byNumber(char32_t c) {
    return QStringLiteral("<U+%1>").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString visible(const QString& text, bool formatToo) {
    QString shown;
    for (const char32_t c : text.toUcs4()) {  // whole characters, beyond 16 bits too
        switch (QChar::category(c)) {
            case QChar::Other_Format:
                if (!formatToo) {
                    shown += QString::fromUcs4(&c, 1);
                    break;
                }
                [[fallthrough]];
            case QChar::Other_Control:
            case QChar::Separator_Line:
            case QChar::Separator_Paragraph:
                shown += byNumber(c);
                break;
            default:
                shown += QString::fromUcs4(&c, 1);
        }
    }
    return shown;
}

QString plainToolTip(const QString& text) {
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped());
}

QString spelledOut(const QString& text) {
    QString out;
    for (const char32_t c : text.toUcs4())
        out += c >= 0x20 && c < 0x7F ? QString(QChar(c)) : byNumber(c);
    return out;
}

}  // namespace kestro
