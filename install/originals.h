// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own channel files, kept before an install first replaces them and put
// back on request. The store is the folder "KESTRO backup" in the game folder: the kept
// files under their game paths (so a player can find them by hand), a small state file
// and a lock file. Only the four game files a channel can replace are ever looked at;
// nothing in the store names a file or a path.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "fileops.h"

namespace kestro {

inline constexpr std::string_view kBackupFolder = "\\KESTRO backup";

// What the store knows of one game file.
struct Record {
    enum class Before { Unknown, Kept, Absent };
    Before before = Before::Unknown;  // what the player had before the program wrote there
    std::optional<Digest> written;    // what the program last wrote there
    bool operator==(const Record&) const = default;
};
using StoreState = std::array<Record, 4>;

// The state file's text, and back. Anything unexpected makes it damaged (`why` says
// what).
std::string formatState(const StoreState& state);
std::optional<StoreState> parseState(std::string_view text, std::string& why);

struct RestoreOutcome {
    std::string file;  // relative to the game folder, begins with '\'
    enum class Action { Restored, Removed, LeftAlone } action;
    FileResult result;  // for LeftAlone, why
};

// One install or restore's hold on a game folder's store.
class OriginalsStore {
  public:
    // `channelFiles`: every file an install can write (Catalogue::everySource()).
    OriginalsStore(std::string gameFolder, std::vector<std::string> channelFiles);

    // Takes the folder's lock (creating the store when `create`), tidies temporaries a
    // crash left beside the files it owns and reads the state. Locked when another
    // install or restore runs; StoreDamaged (see damage()) when the state is not
    // what the program wrote. Without `create`, a folder with no store opens empty
    // and unlocked: there is nothing in it to change.
    FileResult open(bool create);
    const std::string& damage() const { return damage_; }

    // Before a channel's file replaces game file `slot`: the player's own file becomes
    // the kept original. A failure means the file must not be replaced.
    FileResult keep(size_t slot);
    // After the copy of game file `slot` succeeded.
    FileResult recordWritten(size_t slot, const Digest& written);

    // Whether anything is known to restore.
    bool anythingToRestore() const;
    // Puts back each kept original, and removes each file the program added, while the
    // file in place is still something the program wrote; the others are left alone.
    std::vector<RestoreOutcome> restore();

  private:
    enum class Holds { Nothing, Ours, PlayersOwn, NotAFile };
    Holds holds(size_t slot, Digest* digest = nullptr);
    bool isChannelFile(const Digest& digest);
    std::string gameFile(size_t slot) const;
    std::string keptFile(size_t slot) const;
    std::string storeFile(std::string_view name) const;
    FileResult saveState();
    void readLegacyState();
    bool concerns(size_t slot, Holds now) const;
    RestoreOutcome restoreOne(size_t slot, Holds now, const Digest& current);

    std::string game_;
    StoreState state_{};
    std::array<bool, 4> wasAbsent_{};
    FileLock lock_;
    std::string damage_;
    std::vector<std::pair<std::string, std::optional<Digest>>> channelDigests_;  // cache
};

// The channel whose files the game folder holds now, or nullptr. Only files whose
// sizes match are read.
const ChannelSet* installedChannel(const std::string& gameFolder, const Catalogue& catalogue);

}  // namespace kestro
