// SPDX-License-Identifier: GPL-3.0-or-later
// Linux and other POSIX systems: folders are file descriptors, and everything below one
// is reached with the *at() calls and O_NOFOLLOW, so no link is ever gone through.
// Each system call passes the test seam first.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform.h"
#include "seams.h"

namespace kestro::platform {
namespace fs = std::filesystem;
namespace {

ErrorCode fromErrno(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
            return ErrorCode::FolderMissing;
        case EACCES:
        case EPERM:
            return ErrorCode::PermissionDenied;
        case EROFS:
            return ErrorCode::ReadOnlyDisk;
        case ENOSPC:
        case EDQUOT:
            return ErrorCode::DiskFull;
        case EFBIG:
            return ErrorCode::TooLarge;
        case EISDIR:
            return ErrorCode::IsFolder;
        case EBUSY:
        case ETXTBSY:
            return ErrorCode::InUse;
        case EEXIST:
        case ENOTEMPTY:
            return ErrorCode::AlreadyExists;
        case ENAMETOOLONG:
            return ErrorCode::PathTooLong;
        case ELOOP:
            return ErrorCode::Link;
        default:
            return ErrorCode::Other;
    }
}

Error fail(int code, const fs::path& subject) {
    return failure(fromErrno(code), code, subject.string());
}

// Whether the test seam's answer fails the call; errno is then set, as the call would set it.
bool failedByTest(int fault) {
    if (fault > 0) errno = fault;
    return fault > 0;
}

// A system call, unless the test seam fails it first: then -1, as the call itself would.
template <typename Call>
auto sys(SystemCall which, Call call) -> decltype(call()) {
    return failedByTest(injectedFault(which)) ? -1 : call();
}

// A read or write of `size` bytes at most, through the seam, which may also shorten it.
template <typename Transfer>
long long transfer(SystemCall which, std::size_t size, Transfer io, Error& error) {
    for (;;) {
        const int fault = injectedFault(which);
        const ssize_t n = failedByTest(fault)
                              ? -1
                              : io(fault == kShortTransfer ? std::min<std::size_t>(size, 1) : size);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        error = failure(fromErrno(errno), errno);
        return -1;
    }
}

FileInfo infoFrom(const struct stat& st) {
    FileInfo info;
    info.kind = S_ISREG(st.st_mode)   ? EntryKind::File
                : S_ISDIR(st.st_mode) ? EntryKind::Folder
                : S_ISLNK(st.st_mode) ? EntryKind::Link
                                      : EntryKind::Other;
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.mode = st.st_mode & 07777;
    info.links = st.st_nlink;
    info.id = static_cast<std::uint64_t>(st.st_ino);
    info.disk = static_cast<std::uint64_t>(st.st_dev);
    info.modified =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    info.changed =
        static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    info.foreign = st.st_uid != ::geteuid() && st.st_uid != 0;
    return info;
}

// What is wrong with an entry that could not be opened as it should: a link, a folder,
// something else, or nothing at all. One that cannot even be looked at for a folder on the
// way the player may not enter is not taken for missing.
Error classify(int code, const FileInfo& info, ErrorCode missing, const fs::path& subject) {
    if ((info.kind == EntryKind::Missing && code != EACCES && code != EPERM) || code == ENOENT)
        return failure(missing, code, subject.string());
    if (info.kind == EntryKind::Link) return failure(ErrorCode::Link, code, subject.string());
    return fail(code, subject);
}

// Checks what an open file is, and takes it out of non-blocking mode.
Error finishOpen(int fd, FileInfo& info, const fs::path& subject) {
    struct stat st;
    if (sys(SystemCall::Stat, [&] { return ::fstat(fd, &st); }) != 0) return fail(errno, subject);
    info = infoFrom(st);
    if (info.kind == EntryKind::Folder)
        return failure(ErrorCode::IsFolder, EISDIR, subject.string());
    if (info.kind != EntryKind::File) return failure(ErrorCode::NotAFile, EINVAL, subject.string());
    ::fcntl(fd, F_SETFL, 0);
    return {};
}

Native opened(int fd) {
    ++fileLayerCounts().opens;
    return fd;
}

// A folder that opens (read rights) but cannot be entered (no search rights) would show
// every name in it as missing: it is refused as it is, permission denied.
Error entered(int fd, Native& folder, const fs::path& subject) {
    struct stat st;
    if (::fstatat(fd, ".", &st, AT_SYMLINK_NOFOLLOW) != 0) {
        const int code = errno;
        ::close(fd);
        return fail(code, subject);
    }
    folder = opened(fd);
    return {};
}

}  // namespace

