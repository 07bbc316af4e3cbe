// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace kestro {
namespace {

// Texts of Qt's own that the program shows: its dialogs' standard buttons and the command
// line's usage line and errors. Qt has no catalogue for Romanian and only Brazil's for
// Portuguese, so the program's catalogue carries these for every language it speaks. Asked
// before Qt's, it also keeps the usage line's label one word long, as helpText() expects.
[[maybe_unused]] const char* const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// As gettext has it: where messages are in the C locale, nothing is translated, whatever
// LANGUAGE lists.
bool messagesInC() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) return value == u"C" || value == u"POSIX" || value.startsWith(u"C.");
    }
    return false;
}

}  // namespace

Translations::Translations() {
    if (messagesInC()) return;
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        // English is the language the texts are written in; C means no language at all.
        // Either way the texts stay exactly as written.
        if (language.language() == QLocale::C || language.language() == QLocale::English) return;
        if (own_.load(QStringLiteral(":/i18n/kestro_") +
                      QLocale::languageToCode(language.language()))) {
            loadQt(language);
            return;
        }
    }
}

void Translations::install() {
    for (QTranslator* t : {&qt_, &own_})
        if (!t->isEmpty()) QCoreApplication::installTranslator(t);
}

QString Translations::text(const char* context, const char* source) const {
    const QString translated = own_.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

// Whether Qt has a catalogue of the language; without one its dialogs stay in English.
bool Translations::loadQt(const QLocale& language) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt_.load(language, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) return true;
    // Another country's catalogue of the language is better than none.
    const QStringList others = QDir(folder).entryList(
        {QStringLiteral("qtbase_%1_*.qm").arg(QLocale::languageToCode(language.language()))},
        QDir::Files, QDir::Name);
    return !others.isEmpty() && qt_.load(others.first(), folder);
}

}  // namespace kestro
