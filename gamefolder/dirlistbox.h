// SPDX-License-Identifier: GPL-3.0-or-later
// The directory list of the folder dialog: the open folder with the folders above
// it, then the folders inside it. A double click (or Enter) opens a folder; a single
// click only highlights one.
#pragma once

#include <QListWidget>
#include <QStringList>

#include "platform.h"

namespace kestro {

class DirListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit DirListBox(QWidget* parent = nullptr);

    // A row's depth below the drive's root, which sets how far in it is drawn.
    static constexpr int LevelRole = Qt::UserRole + 1;

    // Opens the folder `components` below the root of `drive`; false (and nothing
    // changed) when it cannot be listed.
    bool open(const Drive& drive, const QStringList& components);

    // The open folder as the user sees it: "C:\Games", "/home/ana"; a drive's root
    // keeps its separator ("C:\", "/").
    QString path() const;

    // The first name on the way to the open folder that `path()` cannot give back (read
    // again, it would lead to another folder); empty when there is none.
    QString unstorableName() const;

    // Opens the folder shown in `row`, as a double click on it does.
    bool openRow(int row);

  signals:
    void openFailed(const QString& folder);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Drive drive_;
    QStringList components_;
};

}  // namespace kestro
