// SPDX-License-Identifier: GPL-3.0-or-later
// Where a player's set comes from: a folder, or a .zip, .rar or .7z archive. Only the
// set's five file names are read from it, wherever they are in it, within limits; what
// is read is checked before anything is written.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue.h"
#include "error.h"

namespace kestro {

inline constexpr std::uint64_t kMaxSetSize = 256ull << 20;
// What reading an archive may walk through, skipped entries included: a solid archive
// must unpack everything before the entry wanted.
inline constexpr std::uint64_t kMaxArchiveWalk = 1ull << 30;
inline constexpr int kMaxArchiveEntries = 20000;
// How far into a folder a set's files are looked for, and how many entries at most: a
// set is small, and the player may pick a big folder by mistake.
inline constexpr int kMaxFolderDepth = 6;
inline constexpr int kMaxFolderEntries = 20000;

// What a source holds: the bytes of each of the set's files (by kSetFileNames slot).
struct SetContents {
    std::array<std::optional<std::string>, kSetFileNames.size()> files;
    std::array<std::string, kSetFileNames.size()> places;  // where each was found in the source
    std::uint64_t total = 0;
    int passedOver = 0;  // entries named like a set file that were links, devices,
                         // encrypted, or had ".." in their path
};

// Why a source cannot give a set.
struct SourceProblem {
    static std::string twoPlaces(const std::string& first, const std::string& second) {
        return first + '\0' + second;
    }
    std::pair<std::string, std::string> places() const {  // of FileTwice
        const size_t cut = detail.find('\0');
        return {detail.substr(0, cut), cut == std::string::npos ? detail : detail.substr(cut + 1)};
    }
    enum class What {
        None,
        Missing,         // nothing of that name
        NotASource,      // neither a folder nor a file
        Unreadable,      // error says why, subject what
        TooManyEntries,  // a folder with too many entries to be a set
        FileTwice,       // slot, found at both places in detail, NUL between (no name holds one)
        FileTooLarge,    // slot
        SetTooLarge,     // over kMaxSetSize in all
        EmptyFile,       // slot: a game file of no bytes
        UnknownArchive,  // not an archive of a kind read here
        Encrypted,       // needs a password
        SplitArchive,    // one part of an archive split in several
        Damaged,         // detail says how (the archive reader's words, or where it ends)
        WalkTooLong,     // more than kMaxArchiveWalk to unpack on the way
        TooManyArchiveEntries,
        Cancelled,
    };
    What what = What::None;
    size_t slot = 0;
    Error error;
    std::string detail;
    bool ok() const { return what == What::None; }
};

// Told of the bytes read so far; false stops the reading (Cancelled).
using ReadProgress = std::function<bool(std::uint64_t bytesRead)>;

SourceProblem readSetFolder(const std::filesystem::path& folder, SetContents& contents,
                            const ReadProgress& progress = {});
SourceProblem readSetArchive(std::string_view bytes, SetContents& contents,
                             const ReadProgress& progress = {});
SourceProblem readSetArchiveFile(const std::filesystem::path& file, SetContents& contents,
                                 const ReadProgress& progress = {});

// The set file an entry's path names, by its last part; nullopt for other entries.
// `climbs` is set for a path that goes up with "..".
std::optional<size_t> slotOfEntry(std::string_view path, bool& climbs);

}  // namespace kestro
