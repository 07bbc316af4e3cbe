// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: the smallest Qt Widgets window that shows a line of text
// (so it pays, as every real window does, for loading the fonts), shown and gone as
// soon as it has painted, with the same harness as the program's own start-up.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "paint_quit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(310, 436);
    window.setWindowTitle(QStringLiteral("floor"));
    QLabel label(QStringLiteral("Marovix 2001 v1.0b"), &window);
    QuitOnFirstPaint quit(&window);
    window.show();
    return app.exec();
}
