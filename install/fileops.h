// SPDX-License-Identifier: GPL-3.0-or-later
// The file operations of an install, on Windows-style path texts. One
// implementation per platform (fileops_posix.cpp, fileops_win.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "winpath.h"

namespace kestro {

enum class FileError {
    None,
    PathEmpty,         // no path at all
    PathRelative,      // would lean on the current folder
    PathInvalid,       // not a path this platform can name
    DriveMissing,      // "D:" names no drive here
    AlreadyExists,     // creating a folder that is there
    FolderMissing,     // a folder on the way does not exist
    SourceMissing,     // the channel's own file is not there
    SourceNotAFile,    // the channel's "file" is a folder, pipe or device
    SourceUnreadable,  // the channel's file cannot be read
    DestinationIsFolder,
    DestinationReadOnly,  // the game file is marked read-only
    PermissionDenied,
    ReadOnlyDisk,
    DiskFull,
    FileTooLarge,
    InUse,            // the game (or something else) holds the file
    NotAFile,         // a link, folder, pipe or device where a plain file belongs
    PathTooLong,      // longer than the window can hand over or the platform can name
    Locked,           // another copy of the program holds the game folder
    StoreDamaged,     // the record of kept originals is not what the program wrote
    OriginalMissing,  // a kept original is no longer in the store
    ChangedSince,     // the game or the player wrote the file after the program did
    NoOriginalKept,   // a channel's file, with nothing known of what was there before
    Other,
};

// What a file holds, told apart from any other file: its size and XXH3-128 hash.
struct Digest {
    std::uint64_t size = 0, high = 0, low = 0;
    bool operator==(const Digest&) const = default;
};

// Hashes bytes as they stream past.
class DigestBuilder {
  public:
    DigestBuilder();
    ~DigestBuilder();
    DigestBuilder(const DigestBuilder&) = delete;
    DigestBuilder& operator=(const DigestBuilder&) = delete;
    void add(const void* data, std::size_t size);
    Digest finish();

  private:
    void* state_;
    std::uint64_t size_ = 0;
};

struct FileResult {
    FileError error = FileError::None;
    int systemCode = 0;  // errno or GetLastError(), for the detail
    bool ok() const { return error == FileError::None; }
};

// A test seam: called before every operation that changes the disk. A test can throw
// from it to stop the program dead at the k-th change, as a crash or power cut would.
using FaultHook = void (*)();
void setFaultHook(FaultHook hook);
void beforeDiskChange();

// A test seam for what a healthy disk never does: the POSIX file layer asks it before
// each of these system calls, and fails the call with the error code it returns.
// kShortTransfer instead makes a read or write move one byte, as a signal can.
enum class SystemCall {
    Open,
    Stat,
    Read,
    Write,
    KernelCopy,
    Chmod,
    Flush,
    Close,
    Rename,
    Link,
    Unlink,
    MakeFolder,
    Lock
};
inline constexpr int kShortTransfer = -1;
using CallFaultHook = int (*)(SystemCall call);
void setCallFaultHook(CallFaultHook hook);
int injectedFault(SystemCall call);  // 0 unless a test set a hook

// Why a path text could not be taken apart, as a file error.
FileError fromPathProblem(PathProblem problem);

// A plain-language reason for a failed operation, for the user.
std::string describe(const FileResult& result);

// Turns a path text into a real path: '\' and '/' separate, each existing part is
// matched without regard to letter case, a drive letter goes through the platform
// (on Linux, the Wine prefix's dosdevices). Empty and relative texts never resolve.
struct Resolved {
    std::filesystem::path path;
    FileError error = FileError::None;
    bool ok() const { return error == FileError::None; }
};
Resolved resolvePath(std::string_view text);

// A drive letter of the player's Wine prefix and the entry in its "dosdevices" folder
// that stands for it ("c:", a link to "../drive_c").
struct WineDrive {
    char letter;  // lower case
    std::filesystem::path entry;
};

// The drive letters of the Wine prefix ($WINEPREFIX, else ~/.wine), in letter order;
// none on Windows, where drives are the system's own. The one rule for paths and for
// the folder dialog's drive list alike.
std::vector<WineDrive> wineDrives();

// Checks that a game folder text names an existing folder.
FileResult checkFolder(std::string_view text);

// Creates one folder level; the parent must exist.
FileResult createFolder(std::string_view text);

// Makes an existing file an ordinary writable one (clears read-only and the like).
FileResult resetAttributes(std::string_view text);

// A path as UTF-8 text, and back, the same on every platform.
std::string utf8Text(const std::filesystem::path& path);
std::filesystem::path utf8Path(std::string_view text);

// The temporary files replaceFile writes beside `destination` start with this.
std::string temporaryPrefix(const std::filesystem::path& destination);

// Removes temporary files a copy cut off earlier (power cut, killed process) left
// beside `destination`. Only the holder of the game folder's lock may call it, so that
// one running copy never deletes another's temporary.
void removeLeftoverTemporaries(std::string_view destination);

// Copies `source` over `destination` safely: the data go to a temporary file in the
// destination's folder, are flushed, and then replace the destination in one step.
// On failure the destination keeps its old contents and no temporary file remains.
// With `written`, also tells what the new file holds.
FileResult replaceFile(std::string_view source, std::string_view destination,
                       Digest* written = nullptr);

// Puts `source`'s file in place of `destination` as replaceFile does, but without copying
// its data when both are on one disk: a second name for it is made beside the
// destination and renamed over it. `source` keeps its name until it is removed.
FileResult replaceFileSharing(std::string_view source, std::string_view destination);

// Writes `contents` as the whole of `destination`, the same safe way.
FileResult writeWholeFile(std::string_view destination, std::string_view contents);

// Removes a file (never a folder; a link itself, not what it leads to).
FileResult removeFile(std::string_view text);

// What is at a path, without following a link at its end.
enum class EntryKind { Missing, File, Folder, Other };
EntryKind entryKind(std::string_view text);

// The digest of a plain file, opened without blocking and, unless `followLink`, without
// following a link at its end: SourceMissing when there is none, NotAFile for anything
// else.
FileResult digestFile(std::string_view text, Digest& digest, bool followLink = false);

// Reads a small plain file whole, without following a link at its end; FileTooLarge
// past `limit` bytes.
FileResult readSmallFile(std::string_view text, std::size_t limit, std::string& contents);

// An advisory lock on a file, held until destruction (or until the process ends).
class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Creates the file if need be and takes the lock without waiting: Locked when
    // someone else holds it.
    FileResult lock(std::string_view text);

  private:
    std::intptr_t handle_ = -1;
};

}  // namespace kestro
