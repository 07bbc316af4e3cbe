// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the paths go to the Win32 API as they are (the file system itself ignores
// letter case); texts are UTF-8 and become UTF-16 here.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "fileops.h"
#include "winpath.h"

namespace kestro {
namespace fs = std::filesystem;
namespace {

bool toWide(std::string_view text, std::wstring& out) {
    out.clear();
    if (text.empty()) return true;
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) return false;
    out.resize(static_cast<size_t>(size));
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        out.data(), size);
    return true;
}

FileError fromWin32(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_DIRECTORY:
            return FileError::FolderMissing;
        case ERROR_ACCESS_DENIED:
            return FileError::PermissionDenied;
        case ERROR_WRITE_PROTECT:
            return FileError::ReadOnlyDisk;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileError::DiskFull;
        case ERROR_FILE_TOO_LARGE:
            return FileError::FileTooLarge;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return FileError::InUse;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS:
            return FileError::AlreadyExists;
        case ERROR_FILENAME_EXCED_RANGE:
            return FileError::PathTooLong;
        case ERROR_NOT_READY:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return FileError::DriveMissing;
        default:
            return FileError::Other;
    }
}

FileResult failure(FileError error, DWORD code = 0) {
    return {error, static_cast<int>(code)};
}
FileResult lastFailure() {
    const DWORD code = GetLastError();
    return failure(fromWin32(code), code);
}

class Handle {
  public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    void reset(HANDLE h) {
        close();
        h_ = h;
    }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE release() {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h;
    }
    bool close() {
        const bool ok = !valid() || CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

// Why a destination could not be replaced, told apart where Windows says only
// "access denied".
FileResult replaceFailure(const std::wstring& destination, DWORD code) {
    if (code == ERROR_ACCESS_DENIED) {
        const DWORD attributes = GetFileAttributesW(destination.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return failure(FileError::DestinationIsFolder, code);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return failure(FileError::DestinationReadOnly, code);
        Handle probe(CreateFileW(destination.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe.valid() && GetLastError() == ERROR_SHARING_VIOLATION)
            return failure(FileError::InUse, code);
    }
    return failure(fromWin32(code), code);
}

// Reads `in` to its end, handing each block to `take`; 0, ERROR_FILE_TOO_LARGE when
// `take` refuses more, or the Win32 error.
template <typename Take>
DWORD readAll(HANDLE in, Take take) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return GetLastError();
        if (got == 0) return 0;
        if (!take(buffer.data(), got)) return ERROR_FILE_TOO_LARGE;
    }
}

// Copies all of `in` to `out`; 0 or the Win32 error. A fixed buffer keeps memory flat.
DWORD copyData(HANDLE in, HANDLE out) {
    DWORD code = 0;
    const DWORD got = readAll(in, [&](const char* data, DWORD size) {
        for (DWORD done = 0; done < size && code == 0;) {
            DWORD put = 0;
            if (!WriteFile(out, data + done, size - done, &put, nullptr)) code = GetLastError();
            done += put;
        }
        return code == 0;
    });
    return code ? code : got;
}

// Opens a plain file to read; unless `followLink`, a link at the end of the path is
// refused rather than followed.
FileResult openPlain(const fs::path& path, bool followLink, Handle& h) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        return failure(missing ? FileError::SourceMissing : fromWin32(code), code);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (!followLink && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)))
        return failure(FileError::NotAFile, ERROR_DIRECTORY);
    h.reset(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_FLAG_SEQUENTIAL_SCAN | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr));
    if (!h.valid()) return lastFailure();
    if (GetFileType(h.get()) != FILE_TYPE_DISK)
        return failure(FileError::NotAFile, ERROR_INVALID_FUNCTION);
    return {};
}

