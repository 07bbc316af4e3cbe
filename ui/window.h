// SPDX-License-Identifier: GPL-3.0-or-later
// What both windows share beyond fonts: centring on the screen and the frames of the
// layout, drawn the way the layout tables mean them.
#pragma once

#include <QGroupBox>

namespace kestro {

// Moves a window so that it stands in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

// A captioned frame whose etched border runs through the middle of its caption's
// line, so that controls placed at the layout's coordinates sit inside it.
class CaptionFrame : public QGroupBox {
    Q_OBJECT
  public:
    CaptionFrame(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestro
