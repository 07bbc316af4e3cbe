// SPDX-License-Identifier: GPL-3.0-or-later
// Installing a channel into the game folder, and putting the game's own files back. A
// request goes in; what happens comes out to an observer (progress, each file's outcome,
// the report, a question), which hands nothing back but its answers. The texts the
// player reads are made from the report by whoever shows it.
#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "gamefolder.h"
#include "store.h"

namespace kestro {

inline constexpr std::string_view kInstallTitle = "KESTRO 2001";

// How an install or a restore ended.
struct Report {
    enum class Action { Install, Restore };
    enum class Kind {
        Done,        // every file replaced, or every kept file back
        Incomplete,  // some were not (files say which and why)
        Refused,     // nothing was changed but what alsoSetApart names (refusal says why; damage
                     // when Damaged; Cancelled when the player answered no)
        NothingToRestore  // no original was ever kept there
    };
    Action action = Action::Install;
    Kind kind = Kind::Done;
    std::string folder;                   // the game folder as the player gave it
    const ChannelSet* channel = nullptr;  // an install's
    std::vector<FileOutcome> files;
    Error refusal;
    StoreDamage damage;
    // What this run set apart that no file's outcome names (an earlier run's work finished,
    // a second file in one's place); a restore's keptApart: every copy set apart in the store.
    std::vector<std::string> alsoSetApart = {}, keptApart = {};
};

// The report for a game folder text that names no usable folder.
Report unusableFolder(Report::Action action, std::string folder, Error why,
                      const ChannelSet* channel = nullptr);

class InstallObserver {
  public:
    virtual ~InstallObserver() = default;
    virtual void progress(float value) = 0;  // 0 to 100
    // The file being written now: where to (as the player's system shows it) and from.
    virtual void fileStarted(const std::string& destination, const std::string& source) = 0;
    virtual void fileDone(const FileOutcome& outcome) = 0;
    // The end; in a window, modal: it returns once the player has read it.
    virtual void finished(const Report& report) = 0;
    // Whether to put the game's files back in `folder`; true for yes.
    virtual bool confirmRestore(const std::string& folder) = 0;
};

struct InstallRequest {
    std::string channel;  // a key of the catalogue
    GameFolder folder;
};

// Installs the channel into the game folder: the data folders are made where missing,
// each of the channel's files is put in place, the game's own kept first. Returns the
// channel when every one of its files was replaced, else nullptr. A key the catalogue
// does not know only makes the data folders.
const ChannelSet* install(const InstallRequest& request, const Catalogue& catalogue,
                          InstallObserver& observer);

// Asks, then puts the game's kept files back and removes the files installs added, as
// far as they are still what the program wrote. True when nothing is left undone (also
// when there was nothing to restore).
bool restore(const GameFolder& folder, InstallObserver& observer);

// The channel whose files the game folder holds now, or nullptr. Only files whose sizes
// match are read.
const ChannelSet* installedChannel(const GameFolder& folder, const Catalogue& catalogue);

}  // namespace kestro
