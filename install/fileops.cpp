// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops.h"

#include <filesystem>
#include <system_error>

// Header-only, so the Windows build needs nothing but the header.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace kestro {
namespace {

FaultHook faultHook = nullptr;
CallFaultHook callFaultHook = nullptr;

}  // namespace

void setFaultHook(FaultHook hook) {
    faultHook = hook;
}

void beforeDiskChange() {
    if (faultHook) faultHook();
}

void setCallFaultHook(CallFaultHook hook) {
    callFaultHook = hook;
}

int injectedFault(SystemCall call) {
    return callFaultHook ? callFaultHook(call) : 0;
}

DigestBuilder::DigestBuilder() : state_(XXH3_createState()) {
    XXH3_128bits_reset(static_cast<XXH3_state_t*>(state_));
}

DigestBuilder::~DigestBuilder() {
    XXH3_freeState(static_cast<XXH3_state_t*>(state_));
}

void DigestBuilder::add(const void* data, std::size_t size) {
    XXH3_128bits_update(static_cast<XXH3_state_t*>(state_), data, size);
    size_ += size;
}

Digest DigestBuilder::finish() {
    const XXH128_hash_t hash = XXH3_128bits_digest(static_cast<XXH3_state_t*>(state_));
    return {size_, hash.high64, hash.low64};
}

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
        case FileError::NotAFile:
            return "something other than a plain file is in its place";
        case FileError::PathTooLong:
            return "the path is too long";
        case FileError::Locked:
            return "another install into this game folder is running";
        case FileError::StoreDamaged:
            return "\"KESTRO backup\" is damaged";
        case FileError::ChangedSince:
            return "the game or you changed it since the last install, so it was left as it is";
        case FileError::NoOriginalKept:
            return "it holds a channel's file, and no original of it was ever kept";
        case FileError::OriginalMissing:
            return "its kept original is no longer in \"KESTRO backup\"";
        case FileError::Other:
            break;
    }
    return std::system_category().message(result.systemCode);
}

std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::filesystem::path utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string temporaryPrefix(const std::filesystem::path& destination) {
    return "." + utf8Text(destination.filename()) + ".kestro-";
}

void removeLeftoverTemporaries(std::string_view text) {
    namespace fs = std::filesystem;
    const Resolved destination = resolvePath(text);
    if (!destination.ok()) return;
    const std::string prefix = temporaryPrefix(destination.path);
    std::error_code ec;
    for (fs::directory_iterator it(destination.path.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (utf8Text(it->path().filename()).starts_with(prefix) &&
            fs::is_regular_file(it->symlink_status(ec))) {
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
            fs::remove(it->path(), ec);
        }
    }
}

}  // namespace kestro
