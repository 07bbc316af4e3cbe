// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: answers to the program's modal questions (each message
// box recorded, dialogs handed to a test's own answer, so no test ever blocks), scratch
// settings, and small helpers for children and files.
#pragma once

#include <sys/stat.h>

#include <QDialog>
#include <QDir>
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
    Qt::TextFormat format;
};

// The child of that name; a test cannot go on without it.
template <typename T = QWidget>
T* child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("there is no %s", name);
    return found;
}

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Written, its folder made first when missing.
inline bool writeFile(const QString& path, const QByteArray& contents) {
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) &&
           f.write(contents) == contents.size();
}

// A file of these contents; "<pipe>" makes a pipe there, "<link>" a link to linkTo.
inline bool makeFile(const QString& path, const QByteArray& contents, const QString& linkTo = {}) {
    if (contents == "<pipe>") return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (contents == "<link>") return QFile::link(linkTo, path);
    return writeFile(path, contents);
}

class ModalAnswers {
  public:
    // A dialog answered as OK or Cancel would.
    static int answer(QDialog& d, bool ok) {
        ok ? d.accept() : d.reject();
        return d.result();
    }
    static int accept(QDialog& d) { return answer(d, true); }
    // How to answer a dialog that is not a message box; by default, reject it.
    std::function<int(QDialog&)> answerDialog = [](QDialog& d) { return answer(d, false); };
    // Runs while a message box is open, e.g. to look at the window behind it.
    std::function<void(const SeenBox&)> whileOpen;

    QMessageBox::StandardButton yesOrNo = QMessageBox::Yes;  // the answer to questions
    QList<SeenBox> boxes;
    int dialogs = 0;

    ModalAnswers() {
        previous_ = setModalRunner([this](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                boxes.append({box->text(), box->icon(), box->standardButton(box->defaultButton()),
                              box->textFormat()});
                if (whileOpen) whileOpen(boxes.back());
                return int(box->standardButtons().testFlag(QMessageBox::Yes) ? yesOrNo
                                                                             : QMessageBox::Ok);
            }
            ++dialogs;
            return answerDialog(dialog);
        });
    }
    ~ModalAnswers() { setModalRunner(previous_); }
    Q_DISABLE_COPY(ModalAnswers)

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
    QString file() const { return dir_.filePath("KESTRO.ini"); }
    QString home() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    QByteArray data_, home_;
};

}  // namespace kestro::test
