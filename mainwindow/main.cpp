// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "commandline.h"
#include "datafolder.h"
#include "display.h"
#include "form1.h"
#include "startup.h"

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

// What the program says in the player's language: its own catalogue (built into it) and
// Qt's for the standard dialogs. Loaded before the application exists, so that even the
// line said when there is no display is translated.
class Translations {
  public:
    Translations() {
        if (messagesInC()) return;
        for (const QString& name : QLocale::system().uiLanguages()) {
            const QLocale language(name);
            // English is the language the texts are written in; C means no language at
            // all. Either way the texts stay exactly as written.
            if (language.language() == QLocale::C || language.language() == QLocale::English)
                return;
            if (own_.load(QStringLiteral(":/i18n/kestro_") +
                          QLocale::languageToCode(language.language()))) {
                loadQt(language);
                return;
            }
        }
    }

    // Qt asks the last installed first: the program's own wording wins.
    void install() {
        for (QTranslator* t : {&qt_, &own_})
            if (!t->isEmpty()) QCoreApplication::installTranslator(t);
    }

    // For texts said before the application exists, when nothing is installed yet.
    QString text(const char* context, const char* source) const {
        const QString translated = own_.translate(context, source);
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    }

  private:
    // As gettext has it: where messages are in the C locale, nothing is translated, whatever
    // LANGUAGE lists.
    static bool messagesInC() {
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const QString value = qEnvironmentVariable(variable);
            if (!value.isEmpty())
                return value == u"C" || value == u"POSIX" || value.startsWith(u"C.");
        }
        return false;
    }

    // Whether Qt has a catalogue of the language; without one its dialogs stay in English.
    bool loadQt(const QLocale& language) {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qt_.load(language, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) return true;
        // Another country's catalogue of the language is better than none.
        const QStringList others = QDir(folder).entryList(
            {QStringLiteral("qtbase_%1_*.qm").arg(QLocale::languageToCode(language.language()))},
            QDir::Files, QDir::Name);
        return !others.isEmpty() && qt_.load(others.first(), folder);
    }

    QTranslator own_, qt_;
};

const char* const kNoDisplay = QT_TRANSLATE_NOOP(
    "main",
    "kestro: no display was found to open the window on; 'kestro --help' lists what works "
    "without one.");

Translations& translations() {
    static Translations loaded;
    return loaded;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The settings and the player's channel sets are KESTRO's, whatever the file's name.
    QCoreApplication::setApplicationName(QStringLiteral("KESTRO"));
    // Any argument means the command line, which needs no display.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        translations().install();
        return kestro::runCommandLine(QCoreApplication::arguments(), kestro::programFolder());
    }
    // Docks, task switchers and Wayland match the window to its desktop entry, and so to
    // its launcher and icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRO_APP_ID));
    kestro::FontWarmUp fonts;
    kestro::DisplayCheck display(translations().text("main", kNoDisplay));
    QApplication app(argc, argv);
    display.found();
    translations().install();
    // For the packaging check: the name as Qt hands it on, with no compositor needed.
    if (qEnvironmentVariableIsSet("KESTRO_PRINT_DESKTOP_FILE_NAME")) {
        std::printf("%s\n", qPrintable(QGuiApplication::desktopFileName()));
        return 0;
    }
    fonts.wait();
    kestro::Form1 form(kestro::programFolder());
    form.Form_Load();
    form.show();
    return app.exec();
}
