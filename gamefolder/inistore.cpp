// SPDX-License-Identifier: GPL-3.0-or-later
#include "inistore.h"

#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>

namespace kestro {
namespace {

// A settings file this large is not ours.
constexpr qint64 kMaxFileSize = 64 * 1024;

bool needsQuotes(const QString& value) {
    if (value.isEmpty()) return false;
    if (value.front().isSpace() || value.back().isSpace()) return true;
    if (value.front() == u'"' || value.front() == u';' || value.front() == u'#') return true;
    for (QChar c : value)
        if (c.unicode() < 0x20) return true;
    return false;
}

QString quoted(const QString& value) {
    QString out = QStringLiteral("\"");
    for (QChar c : value) {
        switch (c.unicode()) {
            case '"':
                out += QStringLiteral("\\\"");
                break;
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
                else
                    out += c;
        }
    }
    return out + u'"';
}

bool unquote(const QString& text, QString& value) {
    if (text.size() < 2 || !text.endsWith(u'"')) return false;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        const QChar c = text[i];
        if (c != u'\\') {
            value += c;
            continue;
        }
        if (++i >= text.size() - 1) return false;
        switch (text[i].unicode()) {
            case '"':
                value += u'"';
                break;
            case '\\':
                value += u'\\';
                break;
            case 'n':
                value += u'\n';
                break;
            case 'r':
                value += u'\r';
                break;
            case 't':
                value += u'\t';
                break;
            case 'x': {
                // Two hex digits, as written: no sign or space taken for one.
                const QString digits = text.mid(i + 1, 2);
                const bool hex =
                    digits.size() == 2 && std::all_of(digits.begin(), digits.end(), [](QChar d) {
                        return QStringLiteral("0123456789abcdefABCDEF").contains(d);
                    });
                const uint code = hex ? digits.toUInt(nullptr, 16) : 0;
                if (code == 0) return false;  // nor a NUL: no path holds one, as no file does
                value += QChar(code);
                i += 2;
                break;
            }
            default:
                return false;
        }
    }
    return true;
}

}  // namespace

bool readIni(QIODevice& device, QSettings::SettingsMap& map) {
    if (device.size() > kMaxFileSize) return false;
    const QByteArray data = device.read(kMaxFileSize + 1);
    if (data.size() > kMaxFileSize || data.contains('\0')) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (utf8.hasError()) return false;
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    QString section;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']')) return false;
            section = line.mid(1, line.size() - 2).trimmed().toUpper();
            if (section.isEmpty()) return false;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) return false;
        const QString key = line.left(equals).trimmed().toUpper();
        if (key.isEmpty() || key.contains(u'/')) return false;
        QString value = line.mid(equals + 1).trimmed();
        if (value.startsWith(u'"')) {
            QString unquoted;
            if (!unquote(value, unquoted)) return false;
            value = unquoted;
        }
        map.insert(section.isEmpty() ? key : section + u'/' + key, value);
    }
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map) {
    QString text;
    QString section;
    bool first = true;
    // The map is sorted, so keys of one section come together.
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString keySection = slash < 0 ? QString() : it.key().left(slash);
        if (first || keySection != section) {
            if (!first) text += u'\n';
            if (!keySection.isEmpty()) text += u'[' + keySection + QStringLiteral("]\n");
            section = keySection;
            first = false;
        }
        const QString value = it.value().toString();
        text +=
            it.key().mid(slash + 1) + u'=' + (needsQuotes(value) ? quoted(value) : value) + u'\n';
    }
    const QByteArray bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}

}  // namespace kestro
