// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

namespace kestro {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

Result<WinPath> parseWinPath(std::string_view text) {
    if (text.empty()) return failure(ErrorCode::PathEmpty);
    if (text.find('\0') != std::string_view::npos) return failure(ErrorCode::PathInvalid);
    WinPath path;
    std::string_view rest = text;
    if (rest.size() >= 2 && isLetter(rest[0]) && rest[1] == ':') {
        path.drive = static_cast<char>(rest[0] | 0x20);
        rest.remove_prefix(2);
        if (!rest.empty() && !isSeparator(rest[0]))  // "C:DATA" leans on a current folder
            return failure(ErrorCode::PathRelative);
    } else if (!isSeparator(rest[0])) {
        return failure(ErrorCode::PathRelative);
    }
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = start;
        while (end < rest.size() && !isSeparator(rest[end])) ++end;
        const std::string_view part = rest.substr(start, end - start);
        if (part == "..") {
            if (!path.components.empty()) path.components.pop_back();
        } else if (!part.empty() && part != ".") {
            path.components.emplace_back(part);
        }
        start = end + 1;
    }
    return path;
}

}  // namespace kestro
