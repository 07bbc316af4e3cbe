// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include "catalogue.h"
#include "channellist.h"
#include "channelsets.h"
#include "credits.h"
#include "linklabel.h"
#include "look.h"
#include "modal.h"
#include "originals.h"
#include "playersets.h"
#include "preview.h"
#include "seleccion.h"
#include "settings.h"
#include "window.h"

// The icons live in this static library; make sure the linker keeps them.
static void initIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace kestro {
namespace {

const QString kCaption = QStringLiteral("Marovix 2001 v1.0b");

QFont arial(qreal points = 8.25, bool bold = false) {
    return vbFont(QStringLiteral("Arial"), points, bold);
}

template <typename W>
W* place(W* widget, const char* name, const QRect& twipsGeometry, const QFont& f) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsGeometry);
    widget->setFont(f);
    return widget;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                 const QFont& f) {
    return place(new CaptionFrame(caption, parent), name, geometry, f);
}

// A frame without a caption: an etched box of its size, however thin.
QFrame* box(QWidget* parent, const char* name, const QRect& geometry) {
    auto* f = place(new QFrame(parent), name, geometry, defaultFont());
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

// Our own icons are PNGs: saying so spares start-up a probe of every image plugin.
QIcon icon(const char* name) {
    return QIcon(QPixmap(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)), "PNG"));
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
std::string toStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

