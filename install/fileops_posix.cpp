// SPDX-License-Identifier: GPL-3.0-or-later
// Linux and other POSIX systems: Windows paths mapped onto a case-sensitive file
// system, drive letters through the player's Wine prefix.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "fileops.h"
#include "winpath.h"

namespace kestro {
namespace fs = std::filesystem;
namespace {

fs::path winePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".wine";
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return fs::path(pw->pw_dir) / ".wine";
    return {};
}

bool entryExists(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

// The entry of `folder` that is `name` when case is ignored: the exact name if it
// is there, else the first such entry in sorted order, so the choice is stable.
std::optional<std::string> findEntry(const fs::path& folder, const std::string& name) {
    if (entryExists(folder / name)) return name;
    std::vector<std::string> matches;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (sameNameIgnoringCase(entry, name)) matches.push_back(std::move(entry));
    }
    if (matches.empty()) return std::nullopt;
    return *std::min_element(matches.begin(), matches.end());
}

FileError fromErrno(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
            return FileError::FolderMissing;
        case EACCES:
        case EPERM:
            return FileError::PermissionDenied;
        case EROFS:
            return FileError::ReadOnlyDisk;
        case ENOSPC:
        case EDQUOT:
            return FileError::DiskFull;
        case EFBIG:
            return FileError::FileTooLarge;
        case EISDIR:
            return FileError::DestinationIsFolder;
        case EBUSY:
        case ETXTBSY:
            return FileError::InUse;
        case EEXIST:
            return FileError::AlreadyExists;
        case ENAMETOOLONG:
            return FileError::PathTooLong;
        default:
            return FileError::Other;
    }
}

FileResult failure(FileError error, int code = 0) {
    return {error, code};
}
FileResult failure(int code) {
    return {fromErrno(code), code};
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

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
ssize_t transfer(SystemCall which, size_t size, Transfer io) {
    const int fault = injectedFault(which);
    if (failedByTest(fault)) return -1;
    return io(fault == kShortTransfer ? std::min<size_t>(size, 1) : size);
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n =
            transfer(SystemCall::Write, size, [&](size_t most) { return ::write(fd, data, most); });
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Reads `in` to its end, handing each block to `take`; 0, EFBIG when `take` refuses
// more, or the errno.
template <typename Take>
int readAll(int in, Take take) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = transfer(SystemCall::Read, buffer.size(),
                                   [&](size_t most) { return ::read(in, buffer.data(), most); });
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (!take(buffer.data(), static_cast<size_t>(n))) return EFBIG;
    }
}

// Copies everything from `in` to `out`; 0 on success, else the errno. A fixed buffer
// keeps memory flat whatever the file's size.
int copyData(int in, int out) {
#ifdef __linux__
    // In the kernel, without passing the data through this process, when the file
    // system allows it; otherwise (or once it declines) the plain loop below.
    for (bool first = true;; first = false) {
        const ssize_t n = sys(SystemCall::KernelCopy, [&] {
            return ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        });
        if (n == 0) return 0;
        if (n > 0) continue;
        if (errno == EINTR) continue;
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL ||
                                 errno == EOPNOTSUPP || errno == EBADF;
        if (!(first && unsupported)) return errno;
        break;
    }
#endif
    int code = 0;
    const int got = readAll(in, [&](const char* data, size_t size) {
        if (!writeAll(out, data, size)) code = errno;
        return code == 0;
    });
    return code ? code : got;
}

// Opens a plain file to read, without blocking on a pipe and, unless `followLink`,
// without following a link at the end of the path.
FileResult openPlain(const fs::path& path, bool followLink, Fd& fd, struct stat& st) {
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLink ? 0 : O_NOFOLLOW);
    fd = Fd(sys(SystemCall::Open, [&] { return ::open(path.c_str(), flags); }));
    if (fd.get() < 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR) return failure(FileError::SourceMissing, code);
        if (code == ELOOP) return failure(FileError::NotAFile, code);
        return failure(code);
    }
    if (sys(SystemCall::Stat, [&] { return ::fstat(fd.get(), &st); }) != 0) return failure(errno);
    if (!S_ISREG(st.st_mode)) return failure(FileError::NotAFile, EINVAL);
    ::fcntl(fd.get(), F_SETFL, 0);
    return {};
}

