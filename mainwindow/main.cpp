// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>

#include "commandline.h"
#include "datafolder.h"
#include "display.h"
#include "form1.h"
#include "startup.h"
#include "translations.h"

namespace {

const char* const kNoDisplay = QT_TRANSLATE_NOOP(
    "main",
    "kestro: no display was found to open the window on; 'kestro --help' lists what works "
    "without one.");

kestro::Translations& translations() {
    static kestro::Translations loaded;
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
