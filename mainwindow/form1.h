// The main window: the channel list and preview, the Install button with its
// progress bar, the game folder box, the credits, and the menus.
#pragma once

#include <QIcon>
#include <QMainWindow>

#include "installer.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QMenu;
class QProgressBar;
class QPushButton;

namespace kestro {

class ChannelListView;
class LinkLabel;

class Form1 : public QMainWindow, public InstallView {
    Q_OBJECT
  public:
    // `programFolder` is where the channel folders are; by default the executable's.
    explicit Form1(const QString& programFolder = {}, QWidget* parent = nullptr);

    // Start-up, run once before the window is shown: restores the game folder (or
    // asks for it) and lists the channels.
    void Form_Load();

    // Handlers, one per user action.
    void ListView1_ItemClick(QListWidgetItem* item);
    void Command1_Click();  // Install
    void Copia_Click();     // the copy step
    void Command2_Click();  // "...": the game folder dialog
    void mnuUbicaciones_Click();
    void mnuRestore_Click();
    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // InstallView: the install reads and writes the window through these.
    std::string selectedChannel() const override;
    std::string gameFolder() const override;
    std::string programFolder() const override;
    std::string destination() const override;
    std::string source() const override;
    void setDestination(const std::string& text) override;
    void setSource(const std::string& text) override;
    void setProgress(float value) override;
    FileResult runCopyStep(Digest* written = nullptr) override;
    void showMessage(const Message& message) override;
    bool askYesNo(const Message& question) override;

    // Marks the channel whose files the game folder holds now, if any.
    void refreshInstalledMark();
    void markInstalled(const Channel* installed);

    // Controls, by the names the rest of the program and its tests know them by.
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *Frame9;
    QFrame *Frame7, *Frame8, *Frame10, *Frame11;
    ChannelListView* ListView1;
    QIcon ImageList1;  // the one channel icon
    QIcon installedIcon;
    QLabel *Label3, *Label5, *Label6, *Image1;
    LinkLabel *Label1, *Label2, *Label4;
    QLineEdit *Text1, *Ubicacion, *Archivo, *Destino;
    QPushButton *Command1, *Command2, *Copia;
    QProgressBar* ProgressBar1;
    QMenu *mnuFile, *mnuConfig, *mnuHelp;
    QAction *mnuExit, *mnuUbicaciones, *mnuRestore, *mnuAbout;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls(QWidget* client);
    void buildMenus();
    void openLink(const QString& url);

    std::string programFolder_;
    bool centred_ = false;
};

}  // namespace kestro