// Writes a new version of `destination` into a temporary file beside it (created
// afresh, so a link planted there is never followed) with `fill`, flushes it and
// renames it over the destination, whose permissions it keeps.
template <typename Fill>
FileResult commit(const fs::path& destination, Fill fill, Digest* written = nullptr) {
    mode_t mode = 0644;  // a new file gets ordinary permissions
    struct stat destinationStat;
    if (::lstat(destination.c_str(), &destinationStat) == 0) {
        if (S_ISDIR(destinationStat.st_mode))
            return failure(FileError::DestinationIsFolder, EISDIR);
        if (S_ISREG(destinationStat.st_mode)) mode = destinationStat.st_mode & 07777;
    }
    beforeDiskChange();
    const fs::path folder = destination.parent_path();
    std::string temp = (folder / (temporaryPrefix(destination) + "XXXXXX")).string();
    Fd out(sys(SystemCall::Open, [&] { return ::mkstemp(temp.data()); }));
    if (out.get() < 0) return failure(errno);

    int code = fill(out.get());
    if (code == 0 && written) {
        // What reached the file, read back: that is what a later restore must recognise.
        DigestBuilder builder;
        if (::lseek(out.get(), 0, SEEK_SET) != 0) code = errno;
        if (code == 0)
            code = readAll(out.get(), [&](const char* data, size_t size) {
                builder.add(data, size);
                return true;
            });
        *written = builder.finish();
    }
    if (code == 0 && sys(SystemCall::Chmod, [&] { return ::fchmod(out.get(), mode); }) != 0)
        code = errno;
    if (code == 0 && sys(SystemCall::Flush, [&] { return ::fsync(out.get()); }) != 0) code = errno;
    if (sys(SystemCall::Close, [&] { return ::close(out.release()); }) != 0 && code == 0)
        code = errno;
    if (code == 0) beforeDiskChange();
    if (code == 0 &&
        sys(SystemCall::Rename, [&] { return ::rename(temp.c_str(), destination.c_str()); }) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        return failure(code);
    }
    // The rename itself must reach the disk before we call the file written.
    if (Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

}  // namespace

std::vector<WineDrive> wineDrives() {
    std::vector<WineDrive> drives;
    std::error_code ec;
    for (fs::directory_iterator it(winePrefix() / "dosdevices", ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != 2 || name[1] != ':' ||
            !std::isalpha(static_cast<unsigned char>(name[0])))
            continue;
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        // Two entries for one letter ("c:" and "C:"): the lower-case one, as Wine makes it.
        auto same = std::find_if(drives.begin(), drives.end(),
                                 [&](const WineDrive& d) { return d.letter == letter; });
        if (same == drives.end())
            drives.push_back({letter, it->path()});
        else if (name[0] == letter)
            same->entry = it->path();
    }
    std::sort(drives.begin(), drives.end(),
              [](const WineDrive& a, const WineDrive& b) { return a.letter < b.letter; });
    return drives;
}

Resolved resolvePath(std::string_view text) {
    PathProblem problem;
    const auto parsed = parseWinPath(text, &problem);
    if (!parsed) return {{}, fromPathProblem(problem)};
    fs::path path = "/";
    if (parsed->drive) {
        const std::vector<WineDrive> drives = wineDrives();
        const auto drive = std::find_if(drives.begin(), drives.end(), [&](const WineDrive& d) {
            return d.letter == parsed->drive;
        });
        struct stat st;
        if (drive == drives.end() || ::stat(drive->entry.c_str(), &st) != 0)
            return {{}, FileError::DriveMissing};
        path = drive->entry;
    }
    bool matching = true;  // once a part is missing, the rest is new and kept as written
    for (const std::string& part : parsed->components) {
        if (matching) {
            if (auto entry = findEntry(path, part)) {
                path /= *entry;
                continue;
            }
            matching = false;
        }
        path /= part;
    }
    return {path, FileError::None};
}

FileResult checkFolder(std::string_view text) {
    const Resolved folder = resolvePath(text);
    if (!folder.ok()) return failure(folder.error);
    struct stat st;
    if (::stat(folder.path.c_str(), &st) != 0) return failure(errno);
    if (!S_ISDIR(st.st_mode)) return failure(FileError::FolderMissing, ENOTDIR);
    return {};
}

FileResult createFolder(std::string_view text) {
    const Resolved folder = resolvePath(text);
    if (!folder.ok()) return failure(folder.error);
    beforeDiskChange();
    if (sys(SystemCall::MakeFolder, [&] { return ::mkdir(folder.path.c_str(), 0777); }) != 0)
        return failure(errno);
    return {};
}

FileResult resetAttributes(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    struct stat st;
    if (::stat(file.path.c_str(), &st) != 0) return failure(errno);
    if (!S_ISREG(st.st_mode)) return failure(FileError::Other, EINVAL);
    if (st.st_mode & S_IWUSR) return {};  // nothing to change
    beforeDiskChange();
    if (sys(SystemCall::Chmod,
            [&] { return ::chmod(file.path.c_str(), (st.st_mode & 07777) | S_IWUSR); }) != 0)
        return failure(errno);
    return {};
}

FileResult replaceFile(std::string_view sourceText, std::string_view destinationText,
                       Digest* written) {
    const Resolved source = resolvePath(sourceText);
    if (!source.ok()) return failure(source.error);
    const Resolved destination = resolvePath(destinationText);
    if (!destination.ok()) return failure(destination.error);

    Fd in;
    struct stat sourceStat;
    if (const FileResult r = openPlain(source.path, true, in, sourceStat); !r.ok()) {
        if (r.error == FileError::SourceMissing) return r;
        if (r.error == FileError::NotAFile) return failure(FileError::SourceNotAFile, r.systemCode);
        return failure(FileError::SourceUnreadable, r.systemCode);
    }
    return commit(
        destination.path, [&](int out) { return copyData(in.get(), out); }, written);
}

FileResult replaceFileSharing(std::string_view sourceText, std::string_view destinationText) {
    const Resolved source = resolvePath(sourceText);
    const Resolved destination = resolvePath(destinationText);
    Fd in;
    struct stat sourceStat, destinationStat;
    if (!source.ok() || !destination.ok() || !openPlain(source.path, false, in, sourceStat).ok() ||
        ::lstat(destination.path.c_str(), &destinationStat) != 0 ||
        !S_ISREG(destinationStat.st_mode))
        return replaceFile(sourceText, destinationText);  // which says what is wrong
    beforeDiskChange();
    const fs::path temp = destination.path.parent_path() / (temporaryPrefix(destination.path) +
                                                            std::to_string(::getpid()) + "-link");
    ::unlink(temp.c_str());  // our own name: a leftover of this process id
    if (sys(SystemCall::Link, [&] { return ::link(source.path.c_str(), temp.c_str()); }) != 0)
        return replaceFile(sourceText, destinationText);  // another disk, or no links there
    const mode_t mode = destinationStat.st_mode & 07777;
    int code = sys(SystemCall::Chmod, [&] { return ::fchmod(in.get(), mode); }) == 0 ? 0 : errno;
    if (code == 0) beforeDiskChange();
    if (code == 0 && sys(SystemCall::Rename,
                         [&] { return ::rename(temp.c_str(), destination.path.c_str()); }) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        return failure(code);
    }
    if (Fd dir(::open(temp.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

FileResult writeWholeFile(std::string_view destinationText, std::string_view contents) {
    const Resolved destination = resolvePath(destinationText);
    if (!destination.ok()) return failure(destination.error);
    return commit(destination.path, [&](int out) {
        return writeAll(out, contents.data(), contents.size()) ? 0 : errno;
    });
}

FileResult removeFile(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    struct stat st;
    if (::lstat(file.path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return failure(FileError::DestinationIsFolder, EISDIR);
    beforeDiskChange();
    if (sys(SystemCall::Unlink, [&] { return ::unlink(file.path.c_str()); }) != 0)
        return failure(errno);
    if (Fd dir(::open(file.path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

EntryKind entryKind(std::string_view text) {
    const Resolved entry = resolvePath(text);
    struct stat st;
    if (!entry.ok() || ::lstat(entry.path.c_str(), &st) != 0) return EntryKind::Missing;
    if (S_ISREG(st.st_mode)) return EntryKind::File;
    if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
    return EntryKind::Other;
}

FileResult digestFile(std::string_view text, Digest& digest, bool followLink) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    Fd in;
    struct stat st;
    if (const FileResult r = openPlain(file.path, followLink, in, st); !r.ok()) return r;
    DigestBuilder builder;
    if (const int code = readAll(in.get(), [&](const char* data, size_t size) {
            builder.add(data, size);
            return true;
        }))
        return failure(code);
    digest = builder.finish();
    return {};
}

FileResult readSmallFile(std::string_view text, std::size_t limit, std::string& contents) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    Fd in;
    struct stat st;
    if (const FileResult r = openPlain(file.path, false, in, st); !r.ok()) return r;
    contents.clear();
    if (const int code = readAll(in.get(), [&](const char* data, size_t size) {
            if (contents.size() + size > limit) return false;
            contents.append(data, size);
            return true;
        }))
        return failure(code);
    return {};
}

FileLock::~FileLock() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));  // closing releases the lock
}

FileResult FileLock::lock(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    Fd fd(sys(SystemCall::Open, [&] {
        return ::open(file.path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                      0644);
    }));
    if (fd.get() < 0)
        return failure(errno == ELOOP ? FileError::NotAFile : fromErrno(errno), errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return failure(FileError::NotAFile);
    if (sys(SystemCall::Lock, [&] { return ::flock(fd.get(), LOCK_EX | LOCK_NB); }) != 0)
        return failure(errno == EWOULDBLOCK ? FileError::Locked : fromErrno(errno), errno);
    handle_ = fd.release();
    return {};
}

}  // namespace kestro
