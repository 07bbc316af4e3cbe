// SPDX-License-Identifier: GPL-3.0-or-later
// A label that looks and acts like a link: bold, underlined, in the highlight
// colour, with an arrow pointer; a click emits clicked().
#pragma once

#include <QLabel>

namespace kestro {

class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kestro
