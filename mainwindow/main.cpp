// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "commandline.h"
#include "form1.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    // The settings and the player's channel sets are KESTRO's, whatever the file's name.
    QCoreApplication::setApplicationName(QStringLiteral("KESTRO"));
    // Any argument means the command line, which needs no display.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        return kestro::runCommandLine(QCoreApplication::arguments(),
                                      QCoreApplication::applicationDirPath());
    }
    kestro::FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.wait();
    kestro::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
