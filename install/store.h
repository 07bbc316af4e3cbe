// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own channel files, kept before an install first replaces them and put back
// on request. The store is the folder "KESTRO backup" in the game folder: the kept files
// under their game paths (so a player can find them by hand), a state file and a lock
// file. Only the four game files a channel can replace are ever looked at.
//
// What the program wrote is known from its own records alone, never from what a file
// holds: before it puts a file in place it notes, flushed, what it is about to do (the
// digest it is about to write, what was there before); afterwards it notes the outcome.
// A run that finds such an intent left by a run cut short completes or forgets it by
// comparing the file in place with the digest noted. When unsure whose a file is, it
// is kept.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "digest.h"
#include "files.h"
#include "gamefolder.h"

namespace kestro {

inline constexpr std::string_view kStoreFolder = "KESTRO backup";

// What the store knows of one game file.
struct Record {
    enum class Before { Unknown, Kept, Absent };
    Before before = Before::Unknown;  // what the player had before the program wrote there
    std::optional<Digest> kept;       // what the kept copy holds
    std::optional<Digest> written;    // what the program last put in place
    bool authorUnknown = false;  // the state was lost: whose the file in place is, is not known
    struct Intent {
        enum class Op { Keep, Write, PutBack };
        Op op;
        Digest digest;  // what the file named by the operation will hold once it is done
        bool operator==(const Intent&) const = default;
    };
    std::optional<Intent> intent;  // noted before a file is put in place
    bool operator==(const Record&) const = default;
};
using StoreState = std::array<Record, kGameFiles.size()>;

// The state file's text, and back; nullopt and the first line not understood (0 when the
// text was cut short or changed by hand) when it is not what the program writes.
std::string formatState(const StoreState& state);
std::optional<StoreState> parseState(std::string_view text, int& badLine);

// How the store is damaged; nothing is installed or restored then.
struct StoreDamage {
    enum class What {
        None,
        StoreNotAFolder,     // "KESTRO backup" is a file or the like
        LockNotAFile,        // its lock file is a folder, link or the like
        StateNotAFile,       // its state file is a folder, link, pipe or the like
        StateTooLarge,       // larger than the program ever writes
        StateUnreadable,     // error says why
        StateNotUnderstood,  // line says where; 0: cut short, or changed by hand
        KeptNotRecorded,     // a kept copy of `slot` while the state says the game had none
        RecordedNotKept,     // the state says `slot` is kept, but its copy is gone or another
        KeptNotAFile,        // where the kept copy of `slot` belongs is a link, folder or the like
        IntentContradicts,   // a put-back of `slot` noted for another copy than the one kept
        FolderNotAFolder,    // a file or the like where its folder error.subject belongs
        TwoStores,           // error.subject and `other` in the game folder, names that differ
                             // only in letter case
        TwoSpellings,        // so in the store, of one of its folders
        TwoCopies,           // so of the kept copy of `slot`
    };
    What what = What::None;
    size_t slot = 0;
    int line = 0;
    Error error;
    // Of two spellings, the one to move (error.subject is the one to leave), and what it is.
    std::string other = {};
    enum class Other { MayHoldFiles, Empty, NotRecorded, AlsoRecorded, NotAFolder, Unreadable };
    Other otherIs = Other::MayHoldFiles;
    std::string store = {};  // the store as the system lists it, once it was found
};

// What became of one game file.
struct FileOutcome {
    enum class Kind {
        Replaced,     // an install put the channel's file in place
        NotReplaced,  // an install left it as it was (error, stage)
        Restored,     // the kept original is back
        Removed,      // a file installs added where the game had none is gone
        LeftChanged,  // the game or the player changed it since the program wrote it
        NotRestored,  // a restore left it as it was (error, stage)
    };
    enum class Stage { None, Keep, Copy, Note, PutBack, Tidy };
    Kind kind = Kind::NotReplaced;
    size_t slot = 0;
    std::string shown;  // the file as the player's system shows it
    Error error;
    Stage stage = Stage::None;  // which part failed
    std::string setAside;       // an older version, or a file of unknown owner, set apart, as shown
    std::string keptAt = {};    // LeftChanged: the copy kept before the installs, as shown
    bool done() const {
        return kind != Kind::NotReplaced && kind != Kind::NotRestored && kind != Kind::LeftChanged;
    }
};

// One install's or restore's hold on a game folder's store.
class Store {
  public:
    explicit Store(const GameFolder& game) : game_(game) {}

    // Takes the folder's lock (making "KESTRO backup" when `create`), finishes or forgets
    // what a run cut short left, tidies its temporary files and checks the state against
    // the kept files. Locked when another install or restore runs; Link when a link is on
    // the way (subject names it as shown); InStore when the game folder is a store or lies
    // in one, or shares a folder or file with its store (subject names the game's, as
    // shown); Damaged, with damage() saying how. Without `create`, a folder with no store
    // opens empty and unlocked: nothing in it to change.
    Error open(bool create);
    StoreDamage damage() const;

