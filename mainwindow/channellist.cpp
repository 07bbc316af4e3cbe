// SPDX-License-Identifier: GPL-3.0-or-later
#include "channellist.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

namespace kestro {
namespace {

// Every item as wide as its cell: the view lays a top-to-bottom column of cells out
// from their left edges, and an item only as wide as its label would draw its icon
// centred over that label, at a different place for each name.
class CellWideDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::max(size.width(), option.rect.width()));  // the cell, with a grid
        return size;
    }
};

}  // namespace

ChannelListView::ChannelListView(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CellWideDelegate(this));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(32, 32));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
}

QItemSelectionModel::SelectionFlags ChannelListView::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const {
    // The highlight shows the chosen channel: moving with the keys or clicking beside
    // the icons must not move or clear it.
    if (!index.isValid() || (event && event->type() == QEvent::KeyPress))
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void ChannelListView::resizeEvent(QResizeEvent* event) {
    // One column of cells as wide as the list: each icon centred in its cell above its
    // label, all on one line down the list, as a large-icon list draws them.
    setGridSize(QSize(viewport()->width(), iconSize().height() + 2 * fontMetrics().height() + 6));
    QListWidget::resizeEvent(event);
}

void ChannelListView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && currentItem()) {
        QListWidgetItem* item = currentItem();
        setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        emit itemClicked(item);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kestro
