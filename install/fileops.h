// The file operations of an install, on Windows-style path texts. One
// implementation per platform (fileops_posix.cpp, fileops_win.cpp).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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
    InUse,  // the game (or something else) holds the file
    Other,
};

struct FileResult {
    FileError error = FileError::None;
    int systemCode = 0;  // errno or GetLastError(), for the detail
    bool ok() const { return error == FileError::None; }
};

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

// Checks that a game folder text names an existing folder.
FileResult checkFolder(std::string_view text);

// Creates one folder level; the parent must exist.
FileResult createFolder(std::string_view text);

// Makes an existing file an ordinary writable one (clears read-only and the like).
FileResult resetAttributes(std::string_view text);

// The temporary files replaceFile writes beside `destination` start with this.
std::string temporaryPrefix(const std::filesystem::path& destination);

// Removes temporary files a copy cut off earlier (power cut, killed process) left
// beside `destination`.
void removeLeftoverTemporaries(const std::filesystem::path& destination);

// Copies `source` over `destination` safely: the data go to a temporary file in the
// destination's folder, are flushed, and then replace the destination in one step.
// On failure the destination keeps its old contents and no temporary file remains.
FileResult replaceFile(std::string_view source, std::string_view destination);

}  // namespace kestro
