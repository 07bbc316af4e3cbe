// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <optional>
#include <random>
#include <utility>

#include "names.h"
#include "platform.h"
#include "seams.h"

namespace kestro {
namespace fs = std::filesystem;
namespace {

std::string temporaryPrefix(std::string_view name) {
    return "." + std::string(name) + ".kestro-";
}

// A temporary's name for `name`: the tidy-up recognises exactly this shape.
std::string temporaryName(std::string_view name) {
    static std::mt19937_64 random(std::random_device{}());
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string text = temporaryPrefix(name);
    for (int i = 0; i < 8; ++i) text += letters[random() % 36];
    return text;
}

// Only the exact names createUnique makes: a player's own dot-file that merely shares the
// start is not ours to remove. The name's letter case aside, as the game's own file names:
// one found in another spelling on a later run is the same file's.
bool isTemporaryOf(std::string_view entry, std::string_view name, bool longerNames) {
    const std::string_view marker = ".kestro-";
    if (entry.size() < marker.size() + 8) return false;
    const std::string_view tail = entry.substr(entry.size() - 8);
    const std::string_view start = entry.substr(0, entry.size() - 8 - marker.size());
    for (const char c : tail)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return entry.substr(start.size(), marker.size()) == marker && start.size() > name.size() &&
           start[0] == '.' && sameNameIgnoringCase(start.substr(1, name.size()), name) &&
           (longerNames || start.size() == name.size() + 1);
}

// An entry that could not be made for want of rights: the folder it was to go in is what is
// in the way, not a name that is not there.
Error inTheWay(Error e, const Folder& folder, std::string_view name) {
    if ((e.code == ErrorCode::PermissionDenied || e.code == ErrorCode::ReadOnlyDisk) &&
        folder.info(name).kind == EntryKind::Missing)
        e.subject = utf8Text(folder.path());
    return e;
}

}  // namespace

std::string utf8Text(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

fs::path utf8Path(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

fs::path partThere(const fs::path& path) {
    fs::path there = path;
    std::error_code unseen;
    while (!fs::exists(there, unseen) && there != there.parent_path()) there = there.parent_path();
    return there;
}

// --- Folder ---

struct Folder::Shared {
    fs::path path;
    platform::Native handle = platform::kNoHandle;
    mutable std::optional<std::vector<std::string>> listing;  // sorted
    ~Shared() { platform::closeQuietly(handle); }
    platform::Place place() const { return {handle, path}; }
};

Result<Folder> Folder::open(const fs::path& path) {
    Folder folder;
    folder.shared_ = std::make_shared<Shared>();
    folder.shared_->path = path;
    if (Error e = platform::openFolder(path, folder.shared_->handle); !e.ok()) {
        // A file on the way is what is in the way, not the path that cannot go on past it.
        if (e.code != ErrorCode::NotAFolder) return e;
        std::error_code unseen;
        if (const fs::path there = partThere(path); !fs::is_directory(there, unseen))
            e.subject = utf8Text(there);
        return e;
    }
    return folder;
}

Result<Folder> Folder::child(std::string_view name, bool create) const {
    Folder folder;
    folder.shared_ = std::make_shared<Shared>();
    const std::string found = find(name);
    folder.shared_->path = path() / utf8Path(found);
    if (Error e =
            platform::openChildFolder(shared_->place(), found, create, folder.shared_->handle);
        !e.ok())
        return create ? inTheWay(std::move(e), *this, found) : e;
    if (create) forgetListing();
    return folder;
}

Result<std::vector<std::string>> Folder::list() const {
    if (!shared_->listing) {
        std::vector<std::string> names;
        if (Error e = platform::listFolder(shared_->place(), names); !e.ok()) return e;
        std::sort(names.begin(), names.end());
        shared_->listing = std::move(names);
    }
    return *shared_->listing;
}

std::string Folder::find(std::string_view name) const {
    const std::string exact(name);
    if (infoOf(shared_->place(), exact).kind != EntryKind::Missing) return exact;
    const auto names = list();
    if (names.ok())
        for (const std::string& entry : names.value)
            if (sameNameIgnoringCase(entry, name)) return entry;
    return exact;
}

FileInfo Folder::info(std::string_view name) const {
    return platform::infoOf(shared_->place(), std::string(name));
}

const fs::path& Folder::path() const {
    return shared_->path;
}

std::intptr_t Folder::handle() const {
    return shared_->handle;
}

void Folder::forgetListing() const {
    shared_->listing.reset();
}

// --- ReadFile ---

ReadFile::~ReadFile() {
    platform::closeQuietly(handle_);
}

ReadFile::ReadFile(ReadFile&& other) noexcept
    : handle_(std::exchange(other.handle_, platform::kNoHandle)), info_(other.info_) {}

ReadFile& ReadFile::operator=(ReadFile&& other) noexcept {
    std::swap(handle_, other.handle_);
    std::swap(info_, other.info_);
    return *this;
}

Result<ReadFile> ReadFile::open(const Folder& folder, std::string_view name, bool follow) {
    ReadFile file;
    const platform::Place at{folder.handle(), folder.path()};
    if (Error e = platform::openRead(at, std::string(name), follow, file.handle_, file.info_);
        !e.ok())
        return e;
    return file;
}

Result<ReadFile> ReadFile::open(const fs::path& path, bool follow) {
    ReadFile file;
    if (Error e = platform::openReadPath(path, follow, file.handle_, file.info_); !e.ok()) return e;
    return file;
}

Result<ReadFile> ReadFile::openBelow(const fs::path& top, const fs::path& path) {
    const fs::path inside = path.parent_path().lexically_relative(top);
    if (top.filename().empty() || inside.empty()) return failure(ErrorCode::PathInvalid);
    Result<Folder> folder = Folder::open(top.parent_path());
    for (const fs::path& part : top.filename() / inside) {
        if (part == ".") continue;
        if (part == "..") return failure(ErrorCode::PathInvalid);
        if (folder.ok()) folder = folder.value.child(utf8Text(part));
        // Exactly that folder: another of its name in other letters is not the one looked at.
        if (folder.ok() && folder.value.path().filename() != part)
            return failure(ErrorCode::FolderMissing, utf8Text(folder.value.path()));
    }
    return folder.ok() ? open(folder.value, utf8Text(path.filename())) : folder.error;
}

Error ReadFile::readBlocks(bool (*take)(void*, const char*, std::size_t), void* context) {
    std::vector<char> buffer(1 << 20);  // a fixed buffer keeps memory flat whatever the size
    for (;;) {
        Error error;
        const long long n = platform::readSome(handle_, buffer.data(), buffer.size(), error);
        if (n < 0) return error;
        if (n == 0) return {};
        if (!take(context, buffer.data(), static_cast<std::size_t>(n)))
            return failure(ErrorCode::TooLarge);
    }
}

long long ReadFile::readSome(char* data, std::size_t size) {
    Error ignored;
    return platform::readSome(handle_, data, size, ignored);
}

long long ReadFile::seek(long long offset, int whence) {
    return platform::seekFile(handle_, offset, whence);
}

Error readSmall(ReadFile& file, std::size_t limit, std::string& contents) {
    contents.clear();
    return file.readAll([&](const char* data, std::size_t size) {
        if (contents.size() + size > limit) return false;
        contents.append(data, size);
        return true;
    });
}

Error readSmallFile(const fs::path& path, std::size_t limit, std::string& contents, bool follow) {
    Result<ReadFile> file = ReadFile::open(path, follow);
    if (!file.ok()) return file.error;
    return readSmall(file.value, limit, contents);
}

Error digestOf(ReadFile& file, Digest& digest) {
    DigestBuilder builder;
    if (Error e = file.readAll([&](const char* data, std::size_t size) {
            builder.add(data, size);
            return true;
        });
        !e.ok())
        return e;
    digest = builder.finish();
    return {};
}

// --- Staged ---

Staged::~Staged() {
    // A program dying of an exception leaves its files as a crash would; the next run
    // tidies them under the lock.
    if (!temporary_.empty() && std::uncaught_exceptions() == 0)
        platform::removeEntry({folder_.handle(), folder_.path()}, temporary_);
}

Staged::Staged(Staged&& other) noexcept
    : folder_(std::move(other.folder_)),
      name_(std::move(other.name_)),
      temporary_(std::exchange(other.temporary_, {})),
      leftover_(std::move(other.leftover_)),
      digest_(other.digest_),
      displaced_(other.displaced_),
      inPlace_(other.inPlace_) {}

namespace {

// Writes a temporary file beside `name` with `fill` (which writes through the given
// function and returns its error), flushed and closed; its digest too.
template <typename Fill>
Result<Staged> stage(const Folder& folder, std::string_view name, std::uint32_t mode, Fill fill,
                     Staged& staged, std::string& temporary, Digest& digest) {
    if (folder.info(name).kind == EntryKind::Folder)
        return failure(ErrorCode::IsFolder, utf8Text(folder.path() / utf8Path(name)));
    beforeDiskChange();
    platform::Native out = platform::kNoHandle;
    const platform::Place at{folder.handle(), folder.path()};
    if (Error e = platform::createUnique(
            at, [name] { return temporaryName(name); }, mode, out, temporary);
        !e.ok())
        return e;
    DigestBuilder builder;
    Error error = fill([&](const char* data, std::size_t size) {
        builder.add(data, size);
        while (size > 0) {
            Error e;
            const long long n = platform::writeSome(out, data, size, e);
            if (n < 0) return e;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return Error{};
    });
    if (error.ok()) error = platform::flushFile(out);
    if (Error closed = platform::closeFile(out); error.ok()) error = closed;
    digest = builder.finish();
    if (!error.ok()) return error;  // the Staged's destructor removes the temporary
    return std::move(staged);
}

Error inUse(const Folder& folder, std::string_view name) {
    return failure(ErrorCode::InUse, utf8Text(folder.path() / utf8Path(name)));
}

// The file in place is still the one seen before: checked after the seam, just before the
// change, so that the window in which another program can slip in is as short as it gets.
Error stillAsSeen(const Folder& folder, std::string_view name, const FileInfo* seen) {
    return !seen || folder.info(name).sameAs(*seen) ? Error{} : inUse(folder, name);
}

// Puts `from` (in `source`) at `to` (in `target`), replacing what is there; with `seen`,
// only while that is the file seen then. Where the system can, that window is closed: with
// none seen, it goes in only while there is none; else the two are exchanged, and the one
// taken out, now at `from`, goes back if it is not the one seen, and else away.
Error replaceSeen(const Folder& source, const std::string& from, const Folder& target,
                  const std::string& to, const FileInfo* seen, bool temporary) {
    const platform::Place src{source.handle(), source.path()}, dst{target.handle(), target.path()};
    if (Error e = stillAsSeen(target, to, seen); !e.ok()) return e;
    const bool exchange = seen && seen->kind != EntryKind::Missing;
    Error e;
    const FileInfo mine = source.info(from);
    if (!seen || !platform::renameAtomically(src, from, dst, to, exchange, e))
        return platform::renameEntry(src, from, dst, to);
    if (e.code == ErrorCode::AlreadyExists) return inUse(target, to);
    if (!e.ok() || !exchange) return e;
    if (source.info(from).sameFile(*seen)) {
        // Should it not go, it is left to the tidy-up under a temporary's name.
        if (platform::removeEntry(src, from).ok() || temporary) return {};
        return platform::renameEntry(src, from, src, temporaryName(from));
    }
    // Theirs back in place; never by a plain rename, which would take whatever the game
    // wrote there since. Failing that, theirs waits under the temporary's name (or "-theirs")
    // for the caller to keep apart. Replaced once more meanwhile: what came back is not ours
    // either, and must not go with the temporary's name.
    platform::renameAtomically(src, from, dst, to, true, e);
    if (temporary && source.info(from).kind != EntryKind::Missing &&
        !source.info(from).sameFile(mine))
        platform::renameEntry(src, from, src, from + std::string(kTheirsMark));
    return inUse(target, to);
}

}  // namespace

Result<Staged> Staged::copy(ReadFile& source, const Folder& folder, std::string_view name,
                            std::uint32_t mode, std::uint64_t limit) {
    Staged staged;
    staged.folder_ = folder;
    staged.name_ = name;
    return stage(
        folder, name, mode,
        [&](auto write) {
            Error written;
            std::uint64_t copied = 0;
            Error read = source.readAll([&](const char* data, std::size_t size) {
                if ((copied += size) > limit) return false;
                written = write(data, size);
                return written.ok();
            });
            if (copied > limit) return failure(ErrorCode::SourceTooLarge);
            return written.ok() ? read : written;
        },
        staged, staged.temporary_, staged.digest_);
}

Result<Staged> Staged::write(std::string_view contents, const Folder& folder, std::string_view name,
                             std::uint32_t mode) {
    Staged staged;
    staged.folder_ = folder;
    staged.name_ = name;
    return stage(
        folder, name, mode, [&](auto write) { return write(contents.data(), contents.size()); },
        staged, staged.temporary_, staged.digest_);
}

Error Staged::commit(const FileInfo* over) {
    beforeDiskChange();
    const platform::Place at{folder_.handle(), folder_.path()};
    const FileInfo mine = folder_.info(temporary_);
    if (Error e = replaceSeen(folder_, temporary_, folder_, name_, over, true); !e.ok()) {
        // In place yet failed, or another file under the temporary's name (or named theirs):
        // that one is theirs.
        const FileInfo left = folder_.info(temporary_);
        const std::string marked = temporary_ + std::string(kTheirsMark);
        inPlace_ = folder_.info(name_).sameFile(mine);
        if (inPlace_ || (left.kind != EntryKind::Missing && !left.sameFile(mine)) ||
            folder_.info(marked).kind == EntryKind::File) {
            displaced_ = true;
            for (const std::string& at : {temporary_, marked})
                if (folder_.info(at).kind == EntryKind::File && leftover_.empty()) leftover_ = at;
            temporary_.clear();
        }
        if (e.subject.empty()) e.subject = utf8Text(folder_.path() / utf8Path(name_));
        return e;
    }
    temporary_.clear();
    folder_.forgetListing();
    // The rename itself must reach the disk before the file counts as written.
    platform::syncFolder(at);
    return {};
}

Error writeWhole(const Folder& folder, std::string_view name, std::string_view contents) {
    Result<Staged> staged = Staged::write(contents, folder, name);
    return staged.ok() ? staged.value.commit() : staged.error;
}

Error moveFile(const Folder& from, std::string_view name, const Folder& to, std::string_view as,
               const FileInfo* over) {
    beforeDiskChange();
    const platform::Place source{from.handle(), from.path()}, target{to.handle(), to.path()};
    if (Error e = replaceSeen(from, std::string(name), to, std::string(as), over, false); !e.ok())
        return e;
    from.forgetListing();
    to.forgetListing();
    platform::syncFolder(target);
    platform::syncFolder(source);
    return {};
}

Error removeFile(const Folder& folder, std::string_view name, const FileInfo* seen) {
    const platform::Place at{folder.handle(), folder.path()};
    if (folder.info(name).kind == EntryKind::Folder)
        return failure(ErrorCode::IsFolder, utf8Text(folder.path() / utf8Path(name)));
    beforeDiskChange();
    if (Error e = stillAsSeen(folder, name, seen); !e.ok()) return e;
    // With `seen`, first moved out of the way under a temporary's name where the system can
    // do so in one step, and looked at there: a file another program put in place meanwhile
    // goes back rather than away.
    std::string gone(name);
    if (seen) {
        // Under a name that the tidy-up takes only for what the program recorded as its own.
        const std::string aside = temporaryName(name) + std::string(kGoneMark);
        Error e;
        if (platform::renameAtomically(at, gone, at, aside, false, e)) {
            if (!e.ok()) return e;
            if (!folder.info(aside).sameFile(*seen)) {
                // Theirs back; failing that, under a name the tidy-up never takes.
                if (!platform::renameAtomically(at, aside, at, gone, false, e) || !e.ok())
                    platform::renameEntry(at, aside, at, aside + std::string(kTheirsMark));
                folder.forgetListing();
                return inUse(folder, name);
            }
            gone = aside;
        }
    }
    if (Error e = platform::removeEntry(at, gone); !e.ok()) {
        if (gone != name) platform::renameAtomically(at, gone, at, std::string(name), false, e);
        folder.forgetListing();
        return e;
    }
    folder.forgetListing();
    platform::syncFolder(at);
    return {};
}

namespace {

Error removeTreeAt(const Folder& folder, std::string_view name, int depth) {
    const platform::Place at{folder.handle(), folder.path()};
    if (folder.info(name).kind != EntryKind::Folder) {
        // Nothing is synced: a tree cut short is removed again (thousands of syncs are slow).
        beforeDiskChange();
        folder.forgetListing();
        return platform::removeEntry(at, std::string(name));
    }
    if (depth > 64)
        return failure(ErrorCode::PathTooLong, utf8Text(folder.path() / utf8Path(name)));
    platform::letGo(at, std::string(name));
    Result<Folder> inside = folder.child(name);
    if (!inside.ok()) return inside.error;
    if (platform::isMountRoot({inside.value.handle(), inside.value.path()}))  // as rm says
        return failure(ErrorCode::Other, EBUSY, utf8Text(inside.value.path()));
    const auto names = inside.value.list();
    if (!names.ok()) return names.error;
    Error first;  // what can go goes all the same
    for (const std::string& entry : names.value)
        if (Error e = removeTreeAt(inside.value, entry, depth + 1); !e.ok() && first.ok())
            first = e;
    if (!first.ok()) return first;
    beforeDiskChange();
    const Error e = platform::removeFolder(at, std::string(name));
    folder.forgetListing();
    return e;
}

}  // namespace

Error removeTree(const Folder& folder, std::string_view name) {
    return removeTreeAt(folder, name, 0);
}

std::vector<std::string> temporariesOf(const Folder& folder, std::string_view name,
                                       bool longerNames, bool marked) {
    std::vector<std::string> found;
    const auto names = folder.list();
    if (!names.ok()) return found;
    for (const std::string& entry : names.value) {
        std::string_view temporary = entry;
        for (const std::string_view mark : {kTheirsMark, kGoneMark})
            if (marked && temporary.ends_with(mark)) temporary.remove_suffix(mark.size());
        if (isTemporaryOf(temporary, name, longerNames) &&
            folder.info(entry).kind == EntryKind::File)
            found.push_back(entry);
    }
    return found;
}

void removeTemporaries(const Folder& folder, std::string_view name, bool longerNames) {
    const platform::Place at{folder.handle(), folder.path()};
    bool removed = false;
    for (const std::string& entry : temporariesOf(folder, name, longerNames))
        removed |= platform::removeEntry(at, entry).ok();
    if (removed) folder.forgetListing();
}

// --- FileLock ---

FileLock::~FileLock() {
    platform::closeQuietly(handle_);  // closing releases the lock
}

Error FileLock::lock(const Folder& folder, std::string_view name) {
    const Error e =
        platform::lockEntry({folder.handle(), folder.path()}, std::string(name), handle_);
    return inTheWay(e, folder, name);
}

}  // namespace kestro
