// The game folder dialog: a drive list, a directory list, OK and Cancel. OK puts
// the open folder into the main window's game folder box and remembers it.
#pragma once

#include <QDialog>

#include "platform.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kestro {

class DirListBox;

class seleccion : public QDialog {
    Q_OBJECT
  public:
    // `ubicacion` is the main window's game folder box, which OK writes.
    explicit seleccion(QLineEdit* ubicacion, QWidget* parent = nullptr);

    QComboBox* Drive1;
    DirListBox* Dir1;
    QPushButton* Command1;  // OK
    QPushButton* Command2;  // Cancel

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Drive1_Change(int index);
    void Command1_Click();
    void Command2_Click();

    QStringList currentFolderOn(const Drive& drive) const;

    QLineEdit* ubicacion_;
    QList<Drive> drives_;
    int shownDrive_ = 0;
};

}  // namespace kestro
