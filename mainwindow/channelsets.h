// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own channel sets, as the window and the command line reach them.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace kestro {

// Where the player's sets live: "channels" in the per-user data folder of KESTRO.
QString playerSetsFolder();

// Configuration > Add Channel Set...: where the set comes from (a folder or an
// archive) and the name it gets, which follows the source until the player types one.
class AddSetDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AddSetDialog(QWidget* parent = nullptr);
    QString source() const;
    QString name() const;

  private:
    void chooseSource(bool folder);
    void sourceChanged(const QString& text);
    void nameEdited(const QString& text);

    QLineEdit *source_, *name_;
    QPushButton* add_;
    bool nameTyped_ = false;
};

}  // namespace kestro