    // Makes DATA, DATA\ENVIRO and DATA\POPUPS where they are missing, one level each;
    // Link when one of them is a link (nothing is made through it).
    Error makeDataFolders();
    // Puts the channel's file `source` in place of game file `slot`, keeping the file
    // there first unless the records say the program wrote it.
    FileOutcome install(size_t slot, const SourceFile& source);

    bool anythingToRestore() const;
    // Puts back each kept original and removes each file installs added, while what is in
    // place is what the program wrote; the rest is left alone. Files with nothing to do
    // are not listed.
    std::vector<FileOutcome> restore();
    // Every copy set apart beside the kept files (older versions, files of unknown owner),
    // as shown, by whichever run set it apart: for the player to put back by hand.
    std::vector<std::string> keptApart();
    // What this run set apart besides what each file's outcome names (finishing an earlier
    // run's work, a second file in one's place), as shown.
    const std::vector<std::string>& alsoSetApart() const { return alsoSetApart_; }

    // Notes the outcomes since the last note. A failure here loses nothing: the intents
    // noted before are completed by the next run.
    Error finish();

    const StoreState& state() const { return state_; }

  private:
    Result<Folder> gameFolder(size_t slot, bool create);
    Result<Folder> keptFolder(size_t slot, bool create);
    std::string shownBelow(const std::string& gamePath, const std::string& found) const;
    std::string shownGameFile(size_t slot) const;
    std::string shownGameFile(size_t slot, const Folder& folder, const std::string& name) const;
    Result<bool> holdsWritten(size_t slot, const Folder& folder, const std::string& name,
                              const FileInfo& info) const;
    Result<bool> holdsSwapped(size_t slot, const Folder& keptIn, const std::string& keptName,
                              const FileInfo& info) const;
    Error keep(size_t slot, const Folder& folder, const std::string& name, const FileInfo& info,
               std::string& setAside);
    std::string asideName(const Folder& folder, size_t slot) const;
    std::string shownInStore(size_t slot, const Folder& folder, const std::string& name) const;
    Error setAside(size_t slot, ReadFile& file, const FileInfo& info, std::string& shown);
    Error keepApart(size_t slot, const Folder& keptIn, const std::string& keptName,
                    std::string& shown);
    Error moveApart(size_t slot, const Folder& from, const std::string& entry, const Folder& keptIn,
                    std::string& shown);
    Error keepTheirs(size_t slot, const Folder& folder, const std::string& name);
    Error linkNamed(size_t slot, Error e) const;
    void setApartNow(size_t slot, const Folder& folder, const std::string& leftover,
                     std::string& shown);
    Error takeUpKept(size_t slot, const Folder& keptIn, const std::string& keptName);
    Error putBack(size_t slot, const Folder& keptIn, const std::string& keptName,
                  const Folder& folder, const std::string& name, const FileInfo& now,
                  FileOutcome& out);
    std::optional<FileOutcome> restoreOne(size_t slot);
    Error checkApart();
    std::string shownAsFound(const Folder& base, const Folder& in, const std::string& entry) const;
    bool twoSpellings(const Folder& in, std::string_view name, StoreDamage::What what,
                      size_t slot = 0);
    int rankOf(const Folder& in, const std::string& entry, StoreDamage::What what,
               size_t slot) const;
    bool recorded(size_t slot, const Folder& folder, const std::string& name) const;
    std::optional<std::pair<Folder, std::string>> copyBelow(const Folder& folder,
                                                            StoreDamage::What what,
                                                            const std::string& entry,
                                                            size_t slot) const;
    int copiesIn(const Folder& folder, StoreDamage::What what, const std::string& entry) const;
    bool twinsInStore();
    Error readState();
    void recover(size_t slot);
    bool checkAgainstFiles();
    Error save();

    const GameFolder& game_;
    Folder store_;
    FileLock lock_;
    StoreState state_{};
    StoreDamage damage_;
    std::string storeShown_;
    bool dirty_ = false;
    std::array<std::optional<Digest>, kGameFiles.size()>
        stale_,    // kept copies a put-back cut short left
        swapped_;  // or what the program wrote, that the put-back took out of its place
    std::array<Error, kGameFiles.size()> untidy_;  // why what a put-back left could not go
    // What the program knew lay in or under a game file's name when a run noted a write or
    // put-back there: the only leftovers of an exchange it takes for its own.
    std::array<std::vector<Digest>, kGameFiles.size()> exchanged_;
    std::vector<std::string> alsoSetApart_;
    bool leftNoted_ = false;   // a put-back whose copy left another's file to keep apart
    bool unrecorded_ = false;  // no state file: nothing says what the program wrote
    std::optional<Folder> data_, storeData_;
    std::array<std::optional<Folder>, 2> gameFolders_, keptFolders_;  // ENVIRO, POPUPS
};

// The folder a game file lies in: 0 for ENVIRO, 1 for POPUPS.
inline size_t folderOf(size_t slot) {
    return kGameFiles[slot].folder == "ENVIRO" ? 0 : 1;
}

}  // namespace kestro
