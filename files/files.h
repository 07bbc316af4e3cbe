// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer: folders opened once and everything inside them reached without ever
// going through a link; files read without blocking on a pipe; new versions of files
// written beside them, flushed, and put in place in one step. Written once over the
// small per-platform primitives of platform.h.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "digest.h"
#include "error.h"

namespace kestro {

enum class EntryKind { Missing, File, Folder, Link, Other };

struct FileInfo {
    EntryKind kind = EntryKind::Missing;
    std::uint64_t size = 0;
    std::uint32_t mode = 0644;  // permission bits; on Windows only the owner's write bit
    std::uint64_t links = 1;    // names the file has
    std::uint64_t id = 0;       // which file it is on its disk (0: not known)
    std::uint64_t disk = 0;     // which disk
    std::int64_t modified = 0;  // last written, in the system's own units
    std::int64_t changed = 0;   // its entry last changed (POSIX), which no program can set
    bool foreign = false;       // made by another user account than ours or the administrator's
                                // (POSIX; on Windows, never)

    // The same file, unwritten since, as far as its entry tells: another program that
    // replaced or rewrote it in between has changed at least one of these.
    bool sameFile(const FileInfo& earlier) const {
        return kind == earlier.kind && size == earlier.size && id == earlier.id &&
               modified == earlier.modified;
    }
    // ... and nothing at all done to its entry since (a rename changes it, too).
    bool sameAs(const FileInfo& earlier) const {
        return sameFile(earlier) && changed == earlier.changed;
    }
};

// A path as UTF-8 text, and back, the same on every platform.
std::string utf8Text(const std::filesystem::path& path);
std::filesystem::path utf8Path(std::string_view text);
// The longest start of `path` that is there, links followed: where the path stops.
std::filesystem::path partThere(const std::filesystem::path& path);

// An open folder. Copies share it; it closes with the last.
class Folder {
  public:
    Folder() = default;
    // A folder the player named: links on the way to it are followed.
    static Result<Folder> open(const std::filesystem::path& path);
    // The folder `name` inside this one (its name matched letter case aside), made
    // first with `create`; a link there is refused (ErrorCode::Link). One that cannot be
    // made for want of rights names this folder, the one in the way.
    Result<Folder> child(std::string_view name, bool create = false) const;

    // The entry whose name is `name` letter case aside: the exact one where it is
    // there, else the first in sorted order; `name` itself when there is none. The
    // folder is listed once, when first asked.
    std::string find(std::string_view name) const;
    FileInfo info(std::string_view name) const;  // never through a link
    Result<std::vector<std::string>> list() const;
    const std::filesystem::path& path() const;
    std::intptr_t handle() const;
    bool isOpen() const { return shared_ != nullptr; }
    void forgetListing() const;  // after a change the listing does not know of

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

// A plain file open to read.
class ReadFile {
  public:
    ReadFile() = default;
    ~ReadFile();
    ReadFile(ReadFile&& other) noexcept;
    ReadFile& operator=(ReadFile&& other) noexcept;
    // Without blocking on a pipe; a link is followed only with `follow`. Missing for
    // nothing there, Link, IsFolder or NotAFile for anything but a plain file.
    static Result<ReadFile> open(const Folder& folder, std::string_view name, bool follow = false);
    static Result<ReadFile> open(const std::filesystem::path& path, bool follow);
    // `path` below `top`, following no link from `top`'s own name down (the way to `top` is
    // the player's): a folder swapped for a link since it was looked at is refused.
    static Result<ReadFile> openBelow(const std::filesystem::path& top,
                                      const std::filesystem::path& path);
    const FileInfo& info() const { return info_; }
    // Hands each block to `take` until the end, or until `take` returns false (TooLarge).
    template <typename Take>
    Error readAll(Take take);
    // Some bytes at the current place: how many (0 at the end), or -1.
    long long readSome(char* data, std::size_t size);
    // Moves the current place as lseek() does; the new place, or -1.
    long long seek(long long offset, int whence);

