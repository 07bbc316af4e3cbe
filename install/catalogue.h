// SPDX-License-Identifier: GPL-3.0-or-later
// The channel sets: the seven this program carries, and those the player added.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files.h"

namespace kestro {

// The game files a channel can replace, in a fixed order; a slot is an index here.
struct GameFile {
    std::string_view folder;  // in DATA
    std::string_view name;
    std::string_view path;  // relative to the game folder, begins with '\'
};
inline constexpr std::array<GameFile, 4> kGameFiles{{
    {"ENVIRO", "Misc16.fsh", "\\DATA\\ENVIRO\\Misc16.fsh"},
    {"ENVIRO", "misc8.fsh", "\\DATA\\ENVIRO\\misc8.fsh"},
    {"POPUPS", "popups.abg", "\\DATA\\POPUPS\\popups.abg"},
    {"POPUPS", "popups.big", "\\DATA\\POPUPS\\popups.big"},
}};

// The names a set holds: the game files' names, then the preview's.
inline constexpr std::array<std::string_view, 5> kSetFileNames = {
    kGameFiles[0].name, kGameFiles[1].name, kGameFiles[2].name, kGameFiles[3].name, "preview.jpg"};
inline constexpr size_t kPreviewSlot = 4;
// Which of those `name` is, in any letter case; nullopt for any other name.
std::optional<size_t> slotOfName(std::string_view name);

// One file of a shipped channel: the game file it replaces, where it comes from in the
// program folder, and the progress bar value shown before it.
struct CopyStep {
    size_t slot;
    std::string_view source;  // relative to the program folder, begins with '\'
    float progress;
};

struct Channel {
    std::string_view key;  // list label, compared exactly (case-sensitive, no trimming)
    std::string_view previewPath;
    std::span<const CopyStep> steps;
    std::string_view completionMessage;
};

// The seven shipped channels in the order the list shows them.
std::span<const Channel> channels();

// No channel file is larger: a larger one, the player's or a damaged one, is never installed.
inline constexpr std::uint64_t kMaxChannelFileSize = 64ull << 20;

// A file the program reads: the shipped ones may be reached through links (as packagers
// lay out shared data), the player's never.
struct SourceFile {
    std::filesystem::path path;   // empty when there is none
    bool followLinks = false;     // for the file's own name
    std::filesystem::path below;  // a player's sets folder: no link followed from it down
};

// A shipped file by its path; a player's from their sets folder down, as the list saw it.
Result<ReadFile> openSource(const SourceFile& file);

// A channel set as an install uses it.
struct ChannelSet {
    struct File {
        size_t slot;  // the game file it replaces
        SourceFile source;
        float progress;
    };
    std::string key;
    SourceFile preview;
    std::vector<File> files;
    std::string_view completionMessage;
    bool playersOwn = false;  // from the player's folder (perhaps standing in for one of the seven)
    // A game file of the player's left out, and why: the player is told which of these it is.
    struct LeftOut {
        enum class Why { Empty, TooLarge, NotAFile };
        size_t slot;
        Why why;
        bool operator==(const LeftOut&) const = default;
    };
    std::vector<LeftOut> leftOut;
    // A set of the player's with no game file to install, and none left out either.
    bool givesNothing() const { return files.empty() && leftOut.empty(); }
};

// Progress before each of `count` files, as the seven have it: 44, then 50, ..., the
// last at 99.
float progressOf(size_t index, size_t count);

// The seven from `programFolder` (a real path; each file found there without regard to
// letter case), then the player's sets; a player's set named like one of the seven takes
// its place.
class Catalogue {
  public:
    explicit Catalogue(const std::filesystem::path& programFolder,
                       std::vector<ChannelSet> playersOwn = {});
    const std::vector<ChannelSet>& sets() const { return sets_; }
    const ChannelSet* find(std::string_view key) const;  // exact key, or nullptr

  private:
    std::vector<ChannelSet> sets_;
};

}  // namespace kestro