Error openFolder(const fs::path& path, Native& folder) {
    const int fd = sys(SystemCall::Open,
                       [&] { return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0) {
        const int code = errno;
        return code == ENOTDIR ? failure(ErrorCode::NotAFolder, code, path.string())
                               : fail(code, path);
    }
    return entered(fd, folder, path);
}

Error openChildFolder(Place at, const std::string& name, bool create, Native& folder) {
    const fs::path subject = at.path / name;
    bool made = false;
    if (create) {
        beforeDiskChange();
        made = sys(SystemCall::MakeFolder,
                   [&] { return ::mkdirat(static_cast<int>(at.folder), name.c_str(), 0777); }) == 0;
        if (!made && errno != EEXIST) return fail(errno, subject);
    }
    const int fd = sys(SystemCall::Open, [&] {
        return ::openat(static_cast<int>(at.folder), name.c_str(),
                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    });
    if (fd < 0) {
        const int code = errno;
        const FileInfo info = infoOf(at, name);
        if (info.kind == EntryKind::File || info.kind == EntryKind::Other)
            return failure(ErrorCode::NotAFolder, code, subject.string());
        return classify(code, info, ErrorCode::FolderMissing, subject);
    }
    // A folder of ours, whatever the umask: one we can write into, and no account outside
    // the player's group can (kept copies others could put there would go back as the game's).
    struct stat st;
    if (made && ::fstat(fd, &st) == 0 && (st.st_mode & 0702) != 0700)
        ::fchmod(fd, ((st.st_mode & 07777) | 0700) & ~mode_t{0002});
    return entered(fd, folder, subject);
}

Error listFolder(Place at, std::vector<std::string>& names) {
    ++fileLayerCounts().listings;
    const int fd = sys(SystemCall::List, [&] { return ::dup(static_cast<int>(at.folder)); });
    if (fd < 0) return fail(errno, at.path);
    ::lseek(fd, 0, SEEK_SET);
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        const int code = errno;
        ::close(fd);
        return fail(code, at.path);
    }
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const int code = errno;
    ::closedir(dir);
    return code ? fail(code, at.path) : Error{};
}

FileInfo infoOf(Place at, const std::string& name) {
    struct stat st;
    if (::fstatat(static_cast<int>(at.folder), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return infoFrom(st);
}

Error openRead(Place at, const std::string& name, bool follow, Native& file, FileInfo& info) {
    const fs::path subject = at.path / name;
    const int fd = sys(SystemCall::Open, [&] {
        return ::openat(static_cast<int>(at.folder), name.c_str(),
                        O_RDONLY | O_CLOEXEC | O_NONBLOCK | (follow ? 0 : O_NOFOLLOW));
    });
    if (fd < 0) {
        const int code = errno;
        return classify(code, infoOf(at, name), ErrorCode::Missing, subject);
    }
    file = opened(fd);
    return finishOpen(fd, info, subject);
}

Error openReadPath(const fs::path& path, bool follow, Native& file, FileInfo& info) {
    const int fd = sys(SystemCall::Open, [&] {
        return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (follow ? 0 : O_NOFOLLOW));
    });
    if (fd < 0) {
        const int code = errno;
        struct stat st;
        const FileInfo seen = ::lstat(path.c_str(), &st) == 0 ? infoFrom(st) : FileInfo{};
        return classify(code, seen, ErrorCode::Missing, path);
    }
    file = opened(fd);
    return finishOpen(fd, info, path);
}

Error createUnique(Place at, const std::function<std::string()>& nextName, std::uint32_t mode,
                   Native& file, std::string& name) {
    for (int attempt = 0;; ++attempt) {
        name = nextName();
        const int fd = sys(SystemCall::Open, [&] {
            return ::openat(static_cast<int>(at.folder), name.c_str(),
                            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        });
        if (fd < 0 && errno == EEXIST && attempt < 100) continue;
        if (fd < 0) {
            const int code = errno;
            name.clear();
            return fail(code, at.path);
        }
        file = opened(fd);
        // Set afterwards, so that the process's umask takes nothing away; never the set-id
        // bits, or a file another account could write would become a program run as us.
        const auto bits = static_cast<mode_t>(mode & 0777);
        if (sys(SystemCall::Chmod, [&] { return ::fchmod(fd, bits); }) != 0) {
            const int code = errno;
            ::close(fd);
            ::unlinkat(static_cast<int>(at.folder), name.c_str(), 0);
            name.clear();
            return fail(code, at.path);
        }
        return {};
    }
}

long long readSome(Native file, char* data, std::size_t size, Error& error) {
    return transfer(
        SystemCall::Read, size,
        [&](std::size_t most) { return ::read(static_cast<int>(file), data, most); }, error);
}

long long writeSome(Native file, const char* data, std::size_t size, Error& error) {
    return transfer(
        SystemCall::Write, size,
        [&](std::size_t most) { return ::write(static_cast<int>(file), data, most); }, error);
}

long long seekFile(Native file, long long offset, int whence) {
    return ::lseek(static_cast<int>(file), static_cast<off_t>(offset), whence);
}

Error flushFile(Native file) {
    if (sys(SystemCall::Flush, [&] { return ::fsync(static_cast<int>(file)); }) != 0)
        return failure(fromErrno(errno), errno);
    return {};
}

Error closeFile(Native file) {
    // The handle is gone whatever close() answers, so a failure the test seam makes up
    // comes after the real close, as the system's own would.
    const int fault = injectedFault(SystemCall::Close);
    if (::close(static_cast<int>(file)) != 0 || failedByTest(fault))
        return failure(fromErrno(errno), errno);
    return {};
}

void closeQuietly(Native file) {
    if (file >= 0) ::close(static_cast<int>(file));
}

namespace {

// Whether a change was refused for want of the right to change folder `at` itself.
bool folderDenied(int code, Place at) {
    return (code == EACCES || code == EPERM) &&
           ::faccessat(static_cast<int>(at.folder), ".", W_OK | X_OK, AT_EACCESS) != 0;
}

Error renameFailure(Place at, Place into, const std::string& to) {
    const int code = errno;
    // Permission is a folder's: name the one that may not be changed.
    return fail(code, folderDenied(code, at)     ? at.path
                      : folderDenied(code, into) ? into.path
                                                 : into.path / to);
}

}  // namespace

bool renameAtomically(Place at, const std::string& from, Place into, const std::string& to,
                      bool exchange, Error& error) {
    if (sys(SystemCall::Rename, [&] {
            return ::renameat2(static_cast<int>(at.folder), from.c_str(),
                               static_cast<int>(into.folder), to.c_str(),
                               exchange ? RENAME_EXCHANGE : RENAME_NOREPLACE);
        }) == 0)
        return true;
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) return false;
    error = renameFailure(at, into, to);
    return true;
}

Error renameEntry(Place at, const std::string& from, Place into, const std::string& to) {
    if (sys(SystemCall::Rename, [&] {
            return ::renameat(static_cast<int>(at.folder), from.c_str(),
                              static_cast<int>(into.folder), to.c_str());
        }) != 0) {
        return renameFailure(at, into, to);
    }
    return {};
}

Error removeEntry(Place at, const std::string& name) {
    if (sys(SystemCall::Unlink,
            [&] { return ::unlinkat(static_cast<int>(at.folder), name.c_str(), 0); }) != 0) {
        const int code = errno;
        return fail(code, folderDenied(code, at) ? at.path : at.path / name);
    }
    return {};
}

Error removeFolder(Place at, const std::string& name) {
    if (sys(SystemCall::Unlink, [&] {
            return ::unlinkat(static_cast<int>(at.folder), name.c_str(), AT_REMOVEDIR);
        }) != 0)
        return fail(errno, at.path / name);
    return {};
}

void letGo(Place at, const std::string& name) {
    // Held open, so what is changed is what was looked at, whatever is put in its place:
    // never a link, a file or a folder mounted there, which is another's whatever its rights.
    const int fd = ::openat(static_cast<int>(at.folder), name.c_str(),
                            O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    struct statx about;
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_TYPE | STATX_MODE, &about) == 0 &&
        (about.stx_mode & S_IRWXU) != S_IRWXU &&
        (about.stx_attributes & about.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) == 0) {
        // Should this fail, the removal that follows says why. fchmodat2 (452 everywhere)
        // came with Linux 6.6; before it, the handle's name in /proc.
        const mode_t mode = (about.stx_mode & 07777) | S_IRWXU;
        [[maybe_unused]] const bool changed =
            ::syscall(452, fd, "", mode, AT_EMPTY_PATH) == 0 ||
            ::chmod(("/proc/self/fd/" + std::to_string(fd)).c_str(), mode) == 0;
    }
    ::close(fd);
}

bool isMountRoot(Place folder) {
    struct statx about;
    return ::statx(static_cast<int>(folder.folder), "", AT_EMPTY_PATH, STATX_BASIC_STATS, &about) ==
               0 &&
           (about.stx_attributes & about.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0;
}

void syncFolder(Place at) {
    ::fsync(static_cast<int>(at.folder));
}

Error lockEntry(Place at, const std::string& name, Native& file) {
    const fs::path subject = at.path / name;
    const int fd = sys(SystemCall::Open, [&] {
        return ::openat(static_cast<int>(at.folder), name.c_str(),
                        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    });
    if (fd < 0) return fail(errno, subject);
    FileInfo info;
    if (Error e = finishOpen(fd, info, subject); !e.ok()) {
        ::close(fd);
        return e;
    }
    if (sys(SystemCall::Lock, [&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
        const int code = errno;
        ::close(fd);
        return failure(code == EWOULDBLOCK ? ErrorCode::Locked : fromErrno(code), code,
                       subject.string());
    }
    file = opened(fd);
    return {};
}

}  // namespace kestro::platform
