// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the program's modal questions in tests: records each message box and
// hands dialogs to a test's own answer, so no test ever blocks.
#pragma once

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "modal.h"
#include "settings.h"

namespace kestro::test {

struct SeenBox {
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
};

class ModalAnswers {
  public:
    // How to answer a dialog that is not a message box; by default, reject it.
    std::function<int(QDialog&)> answerDialog = [](QDialog& d) {
        d.reject();
        return d.result();
    };
    // Runs while a message box is open, e.g. to look at the window behind it.
    std::function<void(const SeenBox&)> whileOpen;

    QMessageBox::StandardButton yesOrNo = QMessageBox::Yes;  // the answer to questions
    QList<SeenBox> boxes;
    int dialogs = 0;

    ModalAnswers() {
        previous_ = setModalRunner([this](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                const QPushButton* def = box->defaultButton();
                boxes.append({box->text(), box->icon(),
                              def ? box->standardButton(const_cast<QPushButton*>(def))
                                  : QMessageBox::NoButton});
                if (whileOpen) whileOpen(boxes.back());
                return int(box->standardButtons().testFlag(QMessageBox::Yes) ? yesOrNo
                                                                             : QMessageBox::Ok);
            }
            ++dialogs;
            return answerDialog(dialog);
        });
    }
    ~ModalAnswers() { setModalRunner(previous_); }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

  private:
    ModalRunner previous_;
};

// The setting and the player's own channel sets go to a scratch folder for the length
// of a test.
class ScratchSettings {
  public:
    ScratchSettings() : data_(qgetenv("XDG_DATA_HOME")), home_(qgetenv("HOME")) {
        GameFolderSetting::setLocation(file());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path()));
        qputenv("HOME", QFile::encodeName(dir_.path()));  // where the game is looked for
    }
    ~ScratchSettings() {
        GameFolderSetting::setLocation({});
        qputenv("XDG_DATA_HOME", data_);
        qputenv("HOME", home_);
    }
    QString file() const { return dir_.filePath(QStringLiteral("KESTRO.ini")); }

  private:
    QTemporaryDir dir_;
    QByteArray data_, home_;
};

}  // namespace kestro::test
