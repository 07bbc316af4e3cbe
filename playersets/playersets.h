// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own channel sets: each a folder "<NAME>" in the player's sets folder,
// holding some of the game's four channel files and perhaps a preview. A set is added
// from a folder or an archive: its files are read and checked, then written into a
// temporary folder that is renamed into place, so an add either completes or leaves
// nothing. Sources are never used in place.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "files.h"
#include "setsource.h"

namespace kestro {

// Why a text cannot name a set: it must be a file name on every platform, in capitals,
// and short enough for the list.
enum class NameProblem {
    None,
    Empty,
    TooLong,       // more than kMaxSetName characters
    NotText,       // not UTF-8
    BadCharacter,  // \ / : * ? " < > | or a control character
    NotCapitals,
    DotOrSpaceEnd,  // begins or ends with a dot or a space
    Device,         // a name Windows keeps for a device (CON, COM1, ...)
    Twice,          // entries share the name, written with different characters
    LooksLike,      // it would pass for another set's name (SetOutcome::like)
};
inline constexpr size_t kMaxSetName = 32;
NameProblem setNameProblem(std::string_view name);

// The name a set from `source` gets unless the player gives another: the base name of
// the folder or archive (extension dropped), in capitals as far as ASCII goes.
std::string defaultSetName(std::string_view source);

// What came of adding or removing a set.
struct SetOutcome {
    enum class What {
        Added,
        Removed,
        BadName,        // nameProblem
        NameTaken,      // the player has a set of that name already
        NoSuchSet,      // the player has no set of that name
        NoGameFiles,    // the source holds none of the four (passedOver says if some were passed
                        // over)
        SourceProblem,  // source says what
        SetsFolder,     // the sets folder cannot be used: error
        Busy,           // another copy of the program is adding or removing a set
        WriteFailed,    // error
        RemoveFailed,   // error
    };
    What what = What::Added;
    std::string name;
    NameProblem nameProblem = NameProblem::None;
    SourceProblem source;
    Error error;                // added or removed: what of `leftover` could not be deleted
    std::vector<size_t> files;  // added: the slots of the set's files, the preview's too
    int passedOver = 0;
    bool replacesShipped = false;  // named like one of the seven
    std::string leftover;          // tried again at the next change to the sets
    std::string like;              // BadName, LooksLike: the set whose name it would pass for
    bool ok() const { return what == What::Added || what == What::Removed; }
};

class PlayerSets {
  public:
    // `folder` holds the sets; empty when the player has no per-user folder at all.
    explicit PlayerSets(std::filesystem::path folder) : folder_(std::move(folder)) {}
    // The player's own: "KESTRO/channels" in the per-user data folder
    // (~/.local/share, or $XDG_DATA_HOME; %LOCALAPPDATA% on Windows).
    static PlayerSets forThisUser();
    const std::filesystem::path& folder() const { return folder_; }

    // Every entry of the sets folder with a set's name, sorted: a folder, or anything else
    // in its place (a link, a file), so that each can be removed.
    std::vector<std::string> names() const;
    // The sets as the catalogue lists them: one per name, with the game files found in its
    // folder (never through a link). A game file that is empty or larger than any channel
    // file is left out and named in the set's `leftOut`. One that gives no file at all is
    // listed all the same, so that none of the seven stands in for it unsaid.
    std::vector<ChannelSet> read() const;
    // Why the sets folder, where there is one, cannot be read (a link, no folder, locked):
    // every set of the player's is then out of sight. None when it is sound or not made yet.
    Error outOfSight() const;
    // Entries put there by hand under a name no set can have ("fox" for FOX), our own
    // dot-files aside: they are no sets, and a player is told, for one of the seven would
    // otherwise stand in for the set unsaid.
    std::vector<std::pair<std::string, NameProblem>> misnamed() const;

    // Adds the set read from `source` (a folder or an archive) as `name`. `progress` is
    // told of the bytes read and may stop the add, which then leaves nothing behind.
    SetOutcome add(const std::filesystem::path& source, const std::string& name,
                   const ReadProgress& progress = {});
    // Removes the set `name`, files and folder.
    SetOutcome remove(const std::string& name);

  private:
    Result<Folder> opened() const;
    Result<std::vector<std::string>> entries() const;
    std::filesystem::path folder_;
};

}  // namespace kestro
