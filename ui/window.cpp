// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>

namespace kestro {

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int middle = metrics.height() / 2;
    // An etched line: a dark one with a light one just inside it.
    const QRect box = rect().adjusted(0, middle, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    const QString text = title().remove(u'&');
    if (text.isEmpty()) return;
    const QRect caption(6, 0, metrics.horizontalAdvance(text) + 2, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Dark));
    painter.drawText(caption.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace kestro