  private:
    Error readBlocks(bool (*take)(void*, const char*, std::size_t), void* context);
    std::intptr_t handle_ = -1;
    FileInfo info_;
};

// Reads a small plain file whole; TooLarge past `limit` bytes.
Error readSmall(ReadFile& file, std::size_t limit, std::string& contents);
Error readSmallFile(const std::filesystem::path& path, std::size_t limit, std::string& contents,
                    bool follow = false);
// The digest of what a file holds, read to its end.
Error digestOf(ReadFile& file, Digest& digest);

// A new version of the file `name` in a folder, written to a temporary file beside it
// and flushed, but not yet in place: commit() puts it there in one step. Until then
// the old file is untouched, and a Staged that is never committed leaves nothing.
class Staged {
  public:
    Staged() = default;
    ~Staged();
    Staged(Staged&& other) noexcept;
    Staged& operator=(Staged&&) = delete;
    // Copies `source` to its end, hashing what is written; past `limit` bytes (a file that
    // grows while it is copied, say) it stops with SourceTooLarge.
    static Result<Staged> copy(ReadFile& source, const Folder& folder, std::string_view name,
                               std::uint32_t mode, std::uint64_t limit = UINT64_MAX);
    static Result<Staged> write(std::string_view contents, const Folder& folder,
                                std::string_view name, std::uint32_t mode = 0644);
    const Digest& digest() const { return digest_; }
    // Renames it over `name` and makes that reach the disk; with `over`, only while the
    // file there is still the one seen then (else InUse: another program changed it).
    Error commit(const FileInfo* over = nullptr);
    // After a failed commit: another program's file, put in place meanwhile, that the swap
    // took out and could not give back lies under the temporary's name (or that name and
    // "-theirs"), never removed with it; and whether this file went in all the same.
    bool displaced() const { return displaced_; }
    bool inPlace() const { return inPlace_; }
    const std::string& leftover() const { return leftover_; }  // its name, while it is there

  private:
    Folder folder_;
    std::string name_, temporary_, leftover_;
    Digest digest_;
    bool displaced_ = false, inPlace_ = false;
};

// Writes `contents` as the whole of `name`, the same safe way.
Error writeWhole(const Folder& folder, std::string_view name, std::string_view contents);

// Moves a file to another name in the same or another folder of one disk, replacing a
// file there; Other with the system's code when the disk differs. `over` as for commit().
Error moveFile(const Folder& from, std::string_view name, const Folder& to, std::string_view as,
               const FileInfo* over = nullptr);
// Removes a file: a link itself, never a folder. `seen` as commit()'s `over`.
Error removeFile(const Folder& folder, std::string_view name, const FileInfo* seen = nullptr);
// Removes `name` with all it holds: a link itself, never what it leads to, and never what
// another file system mounted inside holds (that stays, and so does the way to it: Other).
Error removeTree(const Folder& folder, std::string_view name);

// The temporary files a Staged of `name` (with `longerNames`, also of any name that begins
// with it) cut short (power cut, killed process) left. Only names exactly of the shape a
// Staged makes go: a player's file that merely looks alike stays.
// Only the holder of the folder's lock may remove them, so that no running copy
// loses its own.
void removeTemporaries(const Folder& folder, std::string_view name, bool longerNames = false);
// Marks after a temporary's name: a file a removal moved aside to look at it (kTheirsMark
// after it too, once the file is known not to be the one seen), and one a failed commit or
// removal named as another program's. removeTemporaries never takes either.
inline constexpr std::string_view kGoneMark = "-gone", kTheirsMark = "-theirs";
// The files removeTemporaries would take; with `marked`, also those with either mark.
std::vector<std::string> temporariesOf(const Folder& folder, std::string_view name,
                                       bool longerNames = false, bool marked = false);

// An advisory lock on a file, held until destruction or the end of the process.
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Creates the file if need be and takes the lock without waiting: Locked when
    // someone else holds it. One that cannot be made for want of rights names the folder.
    Error lock(const Folder& folder, std::string_view name);

  private:
    std::intptr_t handle_ = -1;
};

template <typename Take>
Error ReadFile::readAll(Take take) {
    return readBlocks([](void* context, const char* data,
                         std::size_t size) { return (*static_cast<Take*>(context))(data, size); },
                      &take);
}

}  // namespace kestro
