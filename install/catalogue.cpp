// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <algorithm>

#include "files.h"
#include "names.h"
#include "paths.h"

namespace kestro {
namespace {

constexpr std::string_view kAllOk = "Installation: All OK!";
// Kept exactly as the FOX set has always said it (no accent on the first word).
constexpr std::string_view kFoxDone = "Instalacion de Canal Completada con Éxito";

constexpr std::array<CopyStep, 3> kProtv{{
    {0, "\\protv\\misc16.fsh", 44},
    {1, "\\protv\\misc8.fsh", 50},
    {2, "\\protv\\popups.abg", 99},
}};
constexpr std::array<CopyStep, 2> kNtv{{
    {0, "\\ntv\\Misc16.fsh", 44},
    {1, "\\ntv\\misc8.fsh", 99},
}};
constexpr std::array<CopyStep, 3> kWizja{{
    {0, "\\wizja\\misc16.fsh", 44},
    {1, "\\wizja\\misc8.fsh", 50},
    {2, "\\wizja\\popups.abg", 99},
}};
constexpr std::array<CopyStep, 1> kCanal{{
    {0, "\\canal+\\misc16.fsh", 99},
}};
// The SPORTTV set has always lived in "ssporttv", with two s.
constexpr std::array<CopyStep, 2> kSporttv{{
    {0, "\\ssporttv\\misc16.fsh", 44},
    {1, "\\ssporttv\\misc8.fsh", 99},
}};
constexpr std::array<CopyStep, 3> kTeleon{{
    {0, "\\teleon\\misc16.fsh", 44},
    {1, "\\teleon\\misc8.fsh", 50},
    {3, "\\teleon\\popups.big", 99},
}};
constexpr std::array<CopyStep, 1> kFox{{
    {0, "\\fox\\misc16.fsh", 99},
}};

constexpr std::array<Channel, 7> kChannels{{
    {"PROTV", "\\protv\\preview.jpg", kProtv, kAllOk},
    {"NTV", "\\ntv\\preview.jpg", kNtv, kAllOk},
    {"WIZJA", "\\wizja\\preview.jpg", kWizja, kAllOk},
    {"CANAL+", "\\canal+\\preview.jpg", kCanal, kAllOk},
    {"SPORTTV", "\\ssporttv\\preview.jpg", kSporttv, kAllOk},
    {"TELEON", "\\teleon\\preview.jpg", kTeleon, kAllOk},
    {"FOX", "\\fox\\preview.jpg", kFox, kFoxDone},
}};

// A file of the program folder, found without regard to letter case; where it cannot
// be found, the path as written, which then fails to open with the reason.
SourceFile shipped(const std::filesystem::path& programFolder, std::string_view relative) {
    const Result<std::filesystem::path> found =
        resolvePath(utf8Text(programFolder) + std::string(relative));
    return {found.ok() ? found.value : programFolder / utf8Path(relative.substr(1)), true, {}};
}

}  // namespace

Result<ReadFile> openSource(const SourceFile& file) {
    return file.below.empty() ? ReadFile::open(file.path, file.followLinks)
                              : ReadFile::openBelow(file.below, file.path);
}

std::span<const Channel> channels() {
    return kChannels;
}

std::optional<size_t> slotOfName(std::string_view name) {
    for (size_t slot = 0; slot < kSetFileNames.size(); ++slot)
        if (sameNameIgnoringCase(name, kSetFileNames[slot])) return slot;
    return std::nullopt;
}

float progressOf(size_t index, size_t count) {
    return index + 1 == count ? 99.0f : 44.0f + 6.0f * static_cast<float>(index);
}

Catalogue::Catalogue(const std::filesystem::path& programFolder,
                     std::vector<ChannelSet> playersOwn) {
    for (const Channel& channel : kChannels) {
        ChannelSet set{std::string(channel.key),
                       shipped(programFolder, channel.previewPath),
                       {},
                       channel.completionMessage,
                       false,
                       {}};
        for (const CopyStep& step : channel.steps)
            set.files.push_back({step.slot, shipped(programFolder, step.source), step.progress});
        const auto own = std::find_if(playersOwn.begin(), playersOwn.end(),
                                      [&](const ChannelSet& s) { return s.key == set.key; });
        if (own != playersOwn.end()) {
            if (own->preview.path.empty()) own->preview = set.preview;
            own->completionMessage = set.completionMessage;
            set = std::move(*own);
            playersOwn.erase(own);
        }
        sets_.push_back(std::move(set));
    }
    for (ChannelSet& set : playersOwn) {
        set.completionMessage = kAllOk;
        sets_.push_back(std::move(set));
    }
}

const ChannelSet* Catalogue::find(std::string_view key) const {
    for (const ChannelSet& set : sets_)
        if (set.key == key) return &set;
    return nullptr;
}

}  // namespace kestro
