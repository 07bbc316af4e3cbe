// SPDX-License-Identifier: GPL-3.0-or-later
#include "dirlistbox.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "findgame.h"

namespace kestro {
namespace {

constexpr int kIndent = 8;

// Draws each folder indented by its depth, as a tree flattened into a list.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.adjust(index.data(DirListBox::LevelRole).toInt() * kIndent, 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

QString joinReal(const Drive& drive, const QStringList& components) {
    QString path = drive.root;
    for (const QString& part : components) {
        if (!path.endsWith(u'/')) path += u'/';
        path += part;
    }
    return path;
}

}  // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openRow(row(item)); });
}

bool DirListBox::open(const Drive& drive, const QStringList& components) {
    const QString real = joinReal(drive, components);
    const QFileInfo info(real);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
    QDir dir(real);
    const QStringList children =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                      QDir::Name | QDir::IgnoreCase);
    if (!dir.exists()) return false;

    drive_ = drive;
    components_ = components;
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [&](const QString& text, const QIcon& icon, int level) {
        auto* item = new QListWidgetItem(icon, text, this);
        item->setData(DirListBox::LevelRole, level);
    };
    add(drive.shownRoot, openIcon, 0);
    for (int i = 0; i < components.size(); ++i) add(components[i], openIcon, i + 1);
    // Ordinary folders first; hidden ones (".wine", ".steam") after them, still reachable.
    QStringList hidden;
    for (const QString& child : children) {
        if (child.startsWith(u'.'))
            hidden.append(child);
        else
            add(child, closedIcon, components.size() + 1);
    }
    for (const QString& child : hidden) add(child, closedIcon, components.size() + 1);
    setCurrentRow(components.size());
    return true;
}

QString DirListBox::path() const {
    return drive_.shownRoot + components_.join(drive_.separator);
}

QString DirListBox::unstorableName() const {
    for (const QString& name : components_)
        if (!storableName(name.toStdString(), char(drive_.separator.unicode()))) return name;
    return {};
}

bool DirListBox::openRow(int row) {
    if (row < 0 || row >= count()) return false;
    QStringList target;
    if (row <= components_.size())
        target = components_.mid(0, row);  // a folder above, or the open one again
    else
        target = components_ + QStringList{item(row)->text()};
    if (open(drive_, target)) return true;
    emit openFailed(joinReal(drive_, target));
    return false;
}

void DirListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openRow(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kestro
