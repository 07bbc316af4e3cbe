// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its handlers, one per user action. The controls are built by
// buildForm1() (form1ui.h); installs and restores report to the window as their observer.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <optional>

#include "form1ui.h"
#include "installer.h"
#include "playersets.h"

class QListWidgetItem;

namespace kestro {

class AddSetDialog;

class Form1 : public QMainWindow, private InstallObserver {
    Q_OBJECT
  public:
    // `programFolder` is where the channel folders are; by default the executable's.
    explicit Form1(const QString& programFolder = {}, QWidget* parent = nullptr);

    // Start-up, run once before the window is shown: restores the game folder (or asks
    // for it) and lists the channels.
    void Form_Load();

  protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ListView1_ItemClick(QListWidgetItem* item);
    void Command1_Click();  // Install
    void Command2_Click();  // "...": the game folder dialog
    void mnuUbicaciones_Click();
    void mnuFindGame_Click();
    void mnuRestore_Click();
    void mnuAddSet_Click();
    void mnuRemoveSet_Click();
    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // The game folder shown and stored, as the folder dialog's OK does.
    void useGameFolder(const QString& folder);
    // The game folder of one install or restore, resolved once; a refusal is reported.
    std::optional<GameFolder> gameFolderFor(Report::Action action,
                                            const ChannelSet* channel = nullptr);
    void addSet(AddSetDialog& dialog);
    void openLink(const QString& url);
    // Reads the channel sets again and lists them, keeping the choice if it is still there.
    void fillChannelList();
    // Marks the channel whose files the game folder holds now, if any.
    void markInstalled(const ChannelSet* installed);
    void showGameFolder(const QString& folder);

    void progress(float value) override;
    void fileStarted(const std::string& destination, const std::string& source) override;
    void fileDone(const FileOutcome&) override {}
    void finished(const Report& report) override;
    bool confirmRestore(const std::string& folder) override;

    Form1Ui ui;
    std::filesystem::path programFolder_;
    PlayerSets playerSets_;
    Catalogue catalogue_;
    bool centred_ = false;
};

}  // namespace kestro
