// SPDX-License-Identifier: GPL-3.0-or-later
// What the game search found: each folder with the prefix or launcher it belongs to, the
// one in use marked, and a line on where the search looked. OK takes the chosen folder.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "findgame.h"

class QPushButton;
class QTreeWidget;

namespace kestro {

class FindGameDialog : public QDialog {
    Q_OBJECT
  public:
    // `inUse` is the game folder as stored now.
    FindGameDialog(const SearchReport& report, const QString& inUse, QWidget* parent = nullptr);

    // The chosen folder, as it is to be stored; empty when there was none to choose.
    QString chosenFolder() const;

  private:
    QTreeWidget* found_;
    QPushButton* ok_;
};

// A place of the search, and one it could not read, in the player's language.
QString placeText(const Place& place);
QString unreadText(const Unread& unread);

// For the first start: when the search found exactly one folder, asks whether to use it,
// and gives it on Yes. A game it saw where it cannot be used from, and nothing else, is said.
std::optional<QString> askToUseFoundGame(QWidget* parent, const SearchReport& report);

}  // namespace kestro
