// SPDX-License-Identifier: GPL-3.0-or-later
// The one result shape of the core: what went wrong, the system's own code, and the
// file or folder in the way. Texts for the player are made from it by the program's
// windows and command line, in the player's language.
#pragma once

#include <string>
#include <utility>

namespace kestro {

enum class ErrorCode {
    None,
    PathEmpty,         // no path at all
    PathRelative,      // would lean on the current folder
    PathInvalid,       // not a path this platform can name
    DriveMissing,      // "D:" names no drive here
    Missing,           // nothing of that name
    FolderMissing,     // a folder on the way does not exist
    AlreadyExists,     // creating something that is there
    SourceMissing,     // the channel's own file is not there
    SourceNotAFile,    // the channel's "file" is a folder, pipe or device
    SourceUnreadable,  // the channel's file cannot be read
    SourceEmpty,       // the channel's file holds nothing
    SourceTooLarge,    // the channel's file is larger than any channel file
    IsFolder,          // a folder where a file belongs
    NotAFile,          // a pipe, device or the like where a plain file belongs
    NotAFolder,        // a file or the like where a folder belongs
    Link,              // a link where the program would go through it
    ReadOnly,          // the file is marked read-only
    PermissionDenied,
    ReadOnlyDisk,
    DiskFull,
    TooLarge,
    InUse,  // the game (or something else) holds the file
    PathTooLong,
    Locked,       // another copy of the program holds the folder
    Cancelled,    // the player stopped it
    Damaged,      // a record the program keeps is not what it wrote (the store says how)
    KeptChanged,  // a kept copy no longer holds what was kept
    InStore,      // the game folder is, or reaches into, the program's own store
    Foreign,      // the program's own folder or file, made by another user account
    GameData,     // the game folder given is the game's own DATA folder
    Other,
};

struct Error {
    ErrorCode code = ErrorCode::None;
    int system = 0;       // errno or GetLastError(), for the detail
    std::string subject;  // the file or folder in the way, when known
    bool ok() const { return code == ErrorCode::None; }
    bool operator==(const Error&) const = default;
};

inline Error failure(ErrorCode code, int system = 0, std::string subject = {}) {
    return {code, system, std::move(subject)};
}
// What the program found itself, with no system code behind it.
inline Error failure(ErrorCode code, std::string subject) {
    return {code, 0, std::move(subject)};
}

// A value, or why there is none.
template <typename T>
struct Result {
    T value{};
    Error error;
    bool ok() const { return error.ok(); }
    Result() = default;
    Result(T v) : value(std::move(v)) {}
    Result(Error e) : error(std::move(e)) {}
};

}  // namespace kestro
