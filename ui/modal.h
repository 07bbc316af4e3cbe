// SPDX-License-Identifier: GPL-3.0-or-later
// Every modal question the program asks (message boxes, the folder dialog) runs
// through runModal(), so tests can answer it instead of a person.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace kestro {

using ModalRunner = std::function<int(QDialog&)>;

// Shows `dialog` modally and returns its result (QDialog::exec by default).
int runModal(QDialog& dialog);

// Replaces how dialogs are run; returns the previous runner. An empty runner
// restores the default.
ModalRunner setModalRunner(ModalRunner runner);

// A message box with one OK button and no default or escape surprises.
void messageBox(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);

// A question with Yes and No, No being the default; true for Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text);

}  // namespace kestro
