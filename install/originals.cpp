// SPDX-License-Identifier: GPL-3.0-or-later
#include "originals.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace kestro {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kStateFile = "state.txt";
constexpr std::string_view kLockFile = "kestro.lock";
constexpr std::string_view kLegacyManifest = "created.txt";  // written by version 1.0
constexpr size_t kStateLimit = 64 * 1024;
constexpr std::string_view kStateHeader =
    "# KESTRO 2001: the game's own channel files before installs, and what installs wrote.\n";

std::string_view fileName(size_t slot) {
    return kGameFiles[slot].substr(kGameFiles[slot].rfind('\\') + 1);
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

bool parseHex(std::string_view text, std::uint64_t& value) {
    if (text.size() != 16 || text.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return false;
    return std::from_chars(text.data(), text.data() + text.size(), value, 16).ec == std::errc();
}

std::optional<Digest> parseDigest(std::string_view text) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::string_view size = text.substr(0, space), hash = text.substr(space + 1);
    Digest digest;
    const auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), digest.size);
    if (size.empty() || ec != std::errc() || end != size.data() + size.size() ||
        hash.size() != 32 || !parseHex(hash.substr(0, 16), digest.high) ||
        !parseHex(hash.substr(16), digest.low))
        return std::nullopt;
    return digest;
}

// Creates each missing folder of `relative` (begins with '\') below `base`; a link where
// a folder belongs is refused, so nothing is ever written outside through one.
FileResult createPlainFolders(const std::string& base, std::string_view relative) {
    std::string path = base;
    for (size_t start = 1; start <= relative.size();) {
        size_t end = relative.find('\\', start);
        if (end == std::string_view::npos) end = relative.size();
        path += "\\" + std::string(relative.substr(start, end - start));
        switch (entryKind(path)) {
            case EntryKind::Folder:
                break;
            case EntryKind::Missing:
                if (const FileResult r = createFolder(path); !r.ok()) return r;
                break;
            default:
                return {FileError::StoreDamaged, 0};
        }
        start = end + 1;
    }
    return {};
}

// The folders on the way from `base` to `relativeFile`: Folder when all are plain
// folders, Missing when one is not there yet, Other when something else (a link, which
// could lead anywhere) is in the way.
EntryKind foldersOnTheWay(const std::string& base, std::string_view relativeFile) {
    std::string path = base;
    for (size_t start = 1, end; (end = relativeFile.find('\\', start)) != std::string_view::npos;
         start = end + 1) {
        path += "\\" + std::string(relativeFile.substr(start, end - start));
        if (const EntryKind kind = entryKind(path); kind != EntryKind::Folder)
            return kind == EntryKind::Missing ? kind : EntryKind::Other;
    }
    return EntryKind::Folder;
}

}  // namespace

std::string formatState(const StoreState& state) {
    std::string text(kStateHeader);
    for (size_t slot = 0; slot < state.size(); ++slot) {
        const Record& record = state[slot];
        const std::string name(fileName(slot));
        if (record.before != Record::Before::Unknown)
            text += name +
                    ".before=" + (record.before == Record::Before::Kept ? "kept" : "absent") + "\n";
        if (record.written)
            text += name + ".written=" + std::to_string(record.written->size) + " " +
                    hex(record.written->high) + hex(record.written->low) + "\n";
    }
    return text;
}

std::optional<StoreState> parseState(std::string_view text, std::string& why) {
    StoreState state{};
    std::array<std::array<bool, 2>, 4> seen{};
    size_t number = 0;
    while (!text.empty()) {
        ++number;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.starts_with('#')) continue;
        const size_t dot = line.find('.'), equals = line.find('=');
        std::optional<size_t> slot;
        for (size_t s = 0; s < kGameFiles.size() && dot != std::string_view::npos; ++s)
            if (line.substr(0, line.find('.', dot + 1)) == fileName(s)) slot = s;
        bool understood = slot && equals != std::string_view::npos;
        if (understood) {
            const std::string_view name = fileName(*slot);
            const std::string_view key = line.substr(name.size(), equals - name.size());
            const std::string_view value = line.substr(equals + 1);
            Record& record = state[*slot];
            const int field = key == ".before" ? 0 : key == ".written" ? 1 : -1;
            understood = field >= 0 && !seen[*slot][field];
            if (understood) seen[*slot][field] = true;
            if (field == 0) {
                record.before = value == "kept"     ? Record::Before::Kept
                                : value == "absent" ? Record::Before::Absent
                                                    : Record::Before::Unknown;
                understood = understood && record.before != Record::Before::Unknown;
            } else if (field == 1) {
                record.written = parseDigest(value);
                understood = understood && record.written.has_value();
            }
        }
        if (!understood) {
            why = "line " + std::to_string(number) + " is not understood";
            return std::nullopt;
        }
    }
    return state;
}

