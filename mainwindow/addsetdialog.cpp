// SPDX-License-Identifier: GPL-3.0-or-later
#include "addsetdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include "modal.h"
#include "playersets.h"
#include "reports.h"

namespace kestro {

AddSetDialog::AddSetDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Add Channel Set"));
    source_ = new QLineEdit;
    source_->setObjectName(QStringLiteral("source"));
    source_->setMinimumWidth(320);
    auto* folder = new QPushButton(tr("&Folder..."));
    auto* archive = new QPushButton(tr("&Archive..."));
    folder->setObjectName(QStringLiteral("folder"));
    archive->setObjectName(QStringLiteral("archive"));
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("name"));
    auto* from = new QHBoxLayout;
    from->addWidget(source_);
    from->addWidget(folder);
    from->addWidget(archive);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    add_ = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    add_->setObjectName(QStringLiteral("add"));
    add_->setEnabled(false);
    auto* hint = new QLabel(
        tr("Misc16.fsh, misc8.fsh, popups.abg, popups.big and preview.jpg are copied from "
           "it, wherever they are in it; nothing else is. A set named like one of the seven that "
           "came with KESTRO (such as FOX) takes its place for you."));
    hint->setWordWrap(true);
    auto* form = new QFormLayout(this);
    form->addRow(tr("From:"), from);
    form->addRow(tr("Name:"), name_);
    form->addRow(hint);
    form->addRow(buttons);
    connect(folder, &QPushButton::clicked, this, [this] { chooseSource(true); });
    connect(archive, &QPushButton::clicked, this, [this] { chooseSource(false); });
    connect(source_, &QLineEdit::textChanged, this, &AddSetDialog::sourceChanged);
    connect(name_, &QLineEdit::textEdited, this, &AddSetDialog::nameEdited);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString AddSetDialog::source() const {
    return source_->text();
}

QString AddSetDialog::name() const {
    return name_->text().trimmed();
}

void AddSetDialog::setSource(const QString& source) {
    source_->setText(QDir::toNativeSeparators(source));
}

void AddSetDialog::chooseSource(bool folder) {
    QFileDialog chooser(this,
                        folder ? tr("Folder of a channel set") : tr("Archive of a channel set"));
    chooser.setFileMode(folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
    // Packs come from the web: the chooser starts where a browser puts them.
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!downloads.isEmpty() && QDir(downloads).exists()) chooser.setDirectory(downloads);
    if (!folder) chooser.setNameFilter(tr("Archives (*.zip *.rar *.7z);;All files (*)"));
    if (runModal(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        setSource(chooser.selectedFiles().first());
}

void AddSetDialog::sourceChanged(const QString& text) {
    if (!nameTyped_) name_->setText(toQString(defaultSetName(toStd(text))).toUpper());
    add_->setEnabled(!source().isEmpty() && !name().isEmpty());
}

void AddSetDialog::nameEdited(const QString& text) {
    // Names are in capitals, as the seven are.
    const int at = name_->cursorPosition();
    name_->setText(text.toUpper());
    name_->setCursorPosition(at);
    nameTyped_ = !text.isEmpty();
    add_->setEnabled(!source().isEmpty() && !name().isEmpty());
}

}  // namespace kestro
