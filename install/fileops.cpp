#include "fileops.h"

#include <filesystem>
#include <system_error>

namespace kestro {

FileError fromPathProblem(PathProblem problem) {
    switch (problem) {
        case PathProblem::Empty:
            return FileError::PathEmpty;
        case PathProblem::Relative:
            return FileError::PathRelative;
        default:
            return FileError::PathInvalid;
    }
}

std::string describe(const FileResult& result) {
    switch (result.error) {
        case FileError::None:
            return "done";
        case FileError::PathEmpty:
            return "no folder is set";
        case FileError::PathRelative:
            return "the path is not a full path (it has no drive or root)";
        case FileError::PathInvalid:
            return "the path is not valid";
        case FileError::DriveMissing:
            return "the drive is not available";
        case FileError::AlreadyExists:
            return "it already exists";
        case FileError::FolderMissing:
            return "the folder was not found";
        case FileError::SourceMissing:
            return "the channel's file is missing";
        case FileError::SourceNotAFile:
            return "the channel's file is not a regular file";
        case FileError::SourceUnreadable:
            return "the channel's file cannot be read";
        case FileError::DestinationIsFolder:
            return "a folder of that name is in the way";
        case FileError::DestinationReadOnly:
            return "the game file is read-only";
        case FileError::PermissionDenied:
            return "permission denied";
        case FileError::ReadOnlyDisk:
            return "the disk is read-only";
        case FileError::DiskFull:
            return "the disk is full";
        case FileError::FileTooLarge:
            return "the file is too large for the disk";
        case FileError::InUse:
            return "the file is in use (is the game running?)";
        case FileError::Other:
            break;
    }
    return std::system_category().message(result.systemCode);
}

std::string temporaryPrefix(const std::filesystem::path& destination) {
    const std::u8string name = destination.filename().u8string();
    return "." + std::string(name.begin(), name.end()) + ".kestro-";
}

void removeLeftoverTemporaries(const std::filesystem::path& destination) {
    namespace fs = std::filesystem;
    const std::string prefix = temporaryPrefix(destination);
    std::error_code ec;
    for (fs::directory_iterator it(destination.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::u8string name = it->path().filename().u8string();
        if (std::string(name.begin(), name.end()).starts_with(prefix) && it->is_regular_file(ec)) {
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
            fs::remove(it->path(), ec);
        }
    }
}

}  // namespace kestro