OriginalsStore::OriginalsStore(std::string gameFolder, std::vector<std::string> channelFiles)
    : game_(std::move(gameFolder)) {
    for (std::string& file : channelFiles) channelDigests_.emplace_back(std::move(file), std::nullopt);
}

std::string OriginalsStore::gameFile(size_t slot) const {
    return game_ + std::string(kGameFiles[slot]);
}
std::string OriginalsStore::keptFile(size_t slot) const {
    return game_ + std::string(kBackupFolder) + std::string(kGameFiles[slot]);
}
std::string OriginalsStore::storeFile(std::string_view name) const {
    return game_ + std::string(kBackupFolder) + "\\" + std::string(name);
}

FileResult OriginalsStore::open(bool create) {
    const std::string folder = game_ + std::string(kBackupFolder);
    switch (entryKind(folder)) {
        case EntryKind::Folder:
            break;
        case EntryKind::Missing:
            if (!create) return {};
            if (const FileResult r = createFolder(folder); !r.ok()) return r;
            break;
        default:
            damage_ = "\"KESTRO backup\" is not a plain folder";
            return {FileError::StoreDamaged, 0};
    }
    if (const FileResult r = lock_.lock(storeFile(kLockFile)); !r.ok()) {
        if (r.error == FileError::NotAFile) damage_ = "its lock file is not a plain file";
        return r.error == FileError::NotAFile ? FileResult{FileError::StoreDamaged, 0} : r;
    }
    std::string text;
    const FileResult read = readSmallFile(storeFile(kStateFile), kStateLimit, text);
    if (read.error == FileError::SourceMissing) readLegacyState();
    if (read.error == FileError::NotAFile)
        damage_ = "its state file is not a plain file";
    else if (read.error == FileError::FileTooLarge)
        damage_ = "its state file is larger than 64 KiB";
    else if (!read.ok() && read.error != FileError::SourceMissing)
        damage_ = "its state file cannot be read (" + describe(read) + ")";
    else if (const auto state = parseState(text, damage_))
        state_ = read.ok() ? *state : state_;
    else
        damage_ = "its state file: " + damage_;
    if (!damage_.empty()) return {FileError::StoreDamaged, 0};
    // Only the lock's holder tidies, so no running copy loses its temporary file.
    removeLeftoverTemporaries(storeFile(kStateFile));
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        removeLeftoverTemporaries(gameFile(slot));
        removeLeftoverTemporaries(keptFile(slot));
    }
    return {};
}

// A store without a state file: one from version 1.0, or one whose state file was
// lost. The kept files say what was kept; the old list of created files is matched
// line by line against the four names, never taken as a path.
void OriginalsStore::readLegacyState() {
    std::string created;
    if (!readSmallFile(storeFile(kLegacyManifest), kStateLimit, created).ok()) created.clear();
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        const std::string line = std::string(kGameFiles[slot]);
        if (entryKind(keptFile(slot)) == EntryKind::File)
            state_[slot].before = Record::Before::Kept;
        else if (created.find(line + "\r\n") != std::string::npos)
            state_[slot].before = Record::Before::Absent;
    }
}

FileResult OriginalsStore::saveState() {
    return writeWholeFile(storeFile(kStateFile), formatState(state_));
}

bool OriginalsStore::isChannelFile(const Digest& digest) {
    for (auto& [file, known] : channelDigests_) {
        if (!known) {
            // Sizes first: a channel file is read only when it could be the same.
            const Resolved path = resolvePath(file);
            std::error_code ec;
            if (!path.ok() || fs::file_size(path.path, ec) != digest.size || ec) continue;
            Digest d;
            if (!digestFile(file, d, true).ok()) continue;
            known = d;
        }
        if (*known == digest) return true;
    }
    return false;
}

OriginalsStore::Holds OriginalsStore::holds(size_t slot, Digest* digest) {
    switch (foldersOnTheWay(game_, kGameFiles[slot])) {
        case EntryKind::Folder:
            break;
        case EntryKind::Missing:
            return Holds::Nothing;
        default:
            return Holds::NotAFile;
    }
    switch (entryKind(gameFile(slot))) {
        case EntryKind::Missing:
            return Holds::Nothing;
        case EntryKind::File:
            break;
        default:
            return Holds::NotAFile;
    }
    Digest d;
    if (!digestFile(gameFile(slot), d).ok()) return Holds::NotAFile;
    if (digest) *digest = d;
    return state_[slot].written == d || isChannelFile(d) ? Holds::Ours : Holds::PlayersOwn;
}

