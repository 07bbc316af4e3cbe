// SPDX-License-Identifier: GPL-3.0-or-later
#include "seleccion.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "dirlistbox.h"
#include "look.h"
#include "modal.h"
#include "shown.h"
#include "window.h"

namespace kestro {
namespace {

const QString kTitle = QStringLiteral("VARNEX 2001: Path");

QString canonical(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(path) : c;
}

}  // namespace

seleccion::seleccion(QWidget* parent) : QDialog(parent), drives_(availableDrives()) {
    setObjectName(QStringLiteral("seleccion"));
    setWindowTitle(kTitle);
    setFont(defaultFont());
    // A small tool window: no icon, no minimize or maximize, not in the taskbar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    resize(twipsSize(2775, 4665));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(twipsRect(105, 105, 2535, 315));
    Drive1->setAccessibleName(tr("Drive"));
    for (const Drive& drive : drives_) Drive1->addItem(drive.label);

    Dir1 = new DirListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(twipsRect(105, 525, 2535, 3690));
    Dir1->setAccessibleName(tr("Folders"));

    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(1155, 4305, 750, 330));
    Command2 = new QPushButton(tr("&Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(1890, 4305, 750, 330));
    // Neither button answers Enter: the player confirms only by pressing OK.
    for (QPushButton* button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, Command1);
    setTabOrder(Command1, Command2);

    // Start at the process's current folder, on the drive that holds it.
    const QString cwd = canonical(QDir::currentPath());
    qsizetype longest = -1;
    for (int i = 0; i < drives_.size(); ++i) {
        const QString root = canonical(drives_[i].root);
        const bool holds = cwd == root || cwd.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > longest) {
            longest = root.size();
            shownDrive_ = i;
        }
    }
    if (!drives_.isEmpty()) {
        Drive1->setCurrentIndex(shownDrive_);
        const Drive& drive = drives_[shownDrive_];
        if (!Dir1->open(drive, currentFolderOn(drive))) Dir1->open(drive, {});
    }

    connect(Drive1, &QComboBox::currentIndexChanged, this, &seleccion::Drive1_Change);
    connect(Command1, &QPushButton::clicked, this, &seleccion::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &seleccion::Command2_Click);
    connect(Dir1, &DirListBox::openFailed, this, [this](const QString& folder) {
        messageBox(this, kTitle,
                   tr("The folder %1 cannot be opened.").arg(QDir::toNativeSeparators(folder)),
                   QMessageBox::Warning);
    });
    Dir1->setFocus();
}

// A drive's own current folder: where the process stands, if that is on the drive.
QStringList seleccion::currentFolderOn(const Drive& drive) const {
    const QString root = canonical(drive.root);
    const QString cwd = canonical(QDir::currentPath());
    const QString relative = QDir(root).relativeFilePath(cwd);
    if (relative == u'.' || relative.startsWith(QStringLiteral("..")) ||
        QDir::isAbsolutePath(relative))
        return {};
    return relative.split(u'/', Qt::SkipEmptyParts);
}

void seleccion::Drive1_Change(int index) {
    if (index < 0 || index >= drives_.size()) return;
    const Drive& drive = drives_[index];
    if (Dir1->open(drive, currentFolderOn(drive)) || Dir1->open(drive, {})) {
        shownDrive_ = index;
        return;
    }
    messageBox(this, kTitle, tr("The drive %1 is not ready.").arg(drive.label),
               QMessageBox::Warning);
    const QSignalBlocker quiet(Drive1);
    Drive1->setCurrentIndex(shownDrive_);
}

QString seleccion::chosenFolder() const {
    return Dir1->path();
}

void seleccion::Command1_Click() {
    // Stored as text, such a name would be read back as another folder, and the game's
    // files written there.
    if (const QString name = Dir1->unstorableName(); !name.isEmpty()) {
        const QString why =
            name.contains(u'\\')
                ? tr("The name of the folder \"%1\" holds \"\\\", which the stored path would "
                     "read as a separator, leading to another folder. Rename that folder, or "
                     "choose another one.")
                : tr("The name of the folder \"%1\" holds a character Windows does not allow "
                     "in names. Choose the folder on the \"/\" drive instead, or rename it.");
        messageBox(this, kTitle, why.arg(visible(name)), QMessageBox::Warning);
        return;
    }
    accept();
}

void seleccion::Command2_Click() {
    reject();
}

void seleccion::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc close nothing here: OK and Cancel are pressed, never implied.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void seleccion::showEvent(QShowEvent* event) {
    centreOnScreen(*this);
    QDialog::showEvent(event);
}

}  // namespace kestro
