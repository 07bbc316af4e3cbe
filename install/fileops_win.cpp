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
    bool close() {
        const bool ok = !valid() || CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

// Copies all of `in` to `out`; 0 or the Win32 error. A fixed buffer keeps memory flat.
DWORD copyData(HANDLE in, HANDLE out) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return GetLastError();
        if (got == 0) return 0;
        for (DWORD done = 0; done < got;) {
            DWORD put = 0;
            if (!WriteFile(out, buffer.data() + done, got - done, &put, nullptr))
                return GetLastError();
            done += put;
        }
    }
}

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

}  // namespace

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
    if (!CreateDirectoryW(folder.path.c_str(), nullptr)) return lastFailure();
    return {};
}

FileResult resetAttributes(std::string_view text) {
    const Resolved file = resolvePath(text);
    if (!file.ok()) return failure(file.error);
    const DWORD attributes = GetFileAttributesW(file.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return lastFailure();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return failure(FileError::Other, ERROR_DIRECTORY);
    if (!SetFileAttributesW(file.path.c_str(), FILE_ATTRIBUTE_NORMAL)) return lastFailure();
    return {};
}

FileResult replaceFile(std::string_view sourceText, std::string_view destinationText) {
    const Resolved source = resolvePath(sourceText);
    if (!source.ok()) return failure(source.error);
    const Resolved destination = resolvePath(destinationText);
    if (!destination.ok()) return failure(destination.error);
    const std::wstring from = source.path.wstring();
    const std::wstring to = destination.path.wstring();

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

    const DWORD destinationAttributes = GetFileAttributesW(to.c_str());
    if (destinationAttributes != INVALID_FILE_ATTRIBUTES &&
        (destinationAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return failure(FileError::DestinationIsFolder, ERROR_DIRECTORY);
    // Said plainly up front, and alike under Wine, which would replace it anyway.
    if (destinationAttributes != INVALID_FILE_ATTRIBUTES &&
        (destinationAttributes & FILE_ATTRIBUTE_READONLY))
        return failure(FileError::DestinationReadOnly, ERROR_ACCESS_DENIED);

    const fs::path folder = destination.path.parent_path();
    removeLeftoverTemporaries(destination.path);
    const std::string prefix = temporaryPrefix(destination.path);
    std::wstring temp;
    Handle out;
    for (unsigned attempt = 0; !out.valid(); ++attempt) {
        temp = (folder / (fs::path(std::u8string(prefix.begin(), prefix.end())).wstring() +
                          std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt)))
                   .wstring();
        out.reset(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!out.valid() && (GetLastError() != ERROR_FILE_EXISTS || attempt > 100))
            return lastFailure();
    }

    DWORD code = copyData(in.get(), out.get());
    if (code == 0 && !FlushFileBuffers(out.get())) code = GetLastError();
    if (!out.close() && code == 0) code = GetLastError();
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

}  // namespace kestro
