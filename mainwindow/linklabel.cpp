// SPDX-License-Identifier: GPL-3.0-or-later
#include "linklabel.h"

#include <QMouseEvent>

namespace kestro {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::UpArrowCursor);
    QPalette colours = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::WindowText,
                         colours.color(QPalette::Active, QPalette::Highlight));
    setPalette(colours);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kestro
