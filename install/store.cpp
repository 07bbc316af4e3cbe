// SPDX-License-Identifier: GPL-3.0-or-later
#include "store.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "names.h"

namespace kestro {
namespace {

using Before = Record::Before;
using Op = Record::Intent::Op;
using Kind = FileOutcome::Kind;
using Stage = FileOutcome::Stage;
using What = StoreDamage::What;

constexpr std::string_view kStateFile = "state.txt";
constexpr std::string_view kLockFile = "kestro.lock";
constexpr std::string_view kSetAside = ".set-aside";

// Copies set apart beside a kept file are named as the first free of "Name.set-aside",
// "Name.set-aside-2", ...
std::string asideBase(size_t slot) {
    return std::string(kGameFiles[slot].name) + std::string(kSetAside);
}
constexpr size_t kStateLimit = 64 * 1024;
// A state file that begins so ends with a line "end" and the hash of all before it, so
// that one cut short, or changed by hand, is told from one the program wrote.
constexpr std::string_view kSealedHeader =
    "# KESTRO 2001 store 2: the game's own channel files before installs, and what installs "
    "wrote.\n";
constexpr std::string_view kEnd = "end ";
// The first store's header: its states are read still.
constexpr std::string_view kFirstHeader =
    "# KESTRO 2001: the game's own channel files before installs, and what installs wrote.\n";

std::string sealOf(std::string_view text) {
    DigestBuilder builder;
    builder.add(text.data(), text.size());
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(builder.finish().low));
    return hex;
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string digestText(const Digest& d) {
    return std::to_string(d.size) + " " + hex(d.high) + hex(d.low);
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

constexpr std::array<std::string_view, 3> kOps = {"keep", "write", "put-back"};

// Parses one "<file>.<key>=<value>" line into `state`; false when it is not understood.
bool parseLine(std::string_view line, StoreState& state, std::array<std::array<bool, 3>, 4>& seen) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view left = line.substr(0, equals), value = line.substr(equals + 1);
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        const std::string_view name = kGameFiles[slot].name;
        if (!left.starts_with(name) || left.size() <= name.size() || left[name.size()] != '.')
            continue;
        const std::string_view key = left.substr(name.size() + 1);
        const int field = key == "before" ? 0 : key == "written" ? 1 : key == "intent" ? 2 : -1;
        if (field < 0 || seen[slot][field]) return false;
        seen[slot][field] = true;
        Record& record = state[slot];
        if (field == 0) {
            if (value == "absent") {
                record.before = Before::Absent;
                return true;
            }
            if (value == "kept") {  // as the first store noted it, without the kept digest
                record.before = Before::Kept;
                return true;
            }
            if (!value.starts_with("kept ")) return false;
            record.before = Before::Kept;
            record.kept = parseDigest(value.substr(5));
            return record.kept.has_value();
        }
        if (field == 1) {
            if (value == "unknown") {
                record.authorUnknown = true;
                return true;
            }
            record.written = parseDigest(value);
            return record.written.has_value();
        }
        const size_t space = value.find(' ');
        const auto op = std::find(kOps.begin(), kOps.end(), value.substr(0, space));
        const auto digest =
            space == std::string_view::npos ? std::nullopt : parseDigest(value.substr(space + 1));
        if (op == kOps.end() || !digest) return false;
        record.intent = Record::Intent{static_cast<Op>(op - kOps.begin()), *digest};
        return true;
    }
    return false;
}

// Whether the file `name` (of `info`) holds exactly `digest`; only a file of its size is read.
Result<bool> holdsDigest(const Folder& folder, const std::string& name, const FileInfo& info,
                         const Digest& digest) {
    if (info.kind != EntryKind::File || info.size != digest.size) return false;
    Result<ReadFile> file = ReadFile::open(folder, name);
    Digest read;
    const Error e = file.ok() ? digestOf(file.value, read) : file.error;
    if (!e.ok()) return e;
    return read == digest;
}

// The files set apart beside a kept file, oldest first: every name that begins as theirs
// in any letter case (a copy between systems may change it, the player may rename one), and
// whatever the numbers the player left. Only files: a link or a folder at such a name is
// none the program set apart.
std::vector<std::string> setApart(const Folder& folder, size_t slot) {
    const std::string base = asideBase(slot);
    std::vector<std::pair<std::uint64_t, std::string>> found;
    const auto names = folder.list();
    for (const std::string& name : names.ok() ? names.value : std::vector<std::string>{}) {
        if (!sameNameIgnoringCase(name.substr(0, base.size()), base) ||
            folder.info(name).kind != EntryKind::File)
            continue;
        // "-10" after "-9"; any other name last.
        const std::string_view rest = std::string_view(name).substr(base.size());
        std::uint64_t number = rest.empty() ? 1 : UINT64_MAX, n = 0;
        if (rest.starts_with('-') &&
            std::from_chars(rest.data() + 1, rest.data() + rest.size(), n) ==
                std::from_chars_result{rest.data() + rest.size(), {}})
            number = n;
        found.emplace_back(number, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> sorted;
    for (auto& [number, name] : found) sorted.push_back(std::move(name));
    return sorted;
}

// The newest copy set apart beside a kept file that holds `digest`.
std::optional<std::string> setApartHolding(const Folder& folder, size_t slot,
                                           const Digest& digest) {
    std::optional<std::string> found;
    for (const std::string& name : setApart(folder, slot))
        if (const Result<bool> holds = holdsDigest(folder, name, folder.info(name), digest);
            holds.ok() && holds.value)
            found = name;
    return found;
}

// One file or folder under two names, where the system tells: the same on its disk, or
// the same number, size and times to the nanosecond (an overlay shows the file as on a disk
// of its own).
bool sameEntry(const FileInfo& a, const FileInfo& b) {
    return a.id != 0 && a.id == b.id &&
           (a.disk == b.disk ||
            (a.size == b.size && a.modified == b.modified && a.changed == b.changed));
}

// Whether the folder `up` from `folder` is a store: it holds a store's lock, or a state file
// as only the program writes them (a lock can be gone: a player deletes one that is damaged).
bool isStore(const Folder& folder, const std::string& up) {
    if (folder.info(up + std::string(kLockFile)).kind != EntryKind::Missing) return true;
    const std::string name = up + std::string(kStateFile);
    if (folder.info(name).kind != EntryKind::File) return false;  // opened only when there
    Result<ReadFile> state = ReadFile::open(folder, name);
    std::string text;
    return state.ok() && readSmall(state.value, kStateLimit, text).ok() &&
           text.starts_with("# KESTRO 2001");
}

// Whether `folder` is a store, or lies inside one. Asked of the open folder, whatever it is
// named or mounted as, never of its path, which another program can change meanwhile. A
// store may have lost both its files, though (the player deletes them when told they are
// damaged): one named as a store on the folder's real path, links resolved, counts too.
bool inAStore(const Folder& folder) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(folder.path(), ec);
    for (const std::filesystem::path& part : ec ? folder.path() : real)
        if (sameNameIgnoringCase(utf8Text(part), kStoreFolder)) return true;
    FileInfo below;
    std::string up;
    for (int level = 0; level < 64; ++level, up += "../") {
        if (isStore(folder, up)) return true;
        const FileInfo here = folder.info(up.empty() ? "." : up);
        if (sameEntry(here, below)) break;  // the top: its ".." is itself
        below = here;
    }
    return false;
}

// The game's DATA folder: named DATA where it really is (a link or a drive letter may lead to
// it) and holding the game's data folders, whatever an install made there before.
bool isGamesData(const Folder& folder) {
    std::error_code ec;
    std::filesystem::path real = std::filesystem::canonical(folder.path(), ec);
    if (ec) real = folder.path();
    if (real.filename().empty()) real = real.parent_path();
    return sameNameIgnoringCase(utf8Text(real.filename()), "DATA") &&
           std::any_of(kGameFiles.begin(), kGameFiles.end(), [&](const GameFile& file) {
               return folder.info(folder.find(file.folder)).kind == EntryKind::Folder;
           });
}

}  // namespace

std::string formatState(const StoreState& state) {
    std::string text(kSealedHeader);
    for (size_t slot = 0; slot < state.size(); ++slot) {
        const Record& record = state[slot];
        const std::string name = std::string(kGameFiles[slot].name) + ".";
        if (record.before == Before::Absent) text += name + "before=absent\n";
        if (record.before == Before::Kept)
            text +=
                name + "before=kept" + (record.kept ? " " + digestText(*record.kept) : "") + "\n";
        if (record.authorUnknown)
            text += name + "written=unknown\n";
        else if (record.written)
            text += name + "written=" + digestText(*record.written) + "\n";
        if (record.intent)
            text += name + "intent=" + std::string(kOps[static_cast<size_t>(record.intent->op)]) +
                    " " + digestText(record.intent->digest) + "\n";
    }
    return text + std::string(kEnd) + sealOf(text) + "\n";
}

std::optional<StoreState> parseState(std::string_view text, int& badLine) {
    // Every state the program wrote began with a whole header line: one that stops before its
    // end (or is empty) was cut short, and must not read as a store that knows nothing.
    if (kSealedHeader.starts_with(text) ||
        (text.size() < kFirstHeader.size() && kFirstHeader.starts_with(text))) {
        badLine = 0;
        return std::nullopt;
    }
    const bool sealed = text.starts_with(kSealedHeader);
    if (sealed) {
        // Only the whole of what the program wrote is read; anything else is not its own.
        const size_t end = text.rfind(kEnd);
        if (end == std::string_view::npos || (end > 0 && text[end - 1] != '\n') ||
            text.substr(end) != std::string(kEnd) + sealOf(text.substr(0, end)) + "\n") {
            badLine = 0;
            return std::nullopt;
        }
        text = text.substr(0, end);
    }
    StoreState state{};
    std::array<std::array<bool, 3>, 4> seen{};
    for (int number = 1; !text.empty(); ++number) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.starts_with('#')) continue;
        if (!parseLine(line, state, seen)) {
            badLine = number;
            return std::nullopt;
        }
    }
    // The first store noted what it wrote only after writing it (and took any channel's file
    // for its own): a run cut short between, or whose note failed, may have left the
    // program's file in place with nothing or an earlier write noted, so whose it is, is not
    // known.
    if (!sealed)
        for (Record& record : state)
            if (record.before == Before::Kept) record.authorUnknown = true;
    return state;
}

