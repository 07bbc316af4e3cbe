// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "fileops.h"

namespace kestro {
namespace {

constexpr std::string_view kAllOk = "Installation: All OK!";
// Kept exactly as the FOX set has always said it (no accent on the first word).
constexpr std::string_view kFoxDone = "Instalacion de Canal Completada con Éxito";

constexpr std::string_view kMisc16 = kGameFiles[0], kMisc8 = kGameFiles[1],
                           kPopupsAbg = kGameFiles[2], kPopupsBig = kGameFiles[3];

constexpr std::array<CopyStep, 3> kProtv{{
    {kMisc16, "\\protv\\misc16.fsh", 44},
    {kMisc8, "\\protv\\misc8.fsh", 50},
    {kPopupsAbg, "\\protv\\popups.abg", 99},
}};
constexpr std::array<CopyStep, 2> kNtv{{
    {kMisc16, "\\ntv\\Misc16.fsh", 44},
    {kMisc8, "\\ntv\\misc8.fsh", 99},
}};
constexpr std::array<CopyStep, 3> kWizja{{
    {kMisc16, "\\wizja\\misc16.fsh", 44},
    {kMisc8, "\\wizja\\misc8.fsh", 50},
    {kPopupsAbg, "\\wizja\\popups.abg", 99},
}};
constexpr std::array<CopyStep, 1> kCanal{{
    {kMisc16, "\\canal+\\misc16.fsh", 99},
}};
// The SPORTTV set has always lived in "ssporttv", with two s.
constexpr std::array<CopyStep, 2> kSporttv{{
    {kMisc16, "\\ssporttv\\misc16.fsh", 44},
    {kMisc8, "\\ssporttv\\misc8.fsh", 99},
}};
constexpr std::array<CopyStep, 3> kTeleon{{
    {kMisc16, "\\teleon\\misc16.fsh", 44},
    {kMisc8, "\\teleon\\misc8.fsh", 50},
    {kPopupsBig, "\\teleon\\popups.big", 99},
}};
constexpr std::array<CopyStep, 1> kFox{{
    {kMisc16, "\\fox\\misc16.fsh", 99},
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

}  // namespace

std::span<const Channel> channels() {
    return kChannels;
}

const Channel* findChannel(std::string_view key) {
    for (const Channel& channel : kChannels) {
        if (channel.key == key) return &channel;
    }
    return nullptr;
}

std::optional<size_t> slotOf(std::string_view destination) {
    const auto it = std::find(kGameFiles.begin(), kGameFiles.end(), destination);
    if (it == kGameFiles.end()) return std::nullopt;
    return static_cast<size_t>(it - kGameFiles.begin());
}

std::optional<size_t> setFileSlot(std::string_view name) {
    for (size_t slot = 0; slot < kSetFileNames.size(); ++slot)
        if (sameNameIgnoringCase(name, kSetFileNames[slot])) return slot;
    return std::nullopt;
}

namespace {

namespace fs = std::filesystem;

bool validUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80       ? 1
                              : lead >> 5 == 6  ? 2
                              : lead >> 4 == 14 ? 3
                              : lead >> 3 == 30 ? 4
                                                : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// Progress before each of `count` files, as the seven have it: 44, then 50, ..., the
// last at 99.
float progressOf(size_t index, size_t count) {
    return index + 1 == count ? 99.0f : 44.0f + 6.0f * static_cast<float>(index);
}

// A player's set folder read as a set; nullopt when it holds no game file. Only plain
// files (never links) with one of the set's names count.
std::optional<ChannelSet> readPlayerSet(const fs::path& folder, const std::string& text,
                                        const std::string& name) {
    std::array<std::string, kSetFileNames.size()> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (it->symlink_status(kindError).type() != fs::file_type::regular || kindError) continue;
        const std::string file = utf8Text(it->path().filename());
        if (const auto slot = setFileSlot(file);
            slot && (found[*slot].empty() || file < found[*slot]))
            found[*slot] = file;
    }
    ChannelSet set{name, text + "/" + found[kPreviewSlot], {}, kAllOk, true};
    if (found[kPreviewSlot].empty()) set.preview.clear();
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot)
        if (!found[slot].empty())
            set.files.push_back({kGameFiles[slot], text + "/" + found[slot], 0});
    if (set.files.empty()) return std::nullopt;
    for (size_t i = 0; i < set.files.size(); ++i)
        set.files[i].progress = progressOf(i, set.files.size());
    return set;
}

std::map<std::string, ChannelSet> readPlayerSets(const std::string& text) {
    std::map<std::string, ChannelSet> sets;
    const Resolved root = resolvePath(text);
    if (!root.ok()) return sets;
    std::error_code ec;
    for (fs::directory_iterator it(root.path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        const std::string name = utf8Text(it->path().filename());
        if (it->symlink_status(kindError).type() != fs::file_type::directory || kindError ||
            !setNameProblem(name).empty())
            continue;
        if (auto set = readPlayerSet(it->path(), text + "/" + name, name))
            sets.emplace(name, std::move(*set));
    }
    return sets;
}

}  // namespace

std::string setNameProblem(std::string_view name) {
    if (name.empty()) return "The name is empty.";
    if (name.size() > 32) return "The name is longer than 32 characters.";
    if (!validUtf8(name)) return "The name is not valid text.";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return "The name cannot hold \\ / : * ? \" < > | or control characters.";
        if (c >= 'a' && c <= 'z') return "The name must be in capitals.";
    }
    if (name.front() == '.' || name.front() == ' ' || name.back() == '.' || name.back() == ' ')
        return "The name cannot begin or end with a dot or a space.";
    // Windows keeps these for devices, with or without an extension.
    const std::string_view stem = name.substr(0, name.find('.'));
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"})
        if (stem == device) return "Windows keeps the name " + std::string(stem) + " for a device.";
    if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
        stem[3] >= '1' && stem[3] <= '9')
        return "Windows keeps the name " + std::string(stem) + " for a device.";
    return {};
}

Catalogue::Catalogue(const std::string& programFolder, const std::string& playerSets) {
    std::map<std::string, ChannelSet> players = readPlayerSets(playerSets);
    for (const Channel& channel : kChannels) {
        ChannelSet set{std::string(channel.key),
                       programFolder + std::string(channel.previewPath),
                       {},
                       channel.completionMessage,
                       false};
        for (const CopyStep& step : channel.steps) {
            set.files.push_back(
                {step.destination, programFolder + std::string(step.source), step.progress});
            sources_.push_back(set.files.back().source);
        }
        if (const auto own = players.find(set.key); own != players.end()) {
            if (own->second.preview.empty()) own->second.preview = set.preview;
            own->second.completionMessage = set.completionMessage;
            set = std::move(own->second);
            players.erase(own);
        }
        sets_.push_back(std::move(set));
    }
    for (auto& [key, set] : players) sets_.push_back(std::move(set));
    for (const ChannelSet& set : sets_)
        if (set.playersOwn)
            for (const ChannelSet::File& file : set.files) sources_.push_back(file.source);
}

const ChannelSet* Catalogue::find(std::string_view key) const {
    for (const ChannelSet& set : sets_)
        if (set.key == key) return &set;
    return nullptr;
}

}  // namespace kestro