FileResult OriginalsStore::keep(size_t slot) {
    const Holds now = holds(slot);
    wasAbsent_[slot] = now == Holds::Nothing;
    if (now == Holds::NotAFile)
        return {entryKind(gameFile(slot)) == EntryKind::Folder ? FileError::DestinationIsFolder
                                                               : FileError::NotAFile,
                0};
    if (now != Holds::PlayersOwn) return {};
    const std::string_view file = kGameFiles[slot];
    if (const FileResult r = createPlainFolders(game_ + std::string(kBackupFolder),
                                                file.substr(0, file.rfind('\\')));
        !r.ok())
        return r;
    if (entryKind(keptFile(slot)) == EntryKind::Folder) return {FileError::DestinationIsFolder, 0};
    if (const FileResult r = replaceFile(gameFile(slot), keptFile(slot)); !r.ok()) return r;
    state_[slot].before = Record::Before::Kept;
    return saveState();
}

FileResult OriginalsStore::recordWritten(size_t slot, const Digest& written) {
    Record& record = state_[slot];
    record.written = written;
    if (record.before == Record::Before::Unknown && wasAbsent_[slot])
        record.before = Record::Before::Absent;
    return saveState();
}

RestoreOutcome OriginalsStore::restoreOne(size_t slot, Holds now, const Digest& current) {
    using Action = RestoreOutcome::Action;
    const std::string file(kGameFiles[slot]);
    Record& record = state_[slot];
    if (now == Holds::NotAFile) return {file, Action::LeftAlone, {FileError::NotAFile, 0}};
    if (record.before == Record::Before::Unknown)
        return {file, Action::LeftAlone, {FileError::NoOriginalKept, 0}};

    if (record.before == Record::Before::Kept) {
        const bool keptThere = foldersOnTheWay(game_ + std::string(kBackupFolder),
                                               kGameFiles[slot]) == EntryKind::Folder &&
                               entryKind(keptFile(slot)) == EntryKind::File;
        // Already back (a restore cut short after putting it back): only tidy up. The
        // kept copy is read for that alone.
        Digest kept;
        const bool alreadyBack = keptThere && now == Holds::PlayersOwn &&
                                 digestFile(keptFile(slot), kept).ok() && current == kept;
        if (!alreadyBack) {
            if (now == Holds::PlayersOwn)
                return {file, Action::LeftAlone, {FileError::ChangedSince, 0}};
            if (!keptThere) return {file, Action::Restored, {FileError::OriginalMissing, 0}};
            resetAttributes(gameFile(slot));
            // The kept copy is on the same disk: it goes back without its data being copied.
            if (const FileResult r = replaceFileSharing(keptFile(slot), gameFile(slot)); !r.ok())
                return {file, Action::Restored, r};
        }
        record = {};
        if (const FileResult r = saveState(); !r.ok()) return {file, Action::Restored, r};
        removeFile(keptFile(slot));  // only now that the file is back and the state says so
        return {file, Action::Restored, {}};
    }
    // Added where the game had none: removed while it is still ours.
    if (now == Holds::PlayersOwn) return {file, Action::LeftAlone, {FileError::ChangedSince, 0}};
    if (now == Holds::Ours) {
        resetAttributes(gameFile(slot));
        if (const FileResult r = removeFile(gameFile(slot)); !r.ok())
            return {file, Action::Removed, r};
    }
    record = {};
    return {file, Action::Removed, saveState()};
}

bool OriginalsStore::concerns(size_t slot, Holds now) const {
    return state_[slot].before != Record::Before::Unknown || now == Holds::Ours;
}

bool OriginalsStore::anythingToRestore() const {
    return std::any_of(state_.begin(), state_.end(), [](const Record& record) {
        return record.before != Record::Before::Unknown;
    });
}

std::vector<RestoreOutcome> OriginalsStore::restore() {
    std::vector<RestoreOutcome> outcomes;
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        Digest current;
        const Holds now = holds(slot, &current);
        if (!concerns(slot, now)) continue;
        if (state_[slot].before == Record::Before::Absent && now == Holds::Nothing) {
            state_[slot] = {};  // nothing there to remove
            saveState();
            continue;
        }
        outcomes.push_back(restoreOne(slot, now, current));
    }
    return outcomes;
}

const ChannelSet* installedChannel(const std::string& gameFolder, const Catalogue& catalogue) {
    const auto same = [](const std::string& a, const std::string& b) {
        const Resolved x = resolvePath(a), y = resolvePath(b);
        std::error_code e1, e2;
        if (!x.ok() || !y.ok() || entryKind(a) != EntryKind::File ||
            fs::file_size(x.path, e1) != fs::file_size(y.path, e2) || e1 || e2)
            return false;
        Digest dx, dy;
        return digestFile(a, dx).ok() && digestFile(b, dy, true).ok() && dx == dy;
    };
    for (const ChannelSet& channel : catalogue.sets()) {
        const bool all = std::all_of(
            channel.files.begin(), channel.files.end(), [&](const ChannelSet::File& step) {
                return same(gameFolder + std::string(step.destination), step.source);
            });
        if (all) return &channel;
    }
    return nullptr;
}

}  // namespace kestro
