// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration > Add Channel Set...: where the set comes from (a folder or an archive)
// and the name it gets, which follows the source until the player types one.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kestro {

class AddSetDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AddSetDialog(QWidget* parent = nullptr);
    QString source() const;
    QString name() const;
    void setSource(const QString& source);

  private:
    void chooseSource(bool folder);
    void sourceChanged(const QString& text);
    void nameEdited(const QString& text);

    QLineEdit *source_, *name_;
    QPushButton* add_;
    bool nameTyped_ = false;
};

}  // namespace kestro
