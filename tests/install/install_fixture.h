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
    void fileDone(const FileOutcome& outcome) override { files.push_back(outcome); }
    void finished(const Report& report) override { reports.push_back(report); }
    bool confirmRestore(const std::string&) override { return answer; }
};

// A path of the catalogue ("\fox\misc16.fsh") below `root`.
inline fs::path below(const fs::path& root, std::string_view relative) {
    std::string rel(relative.substr(1));
    std::replace(rel.begin(), rel.end(), '\\', '/');
    return root / fromUtf8(rel);
}

class Install : public ::testing::Test {
  protected:
    void SetUp() override {
        copyChannels(programDir());
        fs::create_directories(gameDir());
        game_ = utf8(gameDir());
    }
    fs::path programDir() const { return tmp_.path() / "program"; }
    fs::path gameDir() const { return tmp_.path() / "VARNEX 2001"; }
    fs::path gameFile(size_t slot) const { return below(gameDir(), kGameFiles[slot].path); }
    fs::path keptFile(size_t slot) const {
        return below(gameDir() / "KESTRO backup", kGameFiles[slot].path);
    }
    fs::path setsDir() const { return tmp_.path() / "sets"; }
    Catalogue catalogue() const { return Catalogue(programDir(), PlayerSets(setsDir()).read()); }

    // As the window does: the folder text resolved once, then the request.
    template <typename Run>
    bool inFolder(Report::Action action, Run run) {
        Result<GameFolder> folder = GameFolder::open(game_);
        if (!folder.ok()) seen_.finished(unusableFolder(action, game_, folder.error));
        return folder.ok() && run(folder.value);
    }
    bool install(const std::string& key) {
        sets_ = catalogue();  // read afresh, as the window does after a change
        return inFolder(Report::Action::Install, [&](const GameFolder& folder) {
            return kestro::install({key, folder}, sets_, seen_) != nullptr;
        });
    }
    bool restore() {
        return inFolder(Report::Action::Restore,
                        [&](const GameFolder& folder) { return kestro::restore(folder, seen_); });
    }
    const Report& lastReport() const { return seen_.reports.back(); }

    TempFolder tmp_;
    std::string game_;
    Catalogue sets_{fs::path()};
    Recorder seen_;
};

}  // namespace kestro::test
