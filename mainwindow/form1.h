// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the channel list and preview, the Install button with its
// progress bar, the game folder box, the credits, and the menus. Its controls keep
// the names of the layout (object names too, which is how tests find them).
#pragma once

#include <QIcon>
#include <QMainWindow>

#include "installer.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace kestro {

class ChannelListView;
class LinkLabel;

class Form1 : public QMainWindow, private InstallView {
    Q_OBJECT
  public:
    // `programFolder` is where the channel folders are; by default the executable's.
    explicit Form1(const QString& programFolder = {}, QWidget* parent = nullptr);

    // Start-up, run once before the window is shown: restores the game folder (or
    // asks for it) and lists the channels.
    void Form_Load();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildChannelsFrame(QWidget* client);
    void buildSelectedChannelFrame(QWidget* client);
    void buildConfigurationFrame(QWidget* client);
    void buildCredits(QWidget* client);
    void buildTransferControls(QWidget* client);
    void buildMenus();
    void connectHandlers();

    // Handlers, one per user action.
    void ListView1_ItemClick(QListWidgetItem* item);
    void Command1_Click();  // Install
    void Copia_Click();     // the copy step
    void Command2_Click();  // "...": the game folder dialog
    void mnuUbicaciones_Click();
    void mnuRestore_Click();
    void mnuAddSet_Click();
    void mnuRemoveSet_Click();
    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void openLink(const QString& url);

    // Reads the channel sets again and lists them, keeping the choice if it is still there.
    void fillChannelList();
    // Marks the channel whose files the game folder holds now, if any.
    void refreshInstalledMark();
    void markInstalled(const ChannelSet* installed);

    // InstallView: the install reads and writes the window through these.
    std::string selectedChannel() const override;
    std::string gameFolder() const override;
    std::string destination() const override;
    std::string source() const override;
    void setDestination(const std::string& text) override;
    void setSource(const std::string& text) override;
    void setProgress(float value) override;
    FileResult runCopyStep(Digest* written = nullptr) override;
    void showMessage(const Message& message) override;
    bool askYesNo(const Message& question) override;

    // Controls that handlers use, by their layout names.
    ChannelListView* ListView1;
    QIcon ImageList1;  // the one channel icon
    QIcon installedIcon;
    QLabel *Label5, *Image1;
    LinkLabel *Label1, *Label2, *Label4;
    QLineEdit *Text1, *Ubicacion, *Archivo, *Destino;
    QPushButton *Command1, *Command2, *Copia;
    QProgressBar* ProgressBar1;
    QAction *mnuExit, *mnuUbicaciones, *mnuRestore, *mnuAddSet, *mnuRemoveSet, *mnuAbout;

    std::string programFolder_;
    Catalogue catalogue_;
    bool centred_ = false;
};

}  // namespace kestro