// Writes a new version of `destination` into a temporary file beside it (created
// afresh) with `fill`, flushes it and moves it over the destination.
template <typename Fill>
FileResult commit(const fs::path& destination, Fill fill, Digest* written = nullptr) {
    const std::wstring to = destination.wstring();
    const DWORD destinationAttributes = GetFileAttributesW(to.c_str());
    if (destinationAttributes != INVALID_FILE_ATTRIBUTES &&
        (destinationAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return failure(FileError::DestinationIsFolder, ERROR_DIRECTORY);
    // Said plainly up front, and alike under Wine, which would replace it anyway.
    if (destinationAttributes != INVALID_FILE_ATTRIBUTES &&
        (destinationAttributes & FILE_ATTRIBUTE_READONLY))
        return failure(FileError::DestinationReadOnly, ERROR_ACCESS_DENIED);

    beforeDiskChange();
    const fs::path folder = destination.parent_path();
    const std::string prefix = temporaryPrefix(destination);
    std::wstring temp;
    Handle out;
    for (unsigned attempt = 0; !out.valid(); ++attempt) {
        temp = (folder / (utf8Path(prefix).wstring() +
                          std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt)))
                   .wstring();
        out.reset(CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!out.valid() && (GetLastError() != ERROR_FILE_EXISTS || attempt > 100))
            return lastFailure();
    }

    DWORD code = fill(out.get());
    if (code == 0 && written) {
        // What reached the file, read back: that is what a later restore must recognise.
        DigestBuilder builder;
        if (SetFilePointer(out.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
            code = GetLastError();
        if (code == 0)
            code = readAll(out.get(), [&](const char* data, DWORD size) {
                builder.add(data, size);
                return true;
            });
        *written = builder.finish();
    }
    if (code == 0 && !FlushFileBuffers(out.get())) code = GetLastError();
    if (!out.close() && code == 0) code = GetLastError();
    if (code == 0) beforeDiskChange();
    if (code == 0 && !MoveFileExW(temp.c_str(), to.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        code = GetLastError();
        DeleteFileW(temp.c_str());
        return replaceFailure(to, code);
    }
    if (code != 0) {
        DeleteFileW(temp.c_str());
        return failure(fromWin32(code), code);
    }
    return {};
}

}  // namespace

std::vector<WineDrive> wineDrives() {
    return {};  // the drives are the system's own
}

Resolved resolvePath(std::string_view text) {
    PathProblem problem;
    const auto parsed = parseWinPath(text, &problem);
    if (!parsed) return {{}, fromPathProblem(problem)};
    // A network share, "\\server\share\...", for a program or game kept on one.
    const auto separator = [&](size_t i) {
        return i < text.size() && (text[i] == '\\' || text[i] == '/');
    };
    const bool share =
        !parsed->drive && separator(0) && separator(1) && parsed->components.size() >= 2;
    // "\DATA" without a drive leans on the current drive: not a full path here.
    if (!parsed->drive && !share) return {{}, FileError::PathRelative};
    std::wstring path =
        share ? L"\\\\" : std::wstring{wchar_t(parsed->drive - 'a' + 'A'), L':', L'\\'};
    for (size_t i = 0; i < parsed->components.size(); ++i) {
        std::wstring part;
        if (!toWide(parsed->components[i], part)) return {{}, FileError::PathInvalid};
        if (i > 0) path += L'\\';
        path += part;
    }
    if (!share) {
        const wchar_t root[] = {path[0], L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR) return {{}, FileError::DriveMissing};
    }
    return {fs::path(path), FileError::None};
}

FileResult checkFolder(std::string_view text) {
    const Resolved folder = resolvePath(text);
    if (!folder.ok()) return failure(folder.error);
    const DWORD attributes = GetFileAttributesW(folder.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastFailure();
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return failure(FileError::FolderMissing, ERROR_DIRECTORY);
    return {};
}

FileResult createFolder(std::string_view text) {
    const Resolved folder = resolvePath(text);
    if (!folder.ok()) return failure(folder.error);
    beforeDiskChange();
    if (!CreateDirectoryW(folder.path.c_str(), nullptr)) return lastFailure();
    return {};
}

FileResult resetAttributes(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    const DWORD attributes = GetFileAttributesW(file.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastFailure();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return failure(FileError::Other, ERROR_DIRECTORY);
    if (attributes == FILE_ATTRIBUTE_NORMAL) return {};  // nothing to change
    beforeDiskChange();
    if (!SetFileAttributesW(file.path.c_str(), FILE_ATTRIBUTE_NORMAL)) return lastFailure();
    return {};
}

FileResult replaceFile(std::string_view sourceText, std::string_view destinationText,
                       Digest* written) {
    const Resolved source = resolvePath(sourceText);
    if (!source.ok()) return failure(source.error);
    const Resolved destination = resolvePath(destinationText);
    if (!destination.ok()) return failure(destination.error);
    const std::wstring from = source.path.wstring();

    const DWORD sourceAttributes = GetFileAttributesW(from.c_str());
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        return failure(missing ? FileError::SourceMissing : FileError::SourceUnreadable, code);
    }
    if (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return failure(FileError::SourceNotAFile, ERROR_DIRECTORY);
    Handle in(CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid()) return failure(FileError::SourceUnreadable, GetLastError());
    // A device or pipe behind a file name ("CON", "\\.\pipe\x") is no channel file.
    if (GetFileType(in.get()) != FILE_TYPE_DISK)
        return failure(FileError::SourceNotAFile, ERROR_INVALID_FUNCTION);
    return commit(
        destination.path, [&](HANDLE out) { return copyData(in.get(), out); }, written);
}

FileResult replaceFileSharing(std::string_view sourceText, std::string_view destinationText) {
    const Resolved source = resolvePath(sourceText);
    const Resolved destination = resolvePath(destinationText);
    const DWORD attributes =
        destination.ok() ? GetFileAttributesW(destination.path.c_str()) : INVALID_FILE_ATTRIBUTES;
    if (!source.ok() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return replaceFile(sourceText, destinationText);  // which says what is wrong
    const std::string prefix = temporaryPrefix(destination.path);
    const std::wstring temp =
        (destination.path.parent_path() / utf8Path(prefix))
            .wstring() +
        std::to_wstring(GetCurrentProcessId()) + L"-link";
    beforeDiskChange();
    DeleteFileW(temp.c_str());  // our own name: a leftover of this process id
    if (!CreateHardLinkW(temp.c_str(), source.path.c_str(), nullptr))
        return replaceFile(sourceText, destinationText);  // another disk, or no links there
    beforeDiskChange();
    if (!MoveFileExW(temp.c_str(), destination.path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = GetLastError();
        DeleteFileW(temp.c_str());
        return replaceFailure(destination.path.wstring(), code);
    }
    return {};
}

FileResult writeWholeFile(std::string_view destinationText, std::string_view contents) {
    const Resolved destination = resolvePath(destinationText);
    if (!destination.ok()) return failure(destination.error);
    return commit(destination.path, [&](HANDLE out) -> DWORD {
        DWORD put = 0;
        if (!WriteFile(out, contents.data(), static_cast<DWORD>(contents.size()), &put, nullptr))
            return GetLastError();
        return put == contents.size() ? 0 : ERROR_WRITE_FAULT;
    });
}

FileResult removeFile(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    const DWORD attributes = GetFileAttributesW(file.path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return failure(FileError::DestinationIsFolder, ERROR_DIRECTORY);
    beforeDiskChange();
    if (!DeleteFileW(file.path.c_str())) return lastFailure();
    return {};
}

EntryKind entryKind(std::string_view text) {
    const Resolved entry = resolvePath(text);
    if (!entry.ok()) return EntryKind::Missing;
    const DWORD attributes = GetFileAttributesW(entry.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return EntryKind::Other;  // a link
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

FileResult digestFile(std::string_view text, Digest& digest, bool followLink) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    Handle in;
    if (const FileResult r = openPlain(file.path, followLink, in); !r.ok()) return r;
    DigestBuilder builder;
    if (const DWORD code = readAll(in.get(), [&](const char* data, DWORD size) {
            builder.add(data, size);
            return true;
        }))
        return failure(fromWin32(code), code);
    digest = builder.finish();
    return {};
}

FileResult readSmallFile(std::string_view text, std::size_t limit, std::string& contents) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    Handle in;
    if (const FileResult r = openPlain(file.path, false, in); !r.ok()) return r;
    contents.clear();
    if (const DWORD code = readAll(in.get(), [&](const char* data, DWORD size) {
            if (contents.size() + size > limit) return false;
            contents.append(data, size);
            return true;
        }))
        return failure(fromWin32(code), code);
    return {};
}

FileLock::~FileLock() {
    if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));  // releases the lock
}

FileResult FileLock::lock(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    Handle h(CreateFileW(file.path.c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.valid()) return lastFailure();
    const DWORD attributes = GetFileAttributesW(file.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return failure(FileError::NotAFile);
    OVERLAPPED at{};
    if (!LockFileEx(h.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD code = GetLastError();
        return failure(code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING ? FileError::Locked
                                                                                : fromWin32(code),
                       code);
    }
    handle_ = reinterpret_cast<std::intptr_t>(h.release());
    return {};
}

}  // namespace kestro