// --- the folders ---

Result<Folder> Store::gameFolder(size_t slot, bool create) {
    std::optional<Folder>& cached = gameFolders_[folderOf(slot)];
    if (cached) return *cached;
    if (!data_) {
        Result<Folder> data = game_.root().child("DATA", create);
        if (!data.ok()) return data.error;
        data_ = data.value;
    }
    Result<Folder> folder = data_->child(kGameFiles[slot].folder, create);
    if (folder.ok()) cached = folder.value;
    return folder;
}

Result<Folder> Store::keptFolder(size_t slot, bool create) {
    std::optional<Folder>& cached = keptFolders_[folderOf(slot)];
    if (cached) return *cached;
    if (!storeData_) {
        Result<Folder> data = store_.child("DATA", create);
        if (!data.ok()) return data.error;
        storeData_ = data.value;
    }
    Result<Folder> folder = storeData_->child(kGameFiles[slot].folder, create);
    if (folder.ok()) cached = folder.value;
    return folder;
}

// A folder below the game folder the way the player's system writes it: `found`, the
// path opened, has its parts as they are on disk.
std::string Store::shownBelow(const std::string& gamePath, const std::string& found) const {
    return game_.show(
        gamePath,
        utf8Text(utf8Path(found).lexically_relative(game_.root().path()).generic_u8string()));
}

// One whose folder is not open (or no folder): its folders named as they are listed.
std::string Store::shownGameFile(size_t slot) const {
    const GameFile& file = kGameFiles[slot];
    const std::string folder(file.folder);
    const std::string onDisk = data_
                                   ? utf8Text(data_->path().filename()) + "/" + data_->find(folder)
                                   : game_.root().find("DATA") + "/" + folder;
    return game_.show(file.path, onDisk + "/" + std::string(file.name));
}

std::string Store::shownGameFile(size_t slot, const Folder& folder, const std::string& name) const {
    const std::string onDisk =
        utf8Text(data_->path().filename()) + "/" + utf8Text(folder.path().filename()) + "/" + name;
    return game_.show(kGameFiles[slot].path, onDisk);
}

Error Store::save() {
    dirty_ = false;
    return writeWhole(store_, kStateFile, formatState(state_));
}

// --- opening ---

Error Store::readState() {
    Result<ReadFile> file = ReadFile::open(store_, kStateFile);
    const auto damaged = [&](What what, Error error = {}) {
        damage_ = {what, 0, 0, std::move(error)};
        return failure(ErrorCode::Damaged);
    };
    // Lost (deleted as the player was told to, say): the kept files say what was kept, and
    // nothing says whose the files in place are. So too for a kept copy the first store
    // forgot: it noted a restore done before removing the copy, and ignored a failed removal.
    // A kept copy that is there but cannot be read is said as it is: taken for none, it
    // would read as a copy the state does not know.
    const auto fromKeptFiles = [&](bool all) {
        for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
            if (!all && state_[slot].before != Before::Unknown) continue;
            if (Result<Folder> folder = keptFolder(slot, false); folder.ok())
                if (Error e =
                        takeUpKept(slot, folder.value, folder.value.find(kGameFiles[slot].name));
                    !e.ok() && e.code != ErrorCode::Missing)
                    return e;
        }
        return Error{};
    };
    if (file.ok() && file.value.info().foreign)
        return failure(ErrorCode::Foreign,
                       shownAsFound(game_.root(), store_, std::string(kStateFile)));
    unrecorded_ = file.error.code == ErrorCode::Missing;
    if (unrecorded_) return twinsInStore() ? failure(ErrorCode::Damaged) : fromKeptFiles(true);
    if (!file.ok()) {
        const ErrorCode code = file.error.code;
        const bool odd =
            code == ErrorCode::Link || code == ErrorCode::IsFolder || code == ErrorCode::NotAFile;
        return damaged(odd ? What::StateNotAFile : What::StateUnreadable, file.error);
    }
    std::string text;
    if (Error e = readSmall(file.value, kStateLimit, text); !e.ok())
        return damaged(e.code == ErrorCode::TooLarge ? What::StateTooLarge : What::StateUnreadable,
                       e);
    int line = 0;
    const auto state = parseState(text, line);
    if (!state) {
        damage_ = {What::StateNotUnderstood, 0, line, {}};
        return failure(ErrorCode::Damaged);
    }
    state_ = *state;
    if (twinsInStore()) return failure(ErrorCode::Damaged);
    return text.starts_with(kSealedHeader) ? Error{} : fromKeptFiles(false);
}

