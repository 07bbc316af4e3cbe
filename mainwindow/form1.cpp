// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QUrl>
#include <atomic>

#include "addsetdialog.h"
#include "channellist.h"
#include "commandline.h"
#include "credits.h"
#include "files.h"
#include "findgamedialog.h"
#include "linklabel.h"
#include "modal.h"
#include "preview.h"
#include "reports.h"
#include "seleccion.h"
#include "settings.h"
#include "shown.h"
#include "window.h"

namespace kestro {
namespace {

const QString kTitle = QString::fromUtf8(kInstallTitle.data(), kInstallTitle.size());

// What can be dropped on the window to be added as a channel set.
bool isSetSource(const QString& path) {
    const QFileInfo info(path);
    for (const char* kind : {"zip", "rar", "7z"})
        if (info.suffix().compare(QLatin1String(kind), Qt::CaseInsensitive) == 0) return true;
    return info.isDir();
}

QString droppedPath(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

}  // namespace

Form1::Form1(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      ui(buildForm1(*this)),
      programFolder_(utf8Path(
          toStd(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder))),
      playerSets_(PlayerSets::forThisUser()),
      catalogue_(programFolder_) {
    setAcceptDrops(true);
    connect(ui.ListView1, &QListWidget::itemClicked, this, &Form1::ListView1_ItemClick);
    connect(ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui.Label1, &LinkLabel::clicked, this, &Form1::Label1_Click);
    connect(ui.Label2, &LinkLabel::clicked, this, &Form1::Label2_Click);
    connect(ui.Label4, &LinkLabel::clicked, this, &Form1::Label4_Click);
    connect(ui.mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(ui.mnuUbicaciones, &QAction::triggered, this, &Form1::mnuUbicaciones_Click);
    connect(ui.mnuFindGame, &QAction::triggered, this, &Form1::mnuFindGame_Click);
    connect(ui.mnuRestore, &QAction::triggered, this, &Form1::mnuRestore_Click);
    connect(ui.mnuAddSet, &QAction::triggered, this, &Form1::mnuAddSet_Click);
    connect(ui.mnuRemoveSet, &QAction::triggered, this, &Form1::mnuRemoveSet_Click);
    connect(ui.mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::Form_Load() {
    const GameFolderSetting::Stored stored = GameFolderSetting::read();
    if (!stored.problem.isEmpty())
        messageBox(this, kTitle,
                   tr("The stored game folder cannot be read: %1\n\nChoose the game folder again.")
                       .arg(stored.problem),
                   QMessageBox::Warning);
    if (stored.folder.isEmpty()) {
        // Where the game was found in one place only, the player is asked about that first.
        if (const auto found = askToUseFoundGame(this, findGame(searchForThisUser())))
            useGameFolder(*found);
        else
            Command2_Click();
    } else {
        showGameFolder(stored.folder);
    }
    fillChannelList();
    if (Error e = playerSets_.outOfSight(); !e.ok())
        messageBox(this, kTitle, Reports::setsOutOfSight(e), QMessageBox::Warning);
    if (const auto misnamed = playerSets_.misnamed(); !misnamed.empty())
        messageBox(this, kTitle, Reports::misnamedSets(misnamed), QMessageBox::Warning);
    ui.ListView1->setFocus();
}

void Form1::fillChannelList() {
    catalogue_ = Catalogue(programFolder_, playerSets_.read());
    ui.ListView1->clear();
    for (const ChannelSet& channel : catalogue_.sets())
        new QListWidgetItem(ui.ImageList1, toQString(channel.key), ui.ListView1);
    ui.Label5->setText(QStringLiteral("Total: %1").arg(ui.ListView1->count()));
    const auto chosen = ui.ListView1->findItems(ui.Text1->text(), Qt::MatchExactly);
    if (!chosen.isEmpty()) {
        ui.ListView1->setCurrentItem(chosen.first());
        ListView1_ItemClick(chosen.first());  // its files or preview may have changed
    } else if (!ui.Text1->text().isEmpty()) {
        // The chosen set is gone: nothing is chosen now.
        ui.Text1->clear();
        ui.Text1->setEnabled(false);
        ui.Command1->setEnabled(false);
        ui.Image1->clear();
    }
    const Result<GameFolder> folder = GameFolder::open(toStd(ui.Ubicacion->text()));
    markInstalled(folder.ok() ? installedChannel(folder.value, catalogue_) : nullptr);
}

// A long folder shows its start; the box cannot be scrolled (it is never enabled), so the
// whole of it is in its tooltip.
void Form1::showGameFolder(const QString& folder) {
    ui.Ubicacion->setText(folder);
    ui.Ubicacion->setCursorPosition(0);
    ui.Ubicacion->setToolTip(plainToolTip(folder));
}

void Form1::markInstalled(const ChannelSet* installed) {
    const QString key = installed ? toQString(installed->key) : QString();
    for (int row = 0; row < ui.ListView1->count(); ++row) {
        QListWidgetItem* item = ui.ListView1->item(row);
        const ChannelSet* set = catalogue_.find(toStd(item->text()));
        const bool mark = installed && item->text() == key;
        item->setIcon(mark ? ui.installedIcon : ui.ImageList1);
        QStringList notes;
        // A long name of the player's is cut short in the list: whole in its tooltip.
        const QFontMetrics metrics(ui.ListView1->font());
        if (metrics.horizontalAdvance(item->text()) + ui.ListView1->iconSize().width() + 12 >
            ui.ListView1->viewport()->width())
            notes << item->text();
        if (mark) notes << tr("Installed in the game folder now");
        for (const auto& file : set ? set->leftOut : std::vector<ChannelSet::LeftOut>{})
            notes << tr("%1 is left out: %2")
                         .arg(Reports::leftOutName(file), Reports::leftOutReason(file.why));
        if (set && set->givesNothing())
            notes << tr(
                "Holds none of the game's files as a file KESTRO can read, and installs "
                "nothing");
        item->setToolTip(notes.join(QLatin1Char('\n')));
    }
}

void Form1::ListView1_ItemClick(QListWidgetItem* item) {
    ui.Text1->setEnabled(true);
    ui.Command1->setEnabled(true);
    // The whole name, at a size that fits: a long one of the player's is not cut.
    const int room = ui.Text1->contentsRect().width() - 8;
    ui.Text1->setFont(selectedChannelFont(item->text(), room));
    ui.Text1->setText(item->text());
    // Even at the list's size, the longest names may not fit: whole in the tooltip then.
    const bool fits = QFontMetrics(ui.Text1->font()).horizontalAdvance(item->text()) <= room;
    ui.Text1->setToolTip(fits ? QString() : item->text());
    ui.Text1->setCursorPosition(0);
    const ChannelSet* channel = catalogue_.find(toStd(item->text()));
    // A preview that cannot be shown shows nothing, never the last channel's picture.
    const auto picture = channel ? loadPreview(channel->preview) : std::nullopt;
    if (!picture) {
        ui.Image1->clear();
        return;
    }
    ui.Image1->setPixmap(*picture);
    ui.Image1->resize(picture->size());  // not stretched: Frame4 clips what does not fit
}

std::optional<GameFolder> Form1::gameFolderFor(Report::Action action, const ChannelSet* channel) {
    const std::string text = toStd(ui.Ubicacion->text());
    Result<GameFolder> folder = GameFolder::open(text);
    if (folder.ok()) return folder.value;
    progress(0);
    finished(unusableFolder(action, text, folder.error, channel));
    return std::nullopt;
}

void Form1::Command1_Click() {
    const std::optional<GameFolder> folder =
        gameFolderFor(Report::Action::Install, catalogue_.find(toStd(ui.Text1->text())));
    if (!folder) return;
    // A complete install says which channel is there now; after a partial one the files tell.
    const ChannelSet* installed = install({toStd(ui.Text1->text()), *folder}, catalogue_, *this);
    markInstalled(installed ? installed : installedChannel(*folder, catalogue_));
}

void Form1::Command2_Click() {
    seleccion dialog;
    if (runModal(dialog) == QDialog::Accepted) useGameFolder(dialog.chosenFolder());
}

void Form1::useGameFolder(const QString& folder) {
    showGameFolder(folder);
    QString error;
    if (!GameFolderSetting::write(ui.Ubicacion->text(), &error))
        messageBox(this, QStringLiteral("VARNEX 2001: Path"), error, QMessageBox::Warning);
    const Result<GameFolder> opened = GameFolder::open(toStd(folder));
    markInstalled(opened.ok() ? installedChannel(opened.value, catalogue_) : nullptr);
}

void Form1::mnuUbicaciones_Click() {
    Command2_Click();
}

void Form1::mnuFindGame_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);  // bounded, but it may take a second
    const SearchReport report = findGame(searchForThisUser());
    QApplication::restoreOverrideCursor();
    FindGameDialog dialog(report, ui.Ubicacion->text(), this);
    if (runModal(dialog) == QDialog::Accepted && !dialog.chosenFolder().isEmpty())
        useGameFolder(dialog.chosenFolder());
}

void Form1::mnuRestore_Click() {
    const std::optional<GameFolder> folder = gameFolderFor(Report::Action::Restore);
    if (!folder) return;
    restore(*folder, *this);
    markInstalled(installedChannel(*folder, catalogue_));
}

void Form1::mnuAddSet_Click() {
    AddSetDialog dialog(this);
    if (runModal(dialog) == QDialog::Accepted) addSet(dialog);
}

void Form1::addSet(AddSetDialog& dialog) {
    const QString source = dialog.source();
    const std::filesystem::path path = utf8Path(toStd(fromHere(source)));
    const std::string name = toStd(dialog.name());
    // A big archive takes a while: it is read beside the window, which shows how far it
    // has got and can stop it; a stopped add leaves nothing behind.
    QProgressDialog reading(this);
    auto* label = new QLabel(&reading);
    label->setTextFormat(Qt::PlainText);  // a path is text, never markup
    reading.setLabel(label);
    reading.setLabelText(tr("Reading %1...").arg(source));
    reading.setCancelButtonText(tr("Cancel"));
    reading.setRange(0, 0);
    reading.setWindowTitle(dialog.windowTitle());
    std::atomic<bool> stop = false;
    SetOutcome outcome;
    QThread* worker = QThread::create([&] {
        outcome = playerSets_.add(path, name, [&](std::uint64_t) { return !stop.load(); });
    });
    connect(worker, &QThread::finished, &reading, [&] { reading.done(QDialog::Accepted); });
    worker->start();
    runModal(reading);  // Cancel closes it too
    stop = reading.wasCanceled();
    worker->wait();
    delete worker;
    messageBox(
        this, dialog.windowTitle(), Reports::setOutcome(outcome, source),
        outcome.ok() && outcome.error.ok() ? QMessageBox::Information : QMessageBox::Warning);
    if (outcome.ok()) fillChannelList();
}

void Form1::mnuRemoveSet_Click() {
    const QString title = tr("Remove Channel Set");
    QStringList own;
    for (const std::string& name : playerSets_.names()) own << toQString(name);
    if (own.isEmpty()) {
        messageBox(this, title,
                   tr("You have added no channel sets. The seven that come with KESTRO cannot "
                      "be removed."),
                   QMessageBox::Information);
        return;
    }
    QInputDialog choice(this);
    choice.setWindowTitle(title);
    choice.setLabelText(tr("Channel set to remove:"));
    choice.setComboBoxItems(own);
    choice.setOkButtonText(tr("Remove"));
    if (own.contains(ui.Text1->text())) choice.setTextValue(ui.Text1->text());
    if (runModal(choice) != QDialog::Accepted) return;
    const QString name = choice.textValue();
    if (!askYesNo(this, title,
                  tr("Remove the channel set %1? Its files are deleted from your channel sets "
                     "folder.")
                      .arg(name)))
        return;
    const SetOutcome removed = playerSets_.remove(toStd(name));
    messageBox(
        this, title, Reports::setOutcome(removed, {}),
        removed.ok() && removed.error.ok() ? QMessageBox::Information : QMessageBox::Warning);
    fillChannelList();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPath(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString path = droppedPath(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (!isSetSource(path)) {
        messageBox(this, tr("Add Channel Set"),
                   tr("%1 cannot be added: only a folder or a .zip, .rar or .7z archive holds a "
                      "channel set.")
                       .arg(QDir::toNativeSeparators(path)),
                   QMessageBox::Warning);
        return;
    }
    AddSetDialog dialog(this);
    dialog.setSource(path);
    if (runModal(dialog) == QDialog::Accepted) addSet(dialog);
}

void Form1::Label1_Click() {
    openLink(QStringLiteral("http://") + credits::kOfficialSite + u'/');
}

void Form1::Label2_Click() {
    openLink(QStringLiteral("http://") + credits::kFanSite + u'/');
}

void Form1::Label4_Click() {
    openLink(QStringLiteral("mailto:") + credits::kEmail);
}

void Form1::openLink(const QString& url) {
    if (QDesktopServices::openUrl(QUrl(url))) return;
    messageBox(this, kTitle,
               tr("%1 could not be opened: no web browser or mail program answered.").arg(url),
               QMessageBox::Warning);
}

void Form1::mnuAbout_Click() {
    messageBox(this, QStringLiteral("About..."),
               QStringLiteral("Created by: ") + credits::kAuthor + QStringLiteral(" [") +
                   credits::kEmail + u']',
               QMessageBox::Question);
}

void Form1::mnuExit_Click() {
    close();
}

void Form1::progress(float value) {
    ui.ProgressBar1->setValue(qRound(value));
    ui.ProgressBar1->repaint();  // the install does not return to the event loop until it ends
}

void Form1::fileStarted(const std::string& destination, const std::string& source) {
    ui.Destino->setText(toQString(destination));
    ui.Archivo->setText(toQString(source));
}

void Form1::finished(const Report& report) {
    messageBox(this, kTitle, Reports::report(report, Reports::Where::Window),
               Reports::isWarning(report) ? QMessageBox::Warning : QMessageBox::NoIcon);
}

bool Form1::confirmRestore(const std::string& folder) {
    return askYesNo(this, kTitle, Reports::confirmRestore(toQString(folder)));
}

void Form1::showEvent(QShowEvent* event) {
    if (!centred_) centreOnScreen(*this);
    centred_ = true;
    QMainWindow::showEvent(event);
}

}  // namespace kestro
