// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace kestro {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex heldLock;
QList<HeldMessage> held;
QString noDisplayLine;

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
        std::fprintf(stderr, "%s\n", noDisplayLine.toLocal8Bit().constData());
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

DisplayCheck::DisplayCheck(const QString& line) {
    noDisplayLine = line;
    qInstallMessageHandler(holdWhileLookingForDisplay);
}

void DisplayCheck::found() {
    releaseHeldMessages();
}

}  // namespace kestro