// Takes the file under the kept copy's name for the kept copy, of unknown authorship; the
// error when it cannot be read (Missing: there is none).
Error Store::takeUpKept(size_t slot, const Folder& keptIn, const std::string& keptName) {
    Result<ReadFile> kept = ReadFile::open(keptIn, keptName);
    if (kept.error.code == ErrorCode::Link)  // named below the game folder, as the others
        kept.error.subject = shownInStore(slot, keptIn, keptName);
    if (!kept.ok()) return kept.error;
    Digest digest;
    if (Error e = digestOf(kept.value, digest); !e.ok()) return e;
    state_[slot] = {Before::Kept, digest, std::nullopt, true, std::nullopt};
    return {};
}

// Completes or forgets what a run cut short was doing to `slot`, by what is there now.
void Store::recover(size_t slot) {
    Record& record = state_[slot];
    if (!record.intent) return;
    const Record::Intent intent = *record.intent;
    const bool kept = intent.op == Op::Keep;
    Result<Folder> folder = kept ? keptFolder(slot, false) : gameFolder(slot, false);
    // What cannot be looked at now (a link in the way, a read failing) is left for a run
    // that can; only what is surely not there is forgotten.
    const auto forget = [&] {
        record.intent.reset();
        dirty_ = true;
    };
    if (!folder.ok()) {
        if (folder.error.code == ErrorCode::FolderMissing) forget();
        return;
    }
    // A kept copy goes only by being put back: with none left, the put-back was done,
    // whatever the game has written there since.
    if (intent.op == Op::PutBack) {
        Result<Folder> keptIn = keptFolder(slot, false);
        if (!keptIn.ok() && keptIn.error.code != ErrorCode::FolderMissing) return;
        if (!keptIn.ok() || keptIn.value.info(keptIn.value.find(kGameFiles[slot].name)).kind ==
                                EntryKind::Missing) {
            record = {};
            dirty_ = true;
            return;
        }
        // Nor with what the program wrote in its place: the two were exchanged, and only
        // the tidy-up was left undone.
        const std::string keptName = keptIn.value.find(kGameFiles[slot].name);
        const FileInfo there = keptIn.value.info(keptName);
        const Result<bool> swapped =
            record.written ? holdsDigest(keptIn.value, keptName, there, *record.written) : false;
        // Nor with another file there, which a run that could not keep it apart left: the copy
        // went back.
        const auto notTheCopy = [&] {
            const Result<bool> copy = holdsDigest(keptIn.value, keptName, there, intent.digest);
            return copy.ok() && !copy.value;
        };
        if (swapped.ok() && (swapped.value || notTheCopy())) {
            if (swapped.value) swapped_[slot] = record.written;
            stale_[slot] = intent.digest;
            record = {};
            dirty_ = true;
            return;
        }
    }
    const std::string name = folder.value.find(kGameFiles[slot].name);
    Result<ReadFile> file = ReadFile::open(folder.value, name);
    Digest digest;
    if (file.error.code == ErrorCode::Missing ||
        (file.ok() && file.value.info().size != intent.digest.size)) {
        // A kept copy gone under a keep: the program set it apart, as an older version (put
        // back under its name, as before the run) or as no longer the one kept.
        if (kept && file.error.code == ErrorCode::Missing && record.before == Before::Kept) {
            const FileInfo none;
            const auto apart =
                record.kept ? setApartHolding(folder.value, slot, *record.kept) : std::nullopt;
            if (apart && moveFile(folder.value, *apart, folder.value, name, &none).ok())
                return forget();
            record.before = Before::Unknown;
            record.kept.reset();
        }
        return forget();  // it never happened: what was there is there still
    }
    if (!file.ok() || !digestOf(file.value, digest).ok()) return;
    forget();
    if (digest != intent.digest) return;
    switch (intent.op) {
        case Op::Keep:
            record.before = Before::Kept;
            record.kept = digest;
            break;
        case Op::Write:
            record.written = digest;
            record.authorUnknown = false;
            break;
        case Op::PutBack:
            // The original is back; a kept copy left beside it goes once the store is
            // known to be sound.
            swapped_[slot] = record.written;
            record = {};
            stale_[slot] = digest;
            break;
    }
}

// Whether the state agrees with the kept files; damage_ says where it does not.
bool Store::checkAgainstFiles() {
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        Record& record = state_[slot];
        Result<Folder> folder = keptFolder(slot, false);
        FileInfo info;
        std::string name;
        if (folder.ok()) {
            name = folder.value.find(kGameFiles[slot].name);
            info = folder.value.info(name);
        }
        const bool there = info.kind != EntryKind::Missing;
        if (stale_[slot] && info.kind == EntryKind::File) continue;
        if (there && info.kind != EntryKind::File) {
            damage_ = {What::KeptNotAFile, slot, 0,
                       failure(info.kind == EntryKind::Link ? ErrorCode::Link : ErrorCode::NotAFile,
                               shownAsFound(store_, folder.value, name))};
            return false;
        }
        if (there && record.before != Before::Kept) {
            damage_ = {What::KeptNotRecorded, slot, 0, {}};
            return false;
        }
        if (record.before != Before::Kept) continue;
        if (info.kind != EntryKind::File || (record.kept && info.size != record.kept->size)) {
            damage_ = {What::RecordedNotKept, slot, 0, folder.ok() ? Error{} : folder.error};
            return false;
        }
        if (!record.kept) {  // noted without its digest: taken once from the copy itself
            Result<ReadFile> kept = ReadFile::open(folder.value, name);
            Digest digest;
            if (!kept.ok() || !digestOf(kept.value, digest).ok()) {
                damage_ = {What::RecordedNotKept, slot, 0, kept.error};
                return false;
            }
            record.kept = digest;
            dirty_ = true;
        }
    }
    return true;
}

// The store and the game's folders and files are apart: none is also the other under a
// second name (a mount of one on the other, a hard link), which would make a kept copy the
// game's file itself.
Error Store::checkApart() {
    std::vector<FileInfo> ours{store_.info("."), store_.info(kLockFile), store_.info(kStateFile)};
    std::vector<std::pair<FileInfo, std::string>> game{{game_.root().info("."), ""}};
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        if (const std::optional<Folder>& kept = keptFolders_[folderOf(slot)])  // as opened
            ours.insert(ours.end(),
                        {kept->info("."), kept->info(kept->find(kGameFiles[slot].name))});
        if (Result<Folder> in = gameFolder(slot, false); in.ok()) {
            const std::string name = in.value.find(kGameFiles[slot].name);
            game.push_back(
                {in.value.info("."), game_.show("\\DATA\\" + std::string(kGameFiles[slot].folder),
                                                utf8Text(data_->path().filename()) + "/" +
                                                    utf8Text(in.value.path().filename()))});
            game.push_back({in.value.info(name), shownGameFile(slot, in.value, name)});
        }
    }
    // Either DATA, even with nothing in it yet.
    if (storeData_) ours.push_back(storeData_->info("."));
    if (data_)
        game.push_back(
            {data_->info("."), game_.show("\\DATA", utf8Text(data_->path().filename()))});
    // A file with names of its own (a hard link a tool made of two like files) is no
    // trouble: every write is a rename, which parts them.
    for (const auto& [info, shown] : game)
        for (const FileInfo& kept : ours)
            if (sameEntry(info, kept) && (info.kind != EntryKind::File || info.links < 2))
                return failure(ErrorCode::InStore, shown);
    return {};
}

