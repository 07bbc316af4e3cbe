// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: every control at its place in twips, with the names of the
// layout (object names too, which is how tests find them). Form1 holds the handlers.
#pragma once

#include <QIcon>

class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QProgressBar;
class QPushButton;

namespace kestro {

class ChannelListView;
class LinkLabel;

struct Form1Ui {
    ChannelListView* ListView1;
    QIcon ImageList1;  // the one channel icon
    QIcon installedIcon;
    QLabel *Label5, *Image1;
    LinkLabel *Label1, *Label2, *Label4;
    QLineEdit *Text1, *Ubicacion, *Archivo, *Destino;
    QPushButton *Command1, *Command2, *Copia;
    QProgressBar* ProgressBar1;
    QAction *mnuExit, *mnuUbicaciones, *mnuFindGame, *mnuRestore, *mnuAddSet, *mnuRemoveSet,
        *mnuAbout;
};

// Builds the controls and menus in `window`.
Form1Ui buildForm1(QMainWindow& window);

// The font of the selected-channel box, as large as the layout's 20.25 points where the
// name fits, smaller where it would not.
QFont selectedChannelFont(const QString& name, int width);

}  // namespace kestro
