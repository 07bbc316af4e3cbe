// SPDX-License-Identifier: GPL-3.0-or-later
// The channel list: large icons, one per channel. A click chooses a channel; from the
// keyboard the arrows only move the focus and Enter or Space chooses, so nothing is
// chosen by merely moving through the list.
#pragma once

#include <QListWidget>

namespace kestro {

class ChannelListView : public QListWidget {
    Q_OBJECT
  public:
    explicit ChannelListView(QWidget* parent = nullptr);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace kestro
