// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the game where its uninstall entry says it is, and at the top of the usual
// install folders of each fixed drive.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwctype>

#include "files.h"
#include "paths.h"
#include "searcher.h"

namespace kestro {
namespace findgame {

namespace fs = std::filesystem;

namespace {

OpenFailure failureOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_DIRECTORY:
        case ERROR_NOT_READY:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return OpenFailure::Missing;
        case ERROR_ACCESS_DENIED:
            return OpenFailure::Denied;
        default:
            return OpenFailure::Other;
    }
}

Folder listed(fs::path path, bool followLink, OpenFailure& failure) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        failure = failureOf(GetLastError());
        return {};
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        failure = OpenFailure::NotAFolder;
        return {};
    }
    if (!followLink && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        failure = OpenFailure::Link;
        return {};
    }
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileExW((path / L"*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        failure = failureOf(GetLastError());
        return {};
    }
    Folder folder{true, std::move(path), {}, {}};
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        // A junction or symbolic link is never a folder to enter.
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                              !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        folder.entries.push_back({utf8Text(fs::path(name)), isFolder});
    } while (FindNextFileW(find, &data));
    FindClose(find);
    sortByName(folder.entries);
    return folder;
}

}  // namespace

Folder openPlace(const fs::path& path, OpenFailure& failure) {
    return listed(path, true, failure);
}

Folder openChild(const Folder& parent, const std::string& name, OpenFailure& failure) {
    return listed(parent.path / utf8Path(name), false, failure);
}

std::optional<FolderId> folderId(const Folder& folder) {
    const HANDLE handle = CreateFileW(folder.path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!ok) return std::nullopt;
    return FolderId{info.dwVolumeSerialNumber,
                    (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

namespace {

constexpr const wchar_t* kUninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kInstallRoots[] = {"Program Files", "Program Files (x86)", "Games"};
constexpr DWORD kLongestText = 32768;  // characters of a registry value read, at most

// Only local disks: a network or removable drive named in the registry could keep the
// search waiting.
bool fixedDrive(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', 0};
    const UINT type = GetDriveTypeW(root);
    return type == DRIVE_FIXED || type == DRIVE_RAMDISK;
}

std::optional<std::wstring> readText(HKEY key, const std::wstring& subkey, const wchar_t* value) {
    std::wstring text(kLongestText, L'\0');
    DWORD bytes = DWORD(text.size() * sizeof(wchar_t));
    // REG_SZ, or REG_EXPAND_SZ with its variables expanded.
    if (RegGetValueW(key, subkey.c_str(), value, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.data(), bytes / sizeof(wchar_t)));
    return text;
}

bool namesTheGame(std::wstring name) {
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    return name.find(L"varnex 2001") != std::wstring::npos;
}

// An install location as installers write it, quoted or with a closing backslash, made
// a plain "X:\folder" path; anything else (relative, a network share, a device) is not
// searched.
std::optional<std::wstring> installFolder(std::wstring text) {
    const auto trim = [&](std::wstring_view chars) {
        while (!text.empty() && chars.find(text.back()) != std::wstring_view::npos) text.pop_back();
        while (!text.empty() && chars.find(text.front()) != std::wstring_view::npos)
            text.erase(0, 1);
    };
    trim(L" \t\"");
    while (text.size() > 3 && (text.back() == L'\\' || text.back() == L'/')) text.pop_back();
    if (text.size() < 3 || !std::iswalpha(text[0]) || text[1] != L':' ||
        (text[2] != L'\\' && text[2] != L'/') || !fixedDrive(text[0]))
        return std::nullopt;
    return text;
}

void searchRegistry(Searcher& s) {
    s.looked({Place::Kind::Registry, {}});
    for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
            HKEY key;
            const LONG opened = RegOpenKeyExW(root, kUninstall, 0, KEY_READ | view, &key);
            if (opened != ERROR_SUCCESS) {
                if (opened != ERROR_FILE_NOT_FOUND)
                    s.skip(std::string(root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE\\"
                                                                  : "HKEY_CURRENT_USER\\") +
                               utf8Text(fs::path(kUninstall)),
                           reason(failureOf(DWORD(opened))));
                continue;
            }
            std::vector<std::wstring> entries;
            wchar_t name[256];  // the longest key name the registry allows, and its end
            for (DWORD i = 0; s.canGoOn(); ++i) {
                DWORD size = 256;
                const LONG got =
                    RegEnumKeyExW(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
                if (got == ERROR_SUCCESS)
                    entries.emplace_back(name, size);
                else if (got != ERROR_MORE_DATA)
                    break;  // the end, or a key that cannot be read further
            }
            std::sort(entries.begin(), entries.end());
            for (const std::wstring& entry : entries) {
                const auto displayName = readText(key, entry, L"DisplayName");
                const auto location = displayName && namesTheGame(*displayName)
                                          ? readText(key, entry, L"InstallLocation")
                                          : std::nullopt;
                const auto folderPath = location ? installFolder(*location) : std::nullopt;
                if (const Folder folder = folderPath ? s.openPlace(*folderPath) : Folder{})
                    s.walk(folder, utf8Text(folder.path), '\\', 0, {Place::Kind::Registry, {}});
            }
            RegCloseKey(key);
        }
}

void searchDrives(Searcher& s) {
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const wchar_t letter = wchar_t(L'A' + i);
        if (!(drives & (1u << i)) || !fixedDrive(letter)) continue;
        for (const char* name : kInstallRoots) {
            const fs::path path = fs::path(std::wstring{letter, L':', L'\\'}) / utf8Path(name);
            const Folder folder = s.openPlace(path);
            if (!folder || !s.firstVisit(folder, Searcher::As::Plain)) continue;
            s.looked({Place::Kind::Folder, utf8Text(path)});
            s.walk(folder, utf8Text(path), '\\', 1,
                   {Place::Kind::Drive, std::string{char(letter), ':'}});
        }
    }
}

}  // namespace
}  // namespace findgame

SearchReport findGame(const GameSearch& search) {
    SearchReport report;
    findgame::Searcher searcher(search, report);
    findgame::searchRegistry(searcher);
    findgame::searchDrives(searcher);
    return report;
}

GameSearch searchForThisUser() {
    return {};  // Windows keeps its own record of installed programs: nothing to point at
}

}  // namespace kestro
