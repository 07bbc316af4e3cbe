// SPDX-License-Identifier: GPL-3.0-or-later
#include "modal.h"

#include <QDialog>
#include <QPushButton>

namespace kestro {
namespace {

ModalRunner& runner() {
    static ModalRunner current;
    return current;
}

}  // namespace

int runModal(QDialog& dialog) {
    return runner() ? runner()(dialog) : dialog.exec();
}

ModalRunner setModalRunner(ModalRunner next) {
    return std::exchange(runner(), std::move(next));
}

void messageBox(QWidget* parent, const QString& title, const QString& text,
                QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);  // names from the disk are text, never markup
    runModal(box);
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return runModal(box) == QMessageBox::Yes;
}

}  // namespace kestro
