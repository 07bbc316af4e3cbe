// Linux and other POSIX systems: Windows paths mapped onto a case-sensitive file
// system, drive letters through the player's Wine prefix.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Copies everything from `in` to `out`; 0 on success, else the errno. A fixed buffer
// keeps memory flat whatever the file's size.
int copyData(int in, int out) {
#ifdef __linux__
    // In the kernel, without passing the data through this process, when the file
    // system allows it; otherwise (or once it declines) the plain loop below.
    for (bool first = true;; first = false) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (n == 0) return 0;
        if (n > 0) continue;
        if (errno == EINTR) continue;
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL ||
                                 errno == EOPNOTSUPP || errno == EBADF;
        if (!(first && unsupported)) return errno;
        break;
    }
#endif
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (!writeAll(out, buffer.data(), static_cast<size_t>(n))) return errno;
    }
}

}  // namespace

Resolved resolvePath(std::string_view text) {
    PathProblem problem;
    const auto parsed = parseWinPath(text, &problem);
    if (!parsed) return {{}, fromPathProblem(problem)};
    fs::path path = "/";
    if (parsed->drive) {
        const fs::path devices = winePrefix() / "dosdevices";
        const std::string letter{parsed->drive, ':'};
        const auto entry = findEntry(devices, letter);
        struct stat st;
        if (!entry || ::stat((devices / *entry).c_str(), &st) != 0)
            return {{}, FileError::DriveMissing};
        path = devices / *entry;
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
    if (::mkdir(folder.path.c_str(), 0777) != 0) return failure(errno);
    return {};
}

FileResult resetAttributes(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    struct stat st;
    if (::stat(file.path.c_str(), &st) != 0) return failure(errno);
    if (!S_ISREG(st.st_mode)) return failure(FileError::Other, EINVAL);
    if (::chmod(file.path.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0) return failure(errno);
    return {};
}

FileResult replaceFile(std::string_view sourceText, std::string_view destinationText) {
    const Resolved source = resolvePath(sourceText);
    if (!source.ok()) return failure(source.error);
    const Resolved destination = resolvePath(destinationText);
    if (!destination.ok()) return failure(destination.error);

    // Non-blocking, so that a pipe in place of a channel file cannot hang the install.
    Fd in(::open(source.path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (in.get() < 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR) return failure(FileError::SourceMissing, code);
        if (code == EACCES || code == EPERM) return failure(FileError::SourceUnreadable, code);
        return failure(FileError::SourceUnreadable, code);
    }
    struct stat sourceStat;
    if (::fstat(in.get(), &sourceStat) != 0) return failure(FileError::SourceUnreadable, errno);
    if (!S_ISREG(sourceStat.st_mode)) return failure(FileError::SourceNotAFile, EINVAL);
    ::fcntl(in.get(), F_SETFL, 0);

    // A new file gets ordinary permissions; a replaced one keeps its own.
    mode_t mode = 0644;
    struct stat destinationStat;
    if (::stat(destination.path.c_str(), &destinationStat) == 0) {
        if (S_ISDIR(destinationStat.st_mode))
            return failure(FileError::DestinationIsFolder, EISDIR);
        mode = destinationStat.st_mode & 07777;
    }

    const fs::path folder = destination.path.parent_path();
    removeLeftoverTemporaries(destination.path);
    std::string temp = (folder / (temporaryPrefix(destination.path) + "XXXXXX")).string();
    Fd out(::mkstemp(temp.data()));
    if (out.get() < 0) return failure(errno);

    int code = copyData(in.get(), out.get());
    if (code == 0 && ::fchmod(out.get(), mode) != 0) code = errno;
    if (code == 0 && ::fsync(out.get()) != 0) code = errno;
    if (::close(out.release()) != 0 && code == 0) code = errno;
    if (code == 0 && ::rename(temp.c_str(), destination.path.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        if (code == EIO) return failure(FileError::Other, code);
        return failure(code);
    }
    // The rename itself must reach the disk before we call the file installed.
    if (Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

}  // namespace kestro