// An entry of `in` named below `base` as the system lists it, with the game folder's
// separators.
std::string Store::shownAsFound(const Folder& base, const Folder& in,
                                const std::string& entry) const {
    const std::string below =
        utf8Text((in.path() / utf8Path(entry)).lexically_relative(base.path()).generic_u8string());
    std::string windows = below;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return game_.show(windows, below);
}

StoreDamage Store::damage() const {
    StoreDamage named = damage_;
    named.store = storeShown_;
    return named;
}

// Whether `name` in `folder` is the copy of `slot` the state file records.
bool Store::recorded(size_t slot, const Folder& folder, const std::string& name) const {
    const Record& record = state_[slot];
    if (record.before != Before::Kept || !record.kept) return false;
    const Result<bool> holds = holdsDigest(folder, name, folder.info(name), *record.kept);
    return holds.ok() && holds.value;
}

// Of two spellings, the one holding a copy the state file records, and one that cannot be
// looked into (it may hold anything: the player is to open it up first).
constexpr int kHoldsRecorded = 16, kUnreadable = -2;

// The kept copy of `slot` below a folder that may be the store, or one of its folders named
// `entry`: its folder and its name as listed, if anything is there (a file, or what stands
// in a file's way).
std::optional<std::pair<Folder, std::string>> Store::copyBelow(const Folder& folder, What what,
                                                               const std::string& entry,
                                                               size_t slot) const {
    std::vector<std::string_view> down;  // the folders from it to the copy
    if (what == What::TwoStores)
        down = {"DATA", kGameFiles[slot].folder};
    else if (sameNameIgnoringCase(entry, "DATA"))
        down = {kGameFiles[slot].folder};
    else if (!sameNameIgnoringCase(entry, kGameFiles[slot].folder))
        return std::nullopt;
    Result<Folder> at = folder;
    for (const std::string_view name : down)
        if (at.ok()) at = at.value.child(at.value.find(name));
    if (!at.ok()) return std::nullopt;
    std::string name = at.value.find(kGameFiles[slot].name);
    if (at.value.info(name).kind == EntryKind::Missing) return std::nullopt;
    return std::pair{at.value, std::move(name)};
}

// What a folder that may be the store, or one of its folders, holds of the kept copies:
// kHoldsRecorded a copy the state file records, else 2 for each file named as a kept copy.
int Store::copiesIn(const Folder& folder, What what, const std::string& entry) const {
    int held = 0;
    for (size_t s = 0; s < kGameFiles.size(); ++s) {
        const auto copy = copyBelow(folder, what, entry, s);
        if (!copy || copy->first.info(copy->second).kind != EntryKind::File) continue;
        if (recorded(s, copy->first, copy->second)) return kHoldsRecorded;
        held += 2;
    }
    return held;
}

// How surely one of two spellings is the store's own, from what it holds: kHoldsRecorded a
// copy the state file records; else 1 for a file or a folder with anything in it, 2 more for
// each file named as a kept copy, 1 more for the store with a state file; 0 for an empty
// folder; -1 for anything else (a link, a file where a folder belongs); or kUnreadable.
int Store::rankOf(const Folder& in, const std::string& entry, What what, size_t slot) const {
    const FileInfo info = in.info(entry);
    if (what == What::TwoCopies)
        return info.kind != EntryKind::File ? -1 : recorded(slot, in, entry) ? kHoldsRecorded : 1;
    if (info.kind != EntryKind::Folder) return -1;
    const Result<Folder> folder = in.child(entry);
    if (!folder.ok()) return kUnreadable;
    const auto inside = folder.value.list();
    if (!inside.ok()) return kUnreadable;
    if (inside.value.empty()) return 0;
    const int copies = copiesIn(folder.value, what, entry);
    const bool state = what == What::TwoStores &&
                       folder.value.info(folder.value.find(kStateFile)).kind != EntryKind::Missing;
    return copies == kHoldsRecorded ? kHoldsRecorded : 1 + copies + state;
}

// Two entries whose names differ only in letter case where the store has one (one made by
// hand, or both brought over from a system that tells them apart): reading either could take
// the kept files for gone. Damage, naming first the one to leave in place (by what it holds;
// of two alike, the spelling the program writes) and then the one to move.
bool Store::twoSpellings(const Folder& in, std::string_view name, What what, size_t slot) {
    const auto names = in.list();
    if (!names.ok()) return false;
    std::vector<std::pair<int, std::string>> found;
    for (const std::string& entry : names.value)
        if (sameNameIgnoringCase(entry, name)) found.emplace_back(0, entry);
    if (found.size() < 2) return false;
    for (auto& [rank, entry] : found) rank = rankOf(in, entry, what, slot);
    std::stable_partition(found.begin(), found.end(),
                          [&](const auto& f) { return f.second == name; });
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    if (found.back().first == kUnreadable) std::swap(found[1], found.back());
    // Named below the game folder, which the one to move is to leave.
    const Folder& base = game_.root();
    damage_ = {what, slot, 0, failure(ErrorCode::Damaged, shownAsFound(base, in, found[0].second)),
               shownAsFound(base, in, found[1].second)};
    using Other = StoreDamage::Other;
    const bool bothRecorded = found[1].first == kHoldsRecorded && what == What::TwoSpellings;
    const EntryKind moved = in.info(found[1].second).kind;  // a file where a folder belongs
    const bool notAFolder =
        what != What::TwoCopies && moved != EntryKind::Folder && moved != EntryKind::Link;
    damage_.otherIs = found[1].first == kUnreadable      ? Other::Unreadable
                      : found[1].first == 0              ? Other::Empty
                      : bothRecorded                     ? Other::AlsoRecorded
                      : found[0].first == kHoldsRecorded ? Other::NotRecorded
                      : notAFolder                       ? Other::NotAFolder
                                                         : Other::MayHoldFiles;
    // Joined by moving what one lacks into the other: a recorded copy whose name the other
    // holds in anything not recorded (a file, a folder, a link) would be left behind. That
    // one goes first.
    const Result<Folder> stays = in.child(found[0].second), moves = in.child(found[1].second);
    for (size_t s = 0; bothRecorded && stays.ok() && moves.ok() && s < kGameFiles.size(); ++s) {
        const auto mine = copyBelow(stays.value, what, found[0].second, s);
        const auto theirs = copyBelow(moves.value, what, found[1].second, s);
        if (mine && theirs && recorded(s, theirs->first, theirs->second) &&
            !recorded(s, mine->first, mine->second)) {
            damage_ = {
                what, s, 0,
                failure(ErrorCode::Damaged, shownAsFound(base, theirs->first, theirs->second)),
                shownAsFound(base, mine->first, mine->second)};
            damage_.otherIs = Other::NotRecorded;
            break;
        }
    }
    return true;
}

// Two spellings of a folder of the store or of a kept copy; checked against the state file
// as read, before any copy is taken up in its place.
bool Store::twinsInStore() {
    bool twice = twoSpellings(store_, "DATA", What::TwoSpellings);
    std::array<bool, 2> folderSeen{};  // each kept folder's name is looked at once
    for (size_t slot = 0; slot < kGameFiles.size() && !twice && storeData_; ++slot) {
        const std::optional<Folder>& kept = keptFolders_[folderOf(slot)];
        twice = (!std::exchange(folderSeen[folderOf(slot)], true) &&
                 twoSpellings(*storeData_, kGameFiles[slot].folder, What::TwoSpellings)) ||
                (kept && twoSpellings(*kept, kGameFiles[slot].name, What::TwoCopies, slot));
    }
    return twice;
}

