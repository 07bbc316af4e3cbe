// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: folders are their paths, and every entry below one is looked at before it is
// used, so that a reparse point (a link or junction) is never gone through. Texts are
// UTF-8 and become UTF-16 here.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "platform.h"
#include "seams.h"

namespace kestro::platform {
namespace fs = std::filesystem;
namespace {

ErrorCode fromWin32(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_DIRECTORY:
            return ErrorCode::FolderMissing;
        case ERROR_ACCESS_DENIED:
            return ErrorCode::PermissionDenied;
        case ERROR_WRITE_PROTECT:
            return ErrorCode::ReadOnlyDisk;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ErrorCode::DiskFull;
        case ERROR_FILE_TOO_LARGE:
            return ErrorCode::TooLarge;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return ErrorCode::InUse;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS:
            return ErrorCode::AlreadyExists;
        case ERROR_FILENAME_EXCED_RANGE:
            return ErrorCode::PathTooLong;
        case ERROR_NOT_READY:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return ErrorCode::DriveMissing;
        default:
            return ErrorCode::Other;
    }
}

std::wstring wide(const fs::path& path) {
    return path.wstring();
}

std::string shown(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

Error lastError(const fs::path& subject) {
    const DWORD code = GetLastError();
    return failure(fromWin32(code), static_cast<int>(code), shown(subject));
}

fs::path entry(Place at, const std::string& name) {
    return at.path / fs::path(std::u8string(name.begin(), name.end()));
}

FileInfo infoOfPath(const fs::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) return {};
    FileInfo info;
    const DWORD a = data.dwFileAttributes;
    info.kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::Link
                : (a & FILE_ATTRIBUTE_DIRECTORY)   ? EntryKind::Folder
                : (a & FILE_ATTRIBUTE_DEVICE)      ? EntryKind::Other
                                                   : EntryKind::File;
    info.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info.mode = (a & FILE_ATTRIBUTE_READONLY) ? 0444 : 0644;
    info.modified = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
    if (info.kind == EntryKind::File) {
        HANDLE h = CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        BY_HANDLE_FILE_INFORMATION about;
        if (h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &about)) {
            info.links = about.nNumberOfLinks;
            info.id =
                (static_cast<std::uint64_t>(about.nFileIndexHigh) << 32) | about.nFileIndexLow;
            info.disk = about.dwVolumeSerialNumber;
        }
        FILE_BASIC_INFO basic;
        if (h != INVALID_HANDLE_VALUE &&
            GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic))
            info.changed = basic.ChangeTime.QuadPart;
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    return info;
}

// Why an existing destination could not be replaced, told apart where Windows says only
// "access denied".
Error replaceFailure(const fs::path& destination, DWORD code) {
    if (code == ERROR_ACCESS_DENIED) {
        const DWORD a = GetFileAttributesW(wide(destination).c_str());
        if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY))
            return failure(ErrorCode::IsFolder, static_cast<int>(code), shown(destination));
        if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY))
            return failure(ErrorCode::ReadOnly, static_cast<int>(code), shown(destination));
        HANDLE probe = CreateFileW(wide(destination).c_str(), GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD why = GetLastError();
        if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
        if (probe == INVALID_HANDLE_VALUE && why == ERROR_SHARING_VIOLATION)
            return failure(ErrorCode::InUse, static_cast<int>(code), shown(destination));
    }
    return failure(fromWin32(code), static_cast<int>(code), shown(destination));
}