Form1::Form1(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(toStd(QDir::toNativeSeparators(
          programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder))),
      catalogue_(programFolder_) {
    initIcons();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    setWindowIcon(icon("kestro"));
    // A fixed dialog border: close box and system menu, no minimize or maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(defaultFont());
    ImageList1 = icon("channel");
    installedIcon = icon("installed");

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsSize(4650, 6240));
    setCentralWidget(client);
    buildChannelsFrame(client);
    buildSelectedChannelFrame(client);
    buildConfigurationFrame(client);
    buildCredits(client);
    buildTransferControls(client);
    buildMenus();
    connectHandlers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::buildChannelsFrame(QWidget* client) {
    QGroupBox* Frame1 = frame(client, "Frame1", tr("Channels: "), twipsRect(105, 210, 1485, 4845),
                              arial(8.25, true));
    ListView1 =
        place(new ChannelListView(Frame1), "ListView1", twipsRect(105, 315, 1275, 3900), arial());
    ListView1->setAccessibleName(tr("Channels"));
    QPalette listColours = ListView1->palette();
    listColours.setColor(QPalette::Base, Qt::white);
    listColours.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    ListView1->setPalette(listColours);
    box(Frame1, "Frame10", twipsRect(105, 4200, 1275, 120));
    Label5 = place(new QLabel(QStringLiteral("Label5"), Frame1), "Label5",
                   twipsRect(105, 4410, 1275, 330), defaultFont());
}

void Form1::buildSelectedChannelFrame(QWidget* client) {
    const QFont bold = arial(8.25, true);
    QGroupBox* Frame2 =
        frame(client, "Frame2", tr("Selected Channel: "), twipsRect(1575, 210, 2955, 3690), bold);
    Text1 =
        place(new QLineEdit(Frame2), "Text1", twipsRect(105, 210, 2745, 555), arial(20.25, true));
    Text1->setReadOnly(true);  // only the channel list sets it
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setEnabled(false);
    Text1->setAccessibleName(tr("Selected channel"));
    QGroupBox* Frame4 =
        frame(Frame2, "Frame4", tr("Preview: "), twipsRect(105, 840, 2745, 1905), bold);
    Image1 = place(new QLabel(Frame4), "Image1", twipsRect(105, 210, 2535, 1590), defaultFont());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(tr("Channel preview"));
    box(Frame2, "Frame11", twipsRect(105, 2730, 2745, 225));
    QGroupBox* Frame3 =
        frame(Frame2, "Frame3", tr("Options: "), twipsRect(105, 2940, 1065, 645), bold);
    Command1 = place(new QPushButton(tr("&Install"), Frame3), "Command1",
                     twipsRect(105, 210, 855, 330), defaultFont());
    Command1->setToolTip(QStringLiteral("Instalar Canal Seleccionado"));
    Command1->setEnabled(false);
    QGroupBox* Frame9 =
        frame(Frame2, "Frame9", tr("Progress: "), twipsRect(1260, 2940, 1590, 645), bold);
    ProgressBar1 = place(new QProgressBar(Frame9), "ProgressBar1", twipsRect(105, 315, 1380, 225),
                         defaultFont());
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(tr("Install progress"));
}

void Form1::buildConfigurationFrame(QWidget* client) {
    QGroupBox* Frame5 = frame(client, "Frame5", tr("Configuration: "),
                              twipsRect(1575, 3885, 2955, 1170), arial(8.25, true));
    QGroupBox* Frame6 = frame(Frame5, "Frame6", tr("VARNEX 2001 Path: "),
                              twipsRect(105, 210, 2745, 750), defaultFont());
    Ubicacion = place(new QLineEdit(QStringLiteral("D:\\VARNEX 2001"), Frame6), "Ubicacion",
                      twipsRect(105, 315, 2010, 330), defaultFont());
    Ubicacion->setEnabled(false);  // only the folder dialog changes it
    Ubicacion->setAccessibleName(tr("VARNEX 2001 path"));
    QPalette face = Ubicacion->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        face.setColor(group, QPalette::Base, face.color(QPalette::Active, QPalette::Button));
    Ubicacion->setPalette(face);
    Command2 = place(new QPushButton(QStringLiteral("..."), Frame6), "Command2",
                     twipsRect(2205, 315, 435, 330), defaultFont());
    Command2->setToolTip(QStringLiteral("Seleccionar Carpeta"));
    Command2->setAccessibleName(tr("Choose the game folder"));
}

void Form1::buildCredits(QWidget* client) {
    box(client, "Frame7", twipsRect(105, 0, 4425, 120));
    QFrame* Frame8 = box(client, "Frame8", twipsRect(105, 5040, 4425, 1155));
    const QFont linkFont = vbFont(QStringLiteral("MS Sans Serif"), 8.25, true, true);
    place(new QLabel(tr("Created by:"), Frame8), "Label3", twipsRect(105, 210, 1260, 225),
          vbFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    Label4 = place(new LinkLabel(credits::kAuthor, Frame8), "Label4",
                   twipsRect(1155, 210, 3165, 225), linkFont);
    Label4->setToolTip(credits::kAuthor);
    place(new QLabel(credits::kNotice, Frame8), "Label6", twipsRect(90, 495, 4245, 300),
          arial(8.25, true))
        ->setAlignment(Qt::AlignCenter);
    Label1 = place(new LinkLabel(credits::kOfficialSite, Frame8), "Label1",
                   twipsRect(2640, 870, 1665, 225), linkFont);
    Label2 = place(new LinkLabel(credits::kFanSite, Frame8), "Label2",
                   twipsRect(165, 870, 2100, 225), linkFont);
}

void Form1::buildTransferControls(QWidget* client) {
    // The hand-over from the install to the copy step. They lie beyond the right edge
    // of the fixed-size window, and are kept out of the tab order so that the keyboard
    // can never land on an invisible button that copies files.
    Archivo = place(new QLineEdit(QStringLiteral("Archivo"), client), "Archivo",
                    twipsRect(5040, 630, 960, 330), defaultFont());
    Destino = place(new QLineEdit(QStringLiteral("Destino"), client), "Destino",
                    twipsRect(5040, 1050, 960, 330), defaultFont());
    Copia = place(new QPushButton(QStringLiteral("Copiar!"), client), "Copia",
                  twipsRect(5040, 1470, 960, 330), defaultFont());
    for (QWidget* hidden : std::initializer_list<QWidget*>{Archivo, Destino, Copia})
        hidden->setFocusPolicy(Qt::NoFocus);

    for (QPushButton* button : {Command1, Command2, Copia}) button->setAutoDefault(false);
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Ubicacion);
    setTabOrder(Ubicacion, ListView1);
    setTabOrder(ListView1, Command2);
}

void Form1::buildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* mnuConfig = menuBar()->addMenu(tr("Configuration"));
    mnuConfig->setObjectName(QStringLiteral("mnuConfig"));
    mnuUbicaciones = mnuConfig->addAction(tr("&Path..."));
    mnuUbicaciones->setObjectName(QStringLiteral("mnuUbicaciones"));
    mnuUbicaciones->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuRestore = mnuConfig->addAction(tr("&Restore Original Files"));
    mnuRestore->setObjectName(QStringLiteral("mnuRestore"));
    mnuConfig->addSeparator();
    mnuAddSet = mnuConfig->addAction(tr("&Add Channel Set..."));
    mnuAddSet->setObjectName(QStringLiteral("mnuAddSet"));
    mnuRemoveSet = mnuConfig->addAction(tr("Remove Channel Set..."));
    mnuRemoveSet->setObjectName(QStringLiteral("mnuRemoveSet"));

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = mnuHelp->addAction(tr("About Marovix..."));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void Form1::connectHandlers() {
    connect(ListView1, &QListWidget::itemClicked, this, &Form1::ListView1_ItemClick);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Copia, &QPushButton::clicked, this, &Form1::Copia_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Label1, &LinkLabel::clicked, this, &Form1::Label1_Click);
    connect(Label2, &LinkLabel::clicked, this, &Form1::Label2_Click);
    connect(Label4, &LinkLabel::clicked, this, &Form1::Label4_Click);
    connect(mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(mnuUbicaciones, &QAction::triggered, this, &Form1::mnuUbicaciones_Click);
    connect(mnuRestore, &QAction::triggered, this, &Form1::mnuRestore_Click);
    connect(mnuAddSet, &QAction::triggered, this, &Form1::mnuAddSet_Click);
    connect(mnuRemoveSet, &QAction::triggered, this, &Form1::mnuRemoveSet_Click);
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::Form_Load() {
    if (GameFolderSetting::read().isEmpty()) {
        Command2_Click();
    } else {
        Ubicacion->setText(GameFolderSetting::read());
        Ubicacion->setCursorPosition(0);  // a long folder shows its start
    }
    fillChannelList();
    ListView1->setFocus();
}

void Form1::fillChannelList() {
    catalogue_ = Catalogue(programFolder_, toStd(playerSetsFolder()));
    ListView1->clear();
    for (const ChannelSet& channel : catalogue_.sets())
        new QListWidgetItem(ImageList1, toQString(channel.key), ListView1);
    Label5->setText(QStringLiteral("Total: %1").arg(ListView1->count()));
    const auto chosen = ListView1->findItems(Text1->text(), Qt::MatchExactly);
    if (!chosen.isEmpty()) {
        ListView1->setCurrentItem(chosen.first());
        ListView1_ItemClick(chosen.first());  // its files or preview may have changed
    } else if (!Text1->text().isEmpty()) {
        // The chosen set is gone: nothing is chosen now.
        Text1->clear();
        Text1->setEnabled(false);
        Command1->setEnabled(false);
        Image1->clear();
    }
    refreshInstalledMark();
}

void Form1::refreshInstalledMark() {
    markInstalled(installedChannel(gameFolder(), catalogue_));
}

void Form1::markInstalled(const ChannelSet* installed) {
    const QString key = installed ? toQString(installed->key) : QString();
    for (int row = 0; row < ListView1->count(); ++row) {
        QListWidgetItem* item = ListView1->item(row);
        const bool mark = installed && item->text() == key;
        item->setIcon(mark ? installedIcon : ImageList1);
        item->setToolTip(mark ? tr("Installed in the game folder now") : QString());
    }
}

void Form1::ListView1_ItemClick(QListWidgetItem* item) {
    Text1->setEnabled(true);
    Command1->setEnabled(true);
    Text1->setText(item->text());
    const ChannelSet* channel = catalogue_.find(toStd(item->text()));
    if (!channel) return;
    // A preview that cannot be shown leaves the last one; the choice still stands.
    if (const auto picture = loadPreview(channel->preview)) {
        Image1->setPixmap(*picture);
        Image1->resize(picture->size());  // not stretched: Frame4 clips what does not fit
    }
}

void Form1::Command1_Click() {
    // A complete install says which channel is there now; after a partial one the
    // files tell.
    if (const ChannelSet* installed = install(*this, catalogue_))
        markInstalled(installed);
    else
        refreshInstalledMark();
}

void Form1::Copia_Click() {
    runCopyStep();
}

void Form1::Command2_Click() {
    seleccion dialog;
    if (runModal(dialog) != QDialog::Accepted) return;
    Ubicacion->setText(dialog.chosenFolder());
    Ubicacion->setCursorPosition(0);
    QString error;
    if (!GameFolderSetting::write(Ubicacion->text(), &error))
        messageBox(this, dialog.windowTitle(), error, QMessageBox::Warning);
    refreshInstalledMark();
}

void Form1::mnuRestore_Click() {
    restore(*this, catalogue_);
    refreshInstalledMark();
}

void Form1::mnuAddSet_Click() {
    AddSetDialog dialog(this);
    if (runModal(dialog) != QDialog::Accepted) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);  // a big archive takes a moment
    const SetResult added =
        addChannelSet(toStd(playerSetsFolder()), toStd(dialog.source()), toStd(dialog.name()));
    QApplication::restoreOverrideCursor();
    messageBox(this, dialog.windowTitle(), toQString(added.message),
               added.ok ? QMessageBox::Information : QMessageBox::Warning);
    if (added.ok) fillChannelList();
}

void Form1::mnuRemoveSet_Click() {
    const QString title = tr("Remove Channel Set");
    QStringList own;
    for (const ChannelSet& set : catalogue_.sets())
        if (set.playersOwn) own << toQString(set.key);
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
    if (own.contains(Text1->text())) choice.setTextValue(Text1->text());
    if (runModal(choice) != QDialog::Accepted) return;
    const QString name = choice.textValue();
    if (!kestro::askYesNo(this, title,
                          tr("Remove the channel set %1? Its files are deleted from your "
                             "channel sets folder.")
                              .arg(name)))
        return;
    const SetResult removed = removeChannelSet(toStd(playerSetsFolder()), toStd(name));
    messageBox(this, title, toQString(removed.message),
               removed.ok ? QMessageBox::Information : QMessageBox::Warning);
    fillChannelList();
}

void Form1::mnuUbicaciones_Click() {
    Command2_Click();
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
    messageBox(this, QString::fromUtf8(kInstallTitle.data(), kInstallTitle.size()),
               tr("%1 could not be opened: no web browser or mail program answered.").arg(url),
               QMessageBox::Warning);
}

void Form1::mnuAbout_Click() {
    messageBox(this, tr("About..."),
               QStringLiteral("Created by: ") + credits::kAuthor + QStringLiteral(" [") +
                   credits::kEmail + u']',
               QMessageBox::Question);
}

void Form1::mnuExit_Click() {
    close();
}

std::string Form1::selectedChannel() const {
    return toStd(Text1->text());
}
std::string Form1::gameFolder() const {
    return toStd(Ubicacion->text());
}
std::string Form1::destination() const {
    return toStd(Destino->text());
}
std::string Form1::source() const {
    return toStd(Archivo->text());
}
void Form1::setDestination(const std::string& text) {
    Destino->setText(toQString(text));
}
void Form1::setSource(const std::string& text) {
    Archivo->setText(toQString(text));
}

void Form1::setProgress(float value) {
    ProgressBar1->setValue(qRound(value));
    ProgressBar1->repaint();  // the install does not return to the event loop until it ends
}

FileResult Form1::runCopyStep(Digest* written) {
    return copyStep(*this, written);
}

bool Form1::askYesNo(const Message& question) {
    return kestro::askYesNo(this, toQString(question.title), toQString(question.text));
}

void Form1::showMessage(const Message& message) {
    messageBox(this, toQString(message.title), toQString(message.text),
               message.kind == Message::Kind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
}

void Form1::showEvent(QShowEvent* event) {
    if (!centred_) centreOnScreen(*this);
    centred_ = true;
    QMainWindow::showEvent(event);
}

}  // namespace kestro