Error Store::open(bool create) {
    // A folder of the store is never a game folder: its "game files" are the kept copies.
    if (inAStore(game_.root())) return failure(ErrorCode::InStore);
    // The game's DATA folder taken for the game folder (opened in a folder dialog, say): an
    // install would write DATA\DATA\ENVIRO, leave the game as it was and call it done. A
    // restore there may still undo such an install, where one kept anything.
    if (create && isGamesData(game_.root())) return failure(ErrorCode::GameData);
    if (twoSpellings(game_.root(), kStoreFolder, What::TwoStores))
        return failure(ErrorCode::Damaged);
    Result<Folder> store = game_.root().child(kStoreFolder, create);
    if (!store.ok()) {
        if (store.error.code == ErrorCode::FolderMissing && !create)
            return isGamesData(game_.root()) ? failure(ErrorCode::GameData) : Error{};
        if (store.error.code == ErrorCode::NotAFolder) {
            // Named as the system lists it, for the player to find it.
            store.error.subject = shownAsFound(game_.root(), game_.root(),
                                               utf8Text(utf8Path(store.error.subject).filename()));
            damage_ = {What::StoreNotAFolder, 0, 0, store.error};
            return failure(ErrorCode::Damaged);
        }
        if (store.error.code == ErrorCode::Link)
            store.error.subject = shownBelow("\\" + std::string(kStoreFolder), store.error.subject);
        return store.error;
    }
    store_ = store.value;
    storeShown_ = shownAsFound(game_.root(), game_.root(), utf8Text(store_.path().filename()));
    // Made by another user account (in a game folder others may write into): what it records
    // and keeps could make this run remove or replace the player's files, so it is not read.
    // The folder opened, not its name, which another could have moved away since.
    if (store_.info(".").foreign) return failure(ErrorCode::Foreign, storeShown_);
    // A link where the kept files' folders belong is refused before anything is read, and
    // before the store is written to.
    for (size_t slot : {size_t{0}, size_t{2}}) {
        if (Result<Folder> f = keptFolder(slot, false);
            !f.ok() && f.error.code != ErrorCode::FolderMissing) {
            const std::string inside =
                "DATA" + (storeData_ ? "\\" + std::string(kGameFiles[slot].folder) : "");
            if (f.error.code == ErrorCode::NotAFolder) {  // the game folder is the right one
                // Named as the player's system lists it: the entry found, not our spelling.
                const std::filesystem::path found =
                    utf8Path(f.error.subject).lexically_relative(store_.path());
                const std::string shown =
                    game_.show(inside, found.empty() ? inside : utf8Text(found.generic_u8string()));
                damage_ = {What::FolderNotAFolder, slot, 0, failure(f.error.code, shown)};
                return failure(ErrorCode::Damaged);
            }
            if (f.error.code == ErrorCode::Link)
                f.error.subject =
                    shownBelow("\\" + std::string(kStoreFolder) + "\\" + inside, f.error.subject);
            return f.error;
        }
    }
    if (Error e = checkApart(); !e.ok()) return e;
    if (Error e = lock_.lock(store_, kLockFile); !e.ok()) {
        if (e.code == ErrorCode::Link || e.code == ErrorCode::IsFolder ||
            e.code == ErrorCode::NotAFile) {
            damage_ = {What::LockNotAFile, 0, 0, e};
            return failure(ErrorCode::Damaged);
        }
        return e;
    }
    if (Error e = readState(); !e.ok()) return e;
    // A put-back is only ever noted for the kept copy the state records.
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        const Record& r = state_[slot];
        if (r.intent && r.intent->op == Op::PutBack &&
            (r.before != Before::Kept || (r.kept && *r.kept != r.intent->digest))) {
            damage_ = {What::IntentContradicts, slot, 0, {}};
            return failure(ErrorCode::Damaged);
        }
    }
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        // A write or put-back noted may have exchanged the game file for another program's:
        // what the program knew of then tells its own leftovers from theirs.
        const Record& r = state_[slot];
        if (r.intent && r.intent->op != Op::Keep)
            for (const std::optional<Digest>& d :
                 {std::optional(r.intent->digest), r.kept, r.written})
                if (d) exchanged_[slot].push_back(*d);
        recover(slot);
    }
    // A refused store is left exactly as it is.
    if (!checkAgainstFiles()) return failure(ErrorCode::Damaged);
    // With no records, what lies under the program's temporary names may be the player's,
    // to keep apart before a state file says otherwise: a game folder that cannot be looked
    // into now (a link, no rights) stops the run, or its files would later pass for ours.
    if (unrecorded_)
        for (size_t slot : {size_t{0}, size_t{2}})
            if (Result<Folder> f = gameFolder(slot, false);
                !f.ok() && f.error.code != ErrorCode::FolderMissing &&
                f.error.code != ErrorCode::NotAFolder)
                return f.error.code == ErrorCode::Link ? linkNamed(slot, f.error) : f.error;
    // Only the lock's holder tidies, so no running copy loses its temporary file; and only
    // inside real folders.
    removeTemporaries(store_, kStateFile);
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
        if (Result<Folder> f = gameFolder(slot, false); f.ok()) {
            const std::string name = f.value.find(kGameFiles[slot].name);
            if (Error e = keepTheirs(slot, f.value, name); !e.ok()) return e;
        }
        if (Result<Folder> f = keptFolder(slot, false); f.ok()) {
            const std::string name = f.value.find(kGameFiles[slot].name);
            removeTemporaries(f.value, name, true);  // set-aside copies' too: all ours there
            if (!stale_[slot] || f.value.info(name).kind != EntryKind::File) continue;
            // Only the copy that was kept goes, and the program's own file as recorded; anything
            // else there is kept apart. What stays is noted again as a put-back whose tidy-up
            // is left, for the next run to finish: never taken for the player's, never put back.
            const FileInfo there = f.value.info(name);
            const Result<bool> kept = holdsDigest(f.value, name, there, *stale_[slot]);
            const Result<bool> ours = holdsSwapped(slot, f.value, name, there);
            std::string shown;
            const Error left = (ours.ok() && ours.value) || (kept.ok() && kept.value)
                                   ? removeFile(f.value, name)
                                   : keepApart(slot, f.value, name, shown);
            untidy_[slot] = left;
            if (!shown.empty()) alsoSetApart_.push_back(shown);
            if (!left.ok())
                state_[slot] = {Before::Kept, stale_[slot],
                                ours.ok() && ours.value ? swapped_[slot] : std::nullopt, false,
                                Record::Intent{Op::PutBack, *stale_[slot]}};
        }
    }
    // What was recovered; should this fail, it is recovered again. With no state file, one
    // is written now, before anything is staged: a run cut short then leaves temporaries that
    // the records say are the program's, not a player's to keep apart.
    if (dirty_ || unrecorded_) save();
    return {};
}

// A link where a game file's folder belongs, named as on disk: "data/popups".
Error Store::linkNamed(size_t slot, Error e) const {
    const std::string name(data_ ? kGameFiles[slot].folder : std::string_view("DATA"));
    const std::string found = (data_ ? *data_ : game_.root()).find(name);
    e.subject =
        data_ ? game_.show("\\DATA\\" + name, utf8Text(data_->path().filename()) + "/" + found)
              : game_.show("\\DATA", found);
    return e;
}

