// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "commandline.h"
#include "datafolder.h"
#include "form1.h"
#include "startup.h"

namespace {

// While the application looks for a display, Qt's messages are held back: without one,
// the player gets a single line that says so instead of Qt's abort and its advice to
// reinstall; with one, they go out as usual.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex heldLock;
QList<HeldMessage> held;

void releaseHeldMessages() {
    qInstallMessageHandler(nullptr);
    std::lock_guard lock(heldLock);
    for (const HeldMessage& m : std::as_const(held))
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()),
                          m.text);
    held.clear();
}

// Whether Qt found its platform plugin but could not start it: it reached no display.
bool pluginFoundButNotStarted() {
    for (const HeldMessage& m : std::as_const(held))
        if (m.text.contains(QLatin1String("even though it was found"))) return true;
    return false;
}

void holdWhileLookingForDisplay(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
    std::lock_guard lock(heldLock);
    held.append({type, context.category, text});
    if (type != QtFatalMsg) return;
    if (pluginFoundButNotStarted()) {
        const QString line =
            QCoreApplication::translate("main",
                                        "kestro: no display was found to open the window on; "
                                        "'kestro --help' lists what works without one.");
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        std::_Exit(1);
    }
    // Any other fatal error (no such plugin, say) is reported as Qt would, and Qt ends
    // the program.
    for (const HeldMessage& m : std::as_const(held)) {
        const QMessageLogContext at(nullptr, 0, nullptr, m.category.constData());
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(m.type, at, m.text).toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // The settings and the player's channel sets are KESTRO's, whatever the file's name.
    QCoreApplication::setApplicationName(QStringLiteral("KESTRO"));
    // Any argument means the command line, which needs no display.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        return kestro::runCommandLine(QCoreApplication::arguments(), kestro::programFolder());
    }
    // Docks, task switchers and Wayland match the window to its desktop entry, and so to
    // its launcher and icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRO_APP_ID));
    kestro::FontWarmUp fonts;
    qInstallMessageHandler(holdWhileLookingForDisplay);
    QApplication app(argc, argv);
    releaseHeldMessages();
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
