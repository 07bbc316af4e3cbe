// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the channel sets as the program folder, a game folder, a folder of the
// player's sets, and the install run as the window runs it, its events recorded.
#pragma once

#include "channels_copy.h"
#include "installer.h"
#include "playersets.h"
#include "scratch.h"

namespace kestro::test {

// Records what the player would see.
class Recorder : public InstallObserver {
  public:
    std::vector<float> bar;
    std::vector<FileOutcome> files;
    std::vector<Report> reports;
    bool answer = true;  // to "put the files back?"

    void progress(float value) override { bar.push_back(value); }
    void fileStarted(const std::string&, const std::string&) override {}
    // What is left as it was, or refused, always says why.
    void fileDone(const FileOutcome& outcome) override {
        using enum FileOutcome::Kind;
        EXPECT_TRUE((outcome.kind != NotReplaced && outcome.kind != NotRestored) ||
                    !outcome.error.ok())
            << outcome.shown;
        files.push_back(outcome);
    }
    void finished(const Report& report) override {
        EXPECT_TRUE(report.kind != Report::Kind::Refused || !report.refusal.ok());
        reports.push_back(report);
    }
    bool confirmRestore(const std::string&) override { return answer; }
};

class Install : public ::testing::Test {
  protected:
    void SetUp() override {
        copyChannels(programDir());
        fs::create_directories(gameDir());
        game_ = utf8(gameDir());
    }
    fs::path programDir() const { return tmp_.path() / "program"; }
    fs::path gameDir() const { return tmp_.path() / "VARNEX 2001"; }
    fs::path gameFile(size_t slot) const { return inData(gameDir(), slot); }
    fs::path keptFile(size_t slot) const { return inData(gameDir() / "KESTRO backup", slot); }
    fs::path setsDir() const { return tmp_.path() / "sets"; }
    Catalogue catalogue() const { return Catalogue(programDir(), PlayerSets(setsDir()).read()); }

    bool install(const std::string& key) {
        sets_ = catalogue();  // read afresh, as the window does after a change
        const Result<GameFolder> folder = openFolder(Report::Action::Install);
        return folder.ok() && kestro::install({key, folder.value}, sets_, seen_) != nullptr;
    }
    bool restore() {
        const Result<GameFolder> folder = openFolder(Report::Action::Restore);
        return folder.ok() && kestro::restore(folder.value, seen_);
    }
    // As the window does: the folder text resolved once, the player told if it is unusable.
    Result<GameFolder> openFolder(Report::Action action) {
        Result<GameFolder> folder = GameFolder::open(game_);
        if (!folder.ok()) seen_.finished(unusableFolder(action, game_, folder.error));
        return folder;
    }
    const Report& lastReport() const { return seen_.reports.back(); }
    static fs::path inData(const fs::path& root, size_t slot) {
        return root / "DATA" / kGameFiles[slot].folder / kGameFiles[slot].name;
    }

    TempFolder tmp_;
    std::string game_;
    Catalogue sets_{fs::path()};
    Recorder seen_;
};

}  // namespace kestro::test