Error openReadAt(const fs::path& path, bool follow, Native& file, FileInfo& info) {
    const FileInfo seen = infoOfPath(path);
    if (seen.kind == EntryKind::Missing) {
        const DWORD code = GetLastError();
        const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        return failure(missing ? ErrorCode::Missing : fromWin32(code), static_cast<int>(code),
                       shown(path));
    }
    if (seen.kind == EntryKind::Link && !follow)
        return failure(ErrorCode::Link, ERROR_CANT_ACCESS_FILE, shown(path));
    if (seen.kind == EntryKind::Folder)
        return failure(ErrorCode::IsFolder, ERROR_DIRECTORY, shown(path));
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN | (follow ? 0 : FILE_FLAG_OPEN_REPARSE_POINT),
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastError(path);
    ++fileLayerCounts().opens;
    file = reinterpret_cast<Native>(h);
    BY_HANDLE_FILE_INFORMATION about;
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &about) ||
        (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return failure(ErrorCode::NotAFile, ERROR_INVALID_FUNCTION, shown(path));
    info = seen;
    info.kind = EntryKind::File;
    info.size = (static_cast<std::uint64_t>(about.nFileSizeHigh) << 32) | about.nFileSizeLow;
    info.links = about.nNumberOfLinks;
    info.id = (static_cast<std::uint64_t>(about.nFileIndexHigh) << 32) | about.nFileIndexLow;
    info.disk = about.dwVolumeSerialNumber;
    return {};
}

}  // namespace

Error openFolder(const fs::path& path, Native& folder) {
    const DWORD a = GetFileAttributesW(wide(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return lastError(path);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY))
        return failure(ErrorCode::NotAFolder, ERROR_DIRECTORY, shown(path));
    ++fileLayerCounts().opens;
    folder = kNoHandle;  // the path is the folder
    return {};
}

Error openChildFolder(Place at, const std::string& name, bool create, Native& folder) {
    const fs::path path = entry(at, name);
    if (create) {
        beforeDiskChange();
        if (!CreateDirectoryW(wide(path).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            return lastError(path);
    }
    const FileInfo info = infoOfPath(path);
    switch (info.kind) {
        case EntryKind::Folder:
            folder = kNoHandle;
            ++fileLayerCounts().opens;
            return {};
        case EntryKind::Missing:
            return failure(ErrorCode::FolderMissing, ERROR_PATH_NOT_FOUND, shown(path));
        case EntryKind::Link:
            return failure(ErrorCode::Link, ERROR_CANT_ACCESS_FILE, shown(path));
        default:
            return failure(ErrorCode::NotAFolder, ERROR_DIRECTORY, shown(path));
    }
}

Error listFolder(Place at, std::vector<std::string>& names) {
    ++fileLayerCounts().listings;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(wide(at.path / L"*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return lastError(at.path);
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(shown(fs::path(name)));
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return {};
}

FileInfo infoOf(Place at, const std::string& name) {
    return infoOfPath(entry(at, name));
}

Error openRead(Place at, const std::string& name, bool follow, Native& file, FileInfo& info) {
    return openReadAt(entry(at, name), follow, file, info);
}

Error openReadPath(const fs::path& path, bool follow, Native& file, FileInfo& info) {
    return openReadAt(path, follow, file, info);
}

Error createUnique(Place at, const std::function<std::string()>& nextName, std::uint32_t mode,
                   Native& file, std::string& name) {
    for (unsigned attempt = 0;; ++attempt) {
        name = nextName();
        HANDLE h =
            CreateFileW(wide(entry(at, name)).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS && attempt < 100)
            continue;
        if (h == INVALID_HANDLE_VALUE) {
            const Error e = lastError(at.path);
            name.clear();
            return e;
        }
        ++fileLayerCounts().opens;
        file = reinterpret_cast<Native>(h);
        // The read-only attribute goes on once the data are in (see flushFile), which a
        // handle opened to write keeps working through.
        if (!(mode & 0200))
            SetFileAttributesW(wide(entry(at, name)).c_str(), FILE_ATTRIBUTE_READONLY);
        return {};
    }
}

long long readSome(Native file, char* data, std::size_t size, Error& error) {
    DWORD got = 0;
    if (!::ReadFile(reinterpret_cast<HANDLE>(file), data, static_cast<DWORD>(size), &got,
                    nullptr)) {
        const DWORD code = GetLastError();
        error = failure(fromWin32(code), static_cast<int>(code));
        return -1;
    }
    return got;
}

long long writeSome(Native file, const char* data, std::size_t size, Error& error) {
    DWORD put = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), data, static_cast<DWORD>(size), &put, nullptr)) {
        const DWORD code = GetLastError();
        error = failure(fromWin32(code), static_cast<int>(code));
        return -1;
    }
    return put;
}

long long seekFile(Native file, long long offset, int whence) {
    LARGE_INTEGER distance, at;
    distance.QuadPart = offset;
    const DWORD method = whence == 0 ? FILE_BEGIN : whence == 1 ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(reinterpret_cast<HANDLE>(file), distance, &at, method)) return -1;
    return at.QuadPart;
}

