// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the paths go to the system as they are (its file system ignores letter case).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "paths.h"

namespace kestro {
namespace fs = std::filesystem;

fs::path winePrefix() {
    return {};
}

std::vector<WineDrive> wineDrives() {
    return {};  // the drives are the system's own
}

Result<fs::path> resolvePath(std::string_view text) {
    const Result<WinPath> parsed = parseWinPath(text);
    if (!parsed.ok()) return parsed.error;
    // A network share, "\\server\share\...", for a program or game kept on one.
    const auto separator = [&](size_t i) {
        return i < text.size() && (text[i] == '\\' || text[i] == '/');
    };
    const bool share =
        !parsed.value.drive && separator(0) && separator(1) && parsed.value.components.size() >= 2;
    // "\DATA" without a drive leans on the current drive: not a full path here.
    if (!parsed.value.drive && !share) return failure(ErrorCode::PathRelative);
    std::u8string path =
        share ? u8"\\\\" : std::u8string{char8_t(parsed.value.drive - 'a' + 'A'), u8':', u8'\\'};
    for (size_t i = 0; i < parsed.value.components.size(); ++i) {
        const std::string& part = parsed.value.components[i];
        if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, part.data(),
                                static_cast<int>(part.size()), nullptr, 0) <= 0)
            return failure(ErrorCode::PathInvalid);
        if (i > 0) path += u8'\\';
        path.append(part.begin(), part.end());
    }
    if (!share) {
        const wchar_t root[] = {wchar_t(path[0]), L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR)
            return failure(ErrorCode::DriveMissing, std::string(text.substr(0, 2)));
    }
    return fs::path(path);
}

}  // namespace kestro
