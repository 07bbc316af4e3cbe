// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1ui.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

#include "channellist.h"
#include "credits.h"
#include "linklabel.h"
#include "look.h"
#include "window.h"

// The icons live in this static library; make sure the linker keeps them.
static void initIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace kestro {
namespace {

// The layout's own captions are the window's identity and stay as they are in every
// language; what this program added to it is translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

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

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                 const QFont& f) {
    return place(new CaptionFrame(QString::fromLatin1(caption), parent), name, geometry, f);
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

void buildChannelsFrame(QWidget* client, Form1Ui& ui) {
    QGroupBox* Frame1 =
        frame(client, "Frame1", "Channels: ", twipsRect(105, 210, 1485, 4845), arial(8.25, true));
    ui.ListView1 =
        place(new ChannelListView(Frame1), "ListView1", twipsRect(105, 315, 1275, 3900), arial());
    ui.ListView1->setAccessibleName(Texts::tr("Channels"));
    QPalette listColours = ui.ListView1->palette();
    listColours.setColor(QPalette::Base, Qt::white);
    // In the window-text colour, unless a dark or high-contrast theme makes that too light to
    // read on white (a contrast under 4.5 to 1): then in black.
    const QColor text = client->palette().color(QPalette::WindowText);
    const auto linear = [](float c) {
        return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
    };
    const float luminance = 0.2126f * linear(text.redF()) + 0.7152f * linear(text.greenF()) +
                            0.0722f * linear(text.blueF());
    listColours.setColor(QPalette::Text, luminance > 0.18f ? QColor(Qt::black) : text);
    ui.ListView1->setPalette(listColours);
    box(Frame1, "Frame10", twipsRect(105, 4200, 1275, 120));
    ui.Label5 = place(new QLabel(QStringLiteral("Label5"), Frame1), "Label5",
                      twipsRect(105, 4410, 1275, 330), defaultFont());
}

void buildSelectedChannelFrame(QWidget* client, Form1Ui& ui) {
    const QFont bold = arial(8.25, true);
    QGroupBox* Frame2 =
        frame(client, "Frame2", "Selected Channel: ", twipsRect(1575, 210, 2955, 3690), bold);
    ui.Text1 =
        place(new QLineEdit(Frame2), "Text1", twipsRect(105, 210, 2745, 555), arial(20.25, true));
    ui.Text1->setReadOnly(true);  // only the channel list sets it
    ui.Text1->setAlignment(Qt::AlignCenter);
    ui.Text1->setEnabled(false);
    ui.Text1->setAccessibleName(Texts::tr("Selected channel"));
    QGroupBox* Frame4 = frame(Frame2, "Frame4", "Preview: ", twipsRect(105, 840, 2745, 1905), bold);
    ui.Image1 = place(new QLabel(Frame4), "Image1", twipsRect(105, 210, 2535, 1590), defaultFont());
    ui.Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.Image1->setAccessibleName(Texts::tr("Channel preview"));
    box(Frame2, "Frame11", twipsRect(105, 2730, 2745, 225));
    QGroupBox* Frame3 = frame(Frame2, "Frame3", "Options: ", twipsRect(105, 2940, 1065, 645), bold);
    ui.Command1 = place(new QPushButton(QStringLiteral("&Install"), Frame3), "Command1",
                        twipsRect(105, 210, 855, 330), defaultFont());
    ui.Command1->setToolTip(QStringLiteral("Instalar Canal Seleccionado"));
    ui.Command1->setEnabled(false);
    QGroupBox* Frame9 =
        frame(Frame2, "Frame9", "Progress: ", twipsRect(1260, 2940, 1590, 645), bold);
    ui.ProgressBar1 = place(new QProgressBar(Frame9), "ProgressBar1",
                            twipsRect(105, 315, 1380, 225), defaultFont());
    ui.ProgressBar1->setRange(0, 100);
    ui.ProgressBar1->setValue(0);
    ui.ProgressBar1->setTextVisible(false);
    ui.ProgressBar1->setAccessibleName(Texts::tr("Install progress"));
}

void buildConfigurationFrame(QWidget* client, Form1Ui& ui) {
    QGroupBox* Frame5 = frame(
        client, "Frame5", "Configuration: ", twipsRect(1575, 3885, 2955, 1170), arial(8.25, true));
    QGroupBox* Frame6 = frame(Frame5, "Frame6",
                              "VARNEX 2001 Path: ", twipsRect(105, 210, 2745, 750), defaultFont());
    ui.Ubicacion = place(new QLineEdit(QStringLiteral("D:\\VARNEX 2001"), Frame6), "Ubicacion",
                         twipsRect(105, 315, 2010, 330), defaultFont());
    ui.Ubicacion->setEnabled(false);  // only the folder dialog changes it
    ui.Ubicacion->setAccessibleName(Texts::tr("VARNEX 2001 path"));
    QPalette face = ui.Ubicacion->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        face.setColor(group, QPalette::Base, face.color(QPalette::Active, QPalette::Button));
    ui.Ubicacion->setPalette(face);
    ui.Command2 = place(new QPushButton(QStringLiteral("..."), Frame6), "Command2",
                        twipsRect(2205, 315, 435, 330), defaultFont());
    ui.Command2->setToolTip(QStringLiteral("Seleccionar Carpeta"));
    ui.Command2->setAccessibleName(Texts::tr("Choose the game folder"));
}

void buildCredits(QWidget* client, Form1Ui& ui) {
    box(client, "Frame7", twipsRect(105, 0, 4425, 120));
    QFrame* Frame8 = box(client, "Frame8", twipsRect(105, 5040, 4425, 1155));
    const QFont linkFont = vbFont(QStringLiteral("MS Sans Serif"), 8.25, true, true);
    place(new QLabel(QStringLiteral("Created by:"), Frame8), "Label3",
          twipsRect(105, 210, 1260, 225), vbFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    ui.Label4 = place(new LinkLabel(credits::kAuthor, Frame8), "Label4",
                      twipsRect(1155, 210, 3165, 225), linkFont);
    ui.Label4->setToolTip(credits::kAuthor);
    place(new QLabel(credits::kNotice, Frame8), "Label6", twipsRect(90, 495, 4245, 300),
          arial(8.25, true))
        ->setAlignment(Qt::AlignCenter);
    ui.Label1 = place(new LinkLabel(credits::kOfficialSite, Frame8), "Label1",
                      twipsRect(2640, 870, 1665, 225), linkFont);
    ui.Label2 = place(new LinkLabel(credits::kFanSite, Frame8), "Label2",
                      twipsRect(165, 870, 2100, 225), linkFont);
}

void buildTransferControls(QWidget* client, Form1Ui& ui) {
    // They mirror the file an install is writing, for anyone who looks. They lie beyond the
    // right edge of the fixed-size window, out of the tab order, so that the keyboard can
    // never land on an invisible control.
    ui.Archivo = place(new QLineEdit(QStringLiteral("Archivo"), client), "Archivo",
                       twipsRect(5040, 630, 960, 330), defaultFont());
    ui.Destino = place(new QLineEdit(QStringLiteral("Destino"), client), "Destino",
                       twipsRect(5040, 1050, 960, 330), defaultFont());
    ui.Copia = place(new QPushButton(QStringLiteral("Copiar!"), client), "Copia",
                     twipsRect(5040, 1470, 960, 330), defaultFont());
    for (QWidget* hidden : std::initializer_list<QWidget*>{ui.Archivo, ui.Destino, ui.Copia})
        hidden->setFocusPolicy(Qt::NoFocus);

    for (QPushButton* button : {ui.Command1, ui.Command2, ui.Copia}) button->setAutoDefault(false);
    QWidget::setTabOrder(ui.Command1, ui.Text1);
    QWidget::setTabOrder(ui.Text1, ui.Ubicacion);
    QWidget::setTabOrder(ui.Ubicacion, ui.ListView1);
    QWidget::setTabOrder(ui.ListView1, ui.Command2);
}

QAction* entry(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void buildMenus(QMainWindow& window, Form1Ui& ui) {
    QMenu* mnuFile = window.menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    ui.mnuExit = entry(mnuFile, QStringLiteral("E&xit"), "mnuExit");
    ui.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* mnuConfig = window.menuBar()->addMenu(QStringLiteral("Configuration"));
    mnuConfig->setObjectName(QStringLiteral("mnuConfig"));
    ui.mnuUbicaciones = entry(mnuConfig, QStringLiteral("&Path..."), "mnuUbicaciones");
    ui.mnuUbicaciones->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    ui.mnuFindGame = entry(mnuConfig, Texts::tr("&Find Game Folder..."), "mnuFindGame");
    ui.mnuRestore = entry(mnuConfig, Texts::tr("&Restore Original Files"), "mnuRestore");
    mnuConfig->addSeparator();
    ui.mnuAddSet = entry(mnuConfig, Texts::tr("&Add Channel Set..."), "mnuAddSet");
    ui.mnuRemoveSet = entry(mnuConfig, Texts::tr("Re&move Channel Set..."), "mnuRemoveSet");

    QMenu* mnuHelp = window.menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    ui.mnuAbout = entry(mnuHelp, QStringLiteral("About Marovix..."), "mnuAbout");
}

}  // namespace

Form1Ui buildForm1(QMainWindow& window) {
    initIcons();
    Form1Ui ui;
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("Marovix 2001 v1.0b"));
    window.setWindowIcon(icon("kestro"));
    // A fixed dialog border: close box and system menu, no minimize or maximize.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFont(defaultFont());
    ui.ImageList1 = icon("channel");
    ui.installedIcon = icon("installed");

    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsSize(4650, 6240));
    window.setCentralWidget(client);
    buildChannelsFrame(client, ui);
    buildSelectedChannelFrame(client, ui);
    buildConfigurationFrame(client, ui);
    buildCredits(client, ui);
    buildTransferControls(client, ui);
    buildMenus(window, ui);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    return ui;
}

QFont selectedChannelFont(const QString& name, int width) {
    QFont font = arial(20.25, true);
    // Down to the list's own size, a point at a time, until the whole name fits.
    while (font.pointSizeF() > 9 && QFontMetrics(font).horizontalAdvance(name) > width)
        font.setPointSizeF(font.pointSizeF() - 1);
    return font;
}

}  // namespace kestro
