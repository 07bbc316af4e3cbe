// SPDX-License-Identifier: GPL-3.0-or-later
// The game folder dialog: a drive list, a directory list, OK and Cancel. OK accepts
// the folder open in the directory list; the main window takes it from there.
#pragma once

#include <QDialog>

#include "platform.h"

class QComboBox;
class QPushButton;

namespace kestro {

class DirListBox;

class seleccion : public QDialog {
    Q_OBJECT
  public:
    explicit seleccion(QWidget* parent = nullptr);

    // The folder open in the directory list: what OK chose.
    QString chosenFolder() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Drive1_Change(int index);
    void Command1_Click();
    void Command2_Click();

    QStringList currentFolderOn(const Drive& drive) const;

    QComboBox* Drive1;
    DirListBox* Dir1;
    QPushButton* Command1;  // OK
    QPushButton* Command2;  // Cancel
    QList<Drive> drives_;
    int shownDrive_ = 0;
};

}  // namespace kestro