Error Store::makeDataFolders() {
    for (size_t slot : {size_t{0}, size_t{2}}) {
        Result<Folder> folder = gameFolder(slot, true);
        if (folder.ok()) continue;
        if (folder.error.code == ErrorCode::Link) return linkNamed(slot, folder.error);
        // Any other failure is the file's to report: it cannot be written there.
    }
    return {};
}

// --- installing ---

Result<bool> Store::holdsWritten(size_t slot, const Folder& folder, const std::string& name,
                                 const FileInfo& info) const {
    const Record& record = state_[slot];
    // A write noted by a run cut short, that this run could not read back: it may be in place.
    if (record.intent && record.intent->op == Op::Write)
        if (const Result<bool> pending = holdsDigest(folder, name, info, record.intent->digest);
            !pending.ok() || pending.value)
            return pending;
    return record.written ? holdsDigest(folder, name, info, *record.written) : false;
}

// Whether the kept copy's name holds the program's own file that a put-back noted in the
// state exchanged with the original this run: known from that record, not from bytes alone.
Result<bool> Store::holdsSwapped(size_t slot, const Folder& keptIn, const std::string& keptName,
                                 const FileInfo& info) const {
    return swapped_[slot] ? holdsDigest(keptIn, keptName, info, *swapped_[slot]) : false;
}

