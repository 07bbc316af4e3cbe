// SPDX-License-Identifier: GPL-3.0-or-later
// The channel sets: the seven this program carries, and those the player added.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestro {

// One file of an install: where it goes in the game folder, where it comes
// from in the program folder, and the progress bar value shown before it.
struct CopyStep {
    std::string_view destination;  // relative to the game folder, begins with '\'
    std::string_view source;       // relative to the program folder, begins with '\'
    float progress;
};

struct Channel {
    std::string_view key;  // list label, compared exactly (case-sensitive, no trimming)
    std::string_view previewPath;
    std::span<const CopyStep> steps;
    std::string_view completionMessage;
};

// The channels in the order the list shows them.
std::span<const Channel> channels();

// The channel whose key equals `key` exactly, or nullptr.
const Channel* findChannel(std::string_view key);

// The game files a channel can replace, in a fixed order; a slot is an index here.
inline constexpr std::array<std::string_view, 4> kGameFiles = {
    "\\DATA\\ENVIRO\\Misc16.fsh", "\\DATA\\ENVIRO\\misc8.fsh", "\\DATA\\POPUPS\\popups.abg",
    "\\DATA\\POPUPS\\popups.big"};
std::optional<size_t> slotOf(std::string_view destination);

// The file name of each game file, then the preview's: the names a player's set holds.
constexpr std::string_view fileNameOf(std::string_view path) {
    return path.substr(path.rfind('\\') + 1);
}
inline constexpr std::array<std::string_view, 5> kSetFileNames = {
    fileNameOf(kGameFiles[0]), fileNameOf(kGameFiles[1]), fileNameOf(kGameFiles[2]),
    fileNameOf(kGameFiles[3]), "preview.jpg"};
inline constexpr size_t kPreviewSlot = 4;
// Which of those `name` is, in any letter case; nullopt for any other name.
std::optional<size_t> setFileSlot(std::string_view name);

// A channel set as an install uses it, its files' paths written out in full.
struct ChannelSet {
    struct File {
        std::string_view destination;  // one of kGameFiles
        std::string source;
        float progress;
    };
    std::string key;
    std::string preview;  // may name no file
    std::vector<File> files;
    std::string_view completionMessage;
    bool playersOwn = false;  // from the player's folder (perhaps standing in for one of the seven)
};

// Why `name` cannot name a player's set, or empty when it can: it must be a file name
// on every platform, in capitals, and short enough for the list.
std::string setNameProblem(std::string_view name);

// The seven from the program folder, then the player's sets: each folder of
// `playerSets` whose name is a valid set name and that holds at least one game file.
// A player's set named like one of the seven takes its place.
class Catalogue {
  public:
    explicit Catalogue(const std::string& programFolder, const std::string& playerSets = {});
    const std::vector<ChannelSet>& sets() const { return sets_; }
    const ChannelSet* find(std::string_view key) const;  // exact key, or nullptr
    // Every file a set can install, the seven's own included where a player's set
    // stands in for them: what counts as something the program wrote.
    const std::vector<std::string>& everySource() const { return sources_; }

  private:
    std::vector<ChannelSet> sets_;
    std::vector<std::string> sources_;
};

}  // namespace kestro