Error flushFile(Native file) {
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(file))) {
        const DWORD code = GetLastError();
        return failure(fromWin32(code), static_cast<int>(code));
    }
    return {};
}

Error closeFile(Native file) {
    if (!CloseHandle(reinterpret_cast<HANDLE>(file))) {
        const DWORD code = GetLastError();
        return failure(fromWin32(code), static_cast<int>(code));
    }
    return {};
}

void closeQuietly(Native file) {
    if (file != kNoHandle) CloseHandle(reinterpret_cast<HANDLE>(file));
}

// Windows has no such rename; its sharing rules keep a file another program holds open
// from being replaced at all.
bool renameAtomically(Place, const std::string&, Place, const std::string&, bool, Error&) {
    return false;
}

Error renameEntry(Place at, const std::string& from, Place into, const std::string& to) {
    const fs::path target = entry(into, to);
    // A read-only file is replaced like any other, as the game's own tools always did,
    // unless clearing the mark would change a file that has other names too.
    const DWORD a = GetFileAttributesW(wide(target).c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY)) {
        if (infoOfPath(target).links > 1 ||
            !SetFileAttributesW(wide(target).c_str(), a & ~DWORD(FILE_ATTRIBUTE_READONLY)))
            return failure(ErrorCode::ReadOnly, ERROR_ACCESS_DENIED, shown(target));
    }
    if (!MoveFileExW(wide(entry(at, from)).c_str(), wide(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return replaceFailure(target, GetLastError());
    return {};
}

namespace {

// A read-only mark, which Windows lets no file or folder be removed under, taken off.
void clearReadOnly(const fs::path& path, DWORD attributes) {
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(wide(path).c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
}

}  // namespace

Error removeEntry(Place at, const std::string& name) {
    const fs::path path = entry(at, name);
    const DWORD a = GetFileAttributesW(wide(path).c_str());
    clearReadOnly(path, a);
    // A link to a folder (a junction) is itself a folder entry: it goes the way folders go,
    // leaving what it leads to.
    const bool folderLink = a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) &&
                            (a & FILE_ATTRIBUTE_REPARSE_POINT);
    if (!(folderLink ? RemoveDirectoryW(wide(path).c_str()) : DeleteFileW(wide(path).c_str())))
        return lastError(path);
    return {};
}

Error removeFolder(Place at, const std::string& name) {
    const fs::path path = entry(at, name);
    if (!RemoveDirectoryW(wide(path).c_str())) return lastError(path);
    return {};
}

void letGo(Place at, const std::string& name) {
    const fs::path path = entry(at, name);
    const DWORD a = GetFileAttributesW(wide(path).c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) &&
        !(a & FILE_ATTRIBUTE_REPARSE_POINT))
        clearReadOnly(path, a);
}

// A mount point is a reparse point here, which is never gone through.
bool isMountRoot(Place) {
    return false;
}

void syncFolder(Place) {}  // MOVEFILE_WRITE_THROUGH already waited for the rename

Error lockEntry(Place at, const std::string& name, Native& file) {
    const fs::path path = entry(at, name);
    const FileInfo seen = infoOfPath(path);
    if (seen.kind == EntryKind::Link) return failure(ErrorCode::Link, shown(path));
    if (seen.kind == EntryKind::Folder) return failure(ErrorCode::IsFolder, shown(path));
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastError(path);
    OVERLAPPED at0{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at0)) {
        const DWORD code = GetLastError();
        CloseHandle(h);
        return failure(code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING ? ErrorCode::Locked
                                                                                : fromWin32(code),
                       static_cast<int>(code), shown(path));
    }
    ++fileLayerCounts().opens;
    file = reinterpret_cast<Native>(h);
    return {};
}

}  // namespace kestro::platform