// A free name for a file kept apart beside the kept copy, and the text that names it.
std::string Store::asideName(const Folder& folder, size_t slot) const {
    const std::string base = asideBase(slot);
    std::string name = base;
    for (int n = 2; folder.info(name).kind != EntryKind::Missing; ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

std::string Store::shownInStore(size_t slot, const Folder& folder, const std::string& name) const {
    return game_.show("\\" + std::string(kStoreFolder) + "\\DATA\\" +
                          std::string(kGameFiles[slot].folder) + "\\" + name,
                      utf8Text((folder.path() / utf8Path(name))
                                   .lexically_relative(game_.root().path())
                                   .generic_u8string()));
}

Error Store::setAside(size_t slot, ReadFile& file, const FileInfo& info, std::string& shown) {
    Result<Folder> folder = keptFolder(slot, true);
    if (!folder.ok()) return folder.error;
    const std::string name = asideName(folder.value, slot);
    Result<Staged> copy = Staged::copy(file, folder.value, name, info.mode);
    if (!copy.ok()) return copy.error;
    // Already set apart (by a run the disk stopped before the original went back): not again.
    const std::optional<std::string> earlier =
        setApartHolding(folder.value, slot, copy.value.digest());
    if (Error e = earlier ? Error{} : copy.value.commit(); !e.ok()) return e;
    shown = shownInStore(slot, folder.value, earlier.value_or(name));
    return {};
}

// Temporaries in the game folder: the program's own go. After an exchange, only those it
// recorded are its own, as is a file a removal moved aside; another program's file it took
// out of its place (or named theirs) is kept apart, and so is what cannot be read, and with
// no records at all, anything there.
Error Store::keepTheirs(size_t slot, const Folder& folder, const std::string& name) {
    if (exchanged_[slot].empty() && !unrecorded_) removeTemporaries(folder, name);
    for (const std::string& entry : temporariesOf(folder, name, false, true)) {
        const bool theirs = entry.ends_with(kTheirsMark);
        std::vector<Digest> known = theirs ? std::vector<Digest>{} : exchanged_[slot];
        if (entry.ends_with(kGoneMark) && state_[slot].written)
            known.push_back(*state_[slot].written);
        bool ours = false;
        for (const Digest& d : known) {
            const Result<bool> holds = holdsDigest(folder, entry, folder.info(entry), d);
            if (!holds.ok() || (ours = holds.value)) break;
        }
        if (ours) {
            removeFile(folder, entry);
            continue;
        }
        // Kept apart where restores name it; failing that, nothing goes on, and the file waits
        // under a name no tidy-up removes: a run that forgot what it noted would take it for
        // its own.
        std::string shown;
        Result<Folder> keptIn = keptFolder(slot, true);
        const Error e =
            keptIn.ok() ? moveApart(slot, folder, entry, keptIn.value, shown) : keptIn.error;
        if (e.ok()) {
            alsoSetApart_.push_back(shown);
            continue;
        }
        const FileInfo none;
        if (!theirs) moveFile(folder, entry, folder, entry + std::string(kTheirsMark), &none);
        return e;
    }
    return {};
}

// Another program's file a swap left in the game folder, set apart at once where the disk
// lets it (else the next run does), and named.
void Store::setApartNow(size_t slot, const Folder& folder, const std::string& leftover,
                        std::string& shown) {
    if (leftover.empty()) return;
    if (Result<Folder> keptIn = keptFolder(slot, true); keptIn.ok())
        moveApart(slot, folder, leftover, keptIn.value, shown);
}

// What lies under the kept copy's name but is not the copy kept (another program's file a
// failing disk left there, say) is nobody's to delete or write over: it is renamed apart.
// Failing that, it stays as it is, never put back, and the next run tries again.
Error Store::keepApart(size_t slot, const Folder& keptIn, const std::string& keptName,
                       std::string& shown) {
    return moveApart(slot, keptIn, keptName, keptIn, shown);
}

// Moves `entry` (in `from`) to the next set-aside name in `keptIn`, named in `shown`; should
// that name one already (a file's outcome names one), among what this run also set apart.
Error Store::moveApart(size_t slot, const Folder& from, const std::string& entry,
                       const Folder& keptIn, std::string& shown) {
    const std::string name = asideName(keptIn, slot);
    const FileInfo none;  // a file put there meanwhile is not replaced either
    if (Error e = moveFile(from, entry, keptIn, name, &none); !e.ok()) return e;
    (shown.empty() ? shown : alsoSetApart_.emplace_back()) = shownInStore(slot, keptIn, name);
    return {};
}

Error Store::keep(size_t slot, const Folder& folder, const std::string& name, const FileInfo& info,
                  std::string& shownAside) {
    Record& record = state_[slot];
    if (record.authorUnknown && record.before == Before::Kept) {
        // Nothing says whose this file is, and the kept original is the only copy of the
        // player's file: the one in place is kept apart rather than over it.
        const Result<bool> original = holdsDigest(folder, name, info, *record.kept);
        if (!original.ok()) return original.error;
        if (original.value) return {};  // a copy of the original: nothing to keep
        Result<ReadFile> file = ReadFile::open(folder, name);
        if (!file.ok()) return file.error;
        return setAside(slot, file.value, info, shownAside);
    }
    Result<ReadFile> file = ReadFile::open(folder, name);
    if (!file.ok()) return file.error;
    Result<Folder> keptIn = keptFolder(slot, true);
    if (!keptIn.ok()) return keptIn.error;
    const std::string keptName = keptIn.value.find(kGameFiles[slot].name);
    Result<Staged> copy = Staged::copy(file.value, keptIn.value, keptName, info.mode);
    if (!copy.ok()) return copy.error;
    record.intent = Record::Intent{Op::Keep, copy.value.digest()};
    if (Error e = save(); !e.ok()) {
        record.intent.reset();
        return e;
    }
    // A newer version (a patch, a mod copied in by hand) takes the kept one's place, but the
    // older one is the game's own too, and what lies there instead (changed since) may be
    // anyone's: either is set apart, unless it is byte for byte the newer one. That happens
    // only once the keep is noted, so a run cut short after finds the kept copy gone under a
    // keep (recover), and nothing is kept until the new copy is.
    if (record.before == Before::Kept) {
        const FileInfo there = keptIn.value.info(keptName);
        const Result<bool> kept = holdsDigest(keptIn.value, keptName, there, *record.kept);
        Error e = kept.error;
        // (A version set apart once already, as a player trying two mods in turn would have
        // it, is not set apart again: replaced, it is still there.)
        if (kept.ok() && (!kept.value || *record.kept != copy.value.digest()) &&
            there.kind != EntryKind::Missing &&
            !(kept.value && setApartHolding(keptIn.value, slot, *record.kept))) {
            e = keepApart(slot, keptIn.value, keptName, shownAside);
            if (e.ok()) {
                record.before = Before::Unknown;
                record.kept.reset();
            }
        }
        if (!e.ok()) {
            record.intent.reset();
            dirty_ = true;
            return e;
        }
    }
    if (Error e = copy.value.commit(); !e.ok()) {
        record.intent.reset();  // the next run forgets it too: the copy is not there
        dirty_ = true;
        return e;
    }
    record.before = Before::Kept;
    record.kept = copy.value.digest();
    record.intent.reset();
    dirty_ = true;
    return {};
}

FileOutcome Store::install(size_t slot, const SourceFile& source) {
    FileOutcome out{Kind::NotReplaced, slot, {}, {}, Stage::None, {}};
    const auto fail = [&](Stage stage, Error error) {
        out.stage = stage;
        out.error = std::move(error);
        return out;
    };
    Result<Folder> folder = gameFolder(slot, false);
    if (!folder.ok()) {
        out.shown = shownGameFile(slot);  // once its folders have been looked at
        return fail(Stage::Copy, folder.error);
    }
    const std::string name = folder.value.find(kGameFiles[slot].name);
    out.shown = shownGameFile(slot, folder.value, name);
    const FileInfo now = folder.value.info(name);
    const std::string where = utf8Text(folder.value.path() / utf8Path(name));
    if (now.kind == EntryKind::Folder)
        return fail(Stage::Copy, failure(ErrorCode::IsFolder, where));
    if (now.kind == EntryKind::Link) return fail(Stage::Copy, failure(ErrorCode::Link, where));
    if (now.kind == EntryKind::Other) return fail(Stage::Copy, failure(ErrorCode::NotAFile, where));
    // What a put-back left in the store is tidied first: a file is kept only where its kept
    // copy's name holds nothing else.
    if (!untidy_[slot].ok()) return fail(Stage::Keep, untidy_[slot]);

    Result<ReadFile> in = openSource(source);
    if (!in.ok()) {  // its set's folder, too, may have gone or changed since it was read
        const ErrorCode code = in.error.code;
        in.error.code = code == ErrorCode::Missing || code == ErrorCode::FolderMissing
                            ? ErrorCode::SourceMissing
                        : code == ErrorCode::Link || code == ErrorCode::IsFolder ||
                                code == ErrorCode::NotAFile || code == ErrorCode::NotAFolder
                            ? ErrorCode::SourceNotAFile
                            : ErrorCode::SourceUnreadable;
        return fail(Stage::Copy, in.error);
    }
    // An empty file would leave the game without its graphics; a set's file may have grown
    // since its set was read.
    if (in.value.info().size == 0)
        return fail(Stage::Copy, failure(ErrorCode::SourceEmpty, utf8Text(source.path)));
    if (in.value.info().size > kMaxChannelFileSize)
        return fail(Stage::Copy, failure(ErrorCode::SourceTooLarge, utf8Text(source.path)));
    const std::uint32_t mode = now.kind == EntryKind::File ? (now.mode | 0200) : 0644;
    Result<Staged> staged = Staged::copy(in.value, folder.value, name, mode, kMaxChannelFileSize);
    if (staged.error.code == ErrorCode::SourceTooLarge)
        staged.error.subject = utf8Text(source.path);
    if (!staged.ok()) return fail(Stage::Copy, staged.error);

    Record& record = state_[slot];
    const Result<bool> ours = holdsWritten(slot, folder.value, name, now);
    if (!ours.ok()) return fail(Stage::Keep, ours.error);
    if (now.kind == EntryKind::File && !ours.value)
        if (Error e = keep(slot, folder.value, name, now, out.setAside); !e.ok())
            return fail(Stage::Keep, e);
    const Record before = record;
    if (now.kind == EntryKind::Missing && record.before == Before::Unknown)
        record.before = Before::Absent;
    record.intent = Record::Intent{Op::Write, staged.value.digest()};
    if (Error e = save(); !e.ok()) {
        record = before;
        dirty_ = true;
        return fail(Stage::Note, e);
    }
    // A file another program (the game, the player) put there meanwhile is theirs: the
    // rename must not take it.
    if (Error e = staged.value.commit(&now); !e.ok()) {
        // What the swap took out and could not give back stays noted, for the next run to keep
        // apart, unless this one can; the channel's file is in place all the same, or it is not.
        if (!staged.value.displaced()) record.intent.reset();
        setApartNow(slot, folder.value, staged.value.leftover(), out.setAside);
        dirty_ = true;
        if (!staged.value.inPlace()) return fail(Stage::Copy, e);
    } else {
        record.intent.reset();
    }
    record.written = staged.value.digest();
    record.authorUnknown = false;
    dirty_ = true;
    out.kind = Kind::Replaced;
    return out;
}

Error Store::finish() {
    return dirty_ && store_.isOpen() ? save() : Error{};
}

// --- restoring ---

bool Store::anythingToRestore() const {
    return std::any_of(state_.begin(), state_.end(),
                       [](const Record& r) { return r.before != Before::Unknown; });
}

Error Store::putBack(size_t slot, const Folder& keptIn, const std::string& keptName,
                     const Folder& folder, const std::string& name, const FileInfo& now,
                     FileOutcome& out) {
    const FileInfo kept = keptIn.info(keptName);
    // Moved back, on the same disk, so that its data are not copied again; but a copy
    // that has other names as well is copied, so that no file outside is tied to the game's.
    if (kept.links == 1) {
        const Error moved = moveFile(keptIn, keptName, folder, name, &now);
        if (moved.ok()) return moved;
        // Failed, yet the original is in place after all, and the kept copy's name holds
        // what it replaced: never copied from there as the original.
        if (const FileInfo left = keptIn.info(keptName);
            folder.info(name).sameFile(kept) && !left.sameFile(kept)) {
            // A file another program put in place meanwhile, that could not be given back, is
            // kept apart; or the file the program wrote would not go. Either stays noted.
            if (left.kind == EntryKind::File && !left.sameFile(now))
                if (Error e = keepApart(slot, keptIn, keptName, out.setAside); e.ok()) return e;
            out.stage = Stage::Tidy;
            return moved;
        }
        // The copy gone from its name (the game's file under it, say): never copied from there;
        // the put-back stays noted, for the next run to finish.
        if (!keptIn.info(keptName).sameFile(kept)) {
            leftNoted_ = true;
            return moved;
        }
        if (moved.code != ErrorCode::Other) return moved;
    }
    Result<ReadFile> file = ReadFile::open(keptIn, keptName);
    if (!file.ok()) return file.error;
    Result<Staged> copy = Staged::copy(file.value, folder, name, kept.mode);
    if (!copy.ok()) return copy.error;
    if (Error e = copy.value.commit(&now); !e.ok()) {
        // What the copy took out stays noted, for the next run to keep apart; back or not.
        leftNoted_ = copy.value.displaced();
        setApartNow(slot, folder, copy.value.leftover(), out.setAside);
        if (copy.value.inPlace()) out.stage = Stage::Tidy;
        return e;
    }
    out.stage = Stage::Tidy;  // the original is back; only its kept copy is left
    return removeFile(keptIn, keptName);
}

std::vector<std::string> Store::keptApart() {
    std::vector<std::string> shown;
    if (!store_.isOpen()) return shown;  // no store: nothing was ever kept
    for (size_t slot : {size_t{0}, size_t{2}}) {
        Result<Folder> folder = keptFolder(slot, false);
        if (folder.ok())
            for (size_t file : {slot, slot + 1})
                for (const std::string& name : setApart(folder.value, file))
                    shown.push_back(shownInStore(file, folder.value, name));
    }
    return shown;
}

std::optional<FileOutcome> Store::restoreOne(size_t slot) {
    Record& record = state_[slot];
    FileOutcome out{Kind::NotRestored, slot, {}, {}, Stage::None, {}};
    const auto fail = [&](Stage stage, Error error) {
        out.stage = stage;
        out.error = std::move(error);
        return out;
    };
    const bool kept = record.before == Before::Kept;
    Result<Folder> folder = gameFolder(slot, kept);
    if (!folder.ok()) {
        if (!kept && folder.error.code == ErrorCode::FolderMissing) {
            record = {};  // nothing there to remove
            dirty_ = true;
            return std::nullopt;
        }
        out.shown = shownGameFile(slot);  // once its folders have been looked at
        return fail(Stage::PutBack, folder.error);
    }
    const std::string name = folder.value.find(kGameFiles[slot].name);
    out.shown = shownGameFile(slot, folder.value, name);
    const FileInfo now = folder.value.info(name);
    const std::string where = utf8Text(folder.value.path() / utf8Path(name));
    if (now.kind == EntryKind::Folder)
        return fail(Stage::PutBack, failure(ErrorCode::IsFolder, where));
    if (now.kind == EntryKind::Link) return fail(Stage::PutBack, failure(ErrorCode::Link, where));
    if (now.kind == EntryKind::Other)
        return fail(Stage::PutBack, failure(ErrorCode::NotAFile, where));
    const Result<bool> holds = holdsWritten(slot, folder.value, name, now);
    if (!holds.ok()) return fail(Stage::PutBack, holds.error);
    const bool ours = holds.value;

    if (!kept) {  // added where the game had none: removed while it is still ours
        if (now.kind == EntryKind::Missing) {
            record = {};
            dirty_ = true;
            return std::nullopt;
        }
        if (!ours) {
            out.kind = Kind::LeftChanged;
            return out;
        }
        // Nothing was kept, so nothing is "back": the removal itself failed.
        if (Error e = removeFile(folder.value, name, &now); !e.ok()) return fail(Stage::PutBack, e);
        record = {};
        dirty_ = true;
        out.kind = Kind::Removed;
        return out;
    }

    // Already back (a restore cut short after putting it back, or the same bytes anyway):
    // only the kept copy is left to tidy. The file in place is read for that alone.
    const Result<bool> original = ours ? false : holdsDigest(folder.value, name, now, *record.kept);
    const bool back = original.ok() && original.value;
    if (!back && now.kind == EntryKind::File && !ours) {
        if (!record.authorUnknown) {
            out.kind = Kind::LeftChanged;
            // Where the version kept before the installs is, for a player who wants it back:
            // named only while that copy is there.
            if (Result<Folder> keptIn = keptFolder(slot, false); keptIn.ok()) {
                const std::string keptName = keptIn.value.find(kGameFiles[slot].name);
                const Result<bool> copy =
                    holdsDigest(keptIn.value, keptName, keptIn.value.info(keptName), *record.kept);
                if (copy.ok() && copy.value)
                    out.keptAt = shownInStore(slot, keptIn.value, keptName);
            }
            return out;
        }
        // Whose it is is not known: it is kept apart, and the original goes back.
        Result<ReadFile> file = ReadFile::open(folder.value, name);
        if (!file.ok()) return fail(Stage::Keep, file.error);
        if (Error e = setAside(slot, file.value, now, out.setAside); !e.ok())
            return fail(Stage::Keep, e);
    }
    // Only the copy that was kept goes back: one changed since is not the original. With the
    // original back, it is not the program's to delete either (it may be another program's
    // file that a failing disk left there), and is kept apart.
    const Stage stage = back ? Stage::Tidy : Stage::PutBack;
    Result<Folder> keptIn = keptFolder(slot, false);
    if (!keptIn.ok()) return fail(stage, keptIn.error);
    const std::string keptName = keptIn.value.find(kGameFiles[slot].name);
    const FileInfo keptNow = keptIn.value.info(keptName);
    const Result<bool> keptHolds = holdsDigest(keptIn.value, keptName, keptNow, *record.kept);
    if (!keptHolds.ok()) return fail(stage, keptHolds.error);
    const bool changed = !keptHolds.value;
    // The program's own file a put-back left there is removed, never set apart as anyone's.
    const Result<bool> own = changed ? holdsSwapped(slot, keptIn.value, keptName, keptNow) : false;
    if (!own.ok()) return fail(stage, own.error);
    if (own.value && !back) {  // the original went back, and the game or the player changed it
        out.kind = Kind::LeftChanged;
        return out;
    }
    if (changed && !back) return fail(stage, failure(ErrorCode::KeptChanged));
    // "Back" because the file in place is the kept copy itself, mounted there: its only name.
    if (back && sameEntry(now, keptNow) && keptNow.links < 2)
        return fail(stage, failure(ErrorCode::InStore, out.shown));
    // Noted first, whether the kept copy is to be put back or is only left to tidy: with
    // it gone, the state must not say it is kept.
    record.intent = Record::Intent{Op::PutBack, *record.kept};
    if (Error e = save(); !e.ok()) {
        record.intent.reset();
        return fail(Stage::Note, e);
    }
    out.stage = stage;
    const Error e = !back ? putBack(slot, keptIn.value, keptName, folder.value, name, now, out)
                    : changed && !own.value ? keepApart(slot, keptIn.value, keptName, out.setAside)
                                            : removeFile(keptIn.value, keptName);
    if (!e.ok()) {
        // Back but not tidied: the put-back stays noted, so that the next run finishes it as
        // one cut short, keeping apart whatever lies under the kept copy's name but the copy.
        if (const bool noted = std::exchange(leftNoted_, false); out.stage != Stage::Tidy && !noted)
            record.intent.reset();
        dirty_ = true;
        return fail(out.stage, e);
    }
    out.stage = Stage::None;
    record = {};
    dirty_ = true;
    out.kind = Kind::Restored;
    return out;
}

std::vector<FileOutcome> Store::restore() {
    std::vector<FileOutcome> outcomes;
    for (size_t slot = 0; slot < kGameFiles.size(); ++slot)
        if (state_[slot].before != Before::Unknown)
            if (auto outcome = restoreOne(slot)) outcomes.push_back(std::move(*outcome));
    return outcomes;
}

}  // namespace kestro
