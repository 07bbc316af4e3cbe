// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own channel sets: each a folder "<NAME>" in the player's sets folder,
// holding some of the game's four channel files and perhaps a preview. A set is added
// from a folder or an archive (.zip, .rar, .7z): its files are read, checked and
// written into a temporary folder that is then renamed into place, so an add either
// completes or leaves nothing. Sources are never used in place.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue.h"

namespace kestro {

inline constexpr std::uint64_t kMaxSetFileSize = 64ull << 20;
inline constexpr std::uint64_t kMaxSetSize = 256ull << 20;

// What a source holds: the bytes of each of the set's files (by kSetFileNames slot).
struct SetContents {
    std::array<std::optional<std::string>, kSetFileNames.size()> files;
    std::uint64_t total = 0;
    int passedOver = 0;  // entries named like a set file that were links, devices,
                         // encrypted, or had ".." in their path
};

struct SetResult {
    bool ok = false;
    std::string message;  // for the user, either way
};
inline SetResult refuse(std::string why) {
    return {false, std::move(why)};
}

// Reads the set's files out of an archive, anywhere in it; only entries named like one
// of them are read, within the size limits. Refused with the reason when the archive
// is damaged, encrypted, of an unknown kind, or holds a file twice or too much.
SetResult readSetArchive(std::string_view bytes, SetContents& contents);
SetResult readSetArchiveFile(const std::string& path, SetContents& contents);

// The same from a folder and the folders in it; links are never followed.
SetResult readSetFolder(const std::string& path, SetContents& contents);

// The name a set from `source` gets unless the player gives another: the base name of
// the folder or archive (extension dropped), in capitals as far as ASCII goes.
std::string defaultSetName(std::string_view source);

// Adds the set read from `source` (a folder or an archive) as `name` in `playerSets`.
// Refused when the name is not a valid one or already taken, or the source holds none
// of the game's files.
SetResult addChannelSet(const std::string& playerSets, const std::string& source,
                        const std::string& name);

// Removes the player's set `name`, files and folder.
SetResult removeChannelSet(const std::string& playerSets, const std::string& name);

}  // namespace kestro
