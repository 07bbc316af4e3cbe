// SPDX-License-Identifier: GPL-3.0-or-later
#include "winpath.h"

namespace kestro {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Decodes one UTF-8 sequence; malformed bytes come back as themselves so that
// any byte string still compares (exactly) with itself.
char32_t nextCodePoint(std::string_view s, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    bool wellFormed = extra > 0 && i + extra < s.size();
    for (size_t k = 1; wellFormed && k <= extra; ++k) wellFormed = (byte(i + k) & 0xC0) == 0x80;
    if (!wellFormed) {
        ++i;
        return 0xDC00 | lead;  // a stray byte, kept apart from every real letter
    }
    char32_t cp = lead & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k) cp = (cp << 6) | (byte(i + k) & 0x3F);
    i += extra + 1;
    return cp;
}

char32_t foldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;    // Latin-1
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131) {  // Latin Extended-A
        const bool oddLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddLower) return (c % 2 == 1) ? c + 1 : c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

}  // namespace

std::optional<WinPath> parseWinPath(std::string_view text, PathProblem* problem) {
    PathProblem dummy;
    PathProblem& why = problem ? *problem : dummy;
    why = PathProblem::None;
    if (text.empty()) {
        why = PathProblem::Empty;
        return std::nullopt;
    }
    if (text.find('\0') != std::string_view::npos) {
        why = PathProblem::Invalid;
        return std::nullopt;
    }
    WinPath path;
    std::string_view rest = text;
    if (rest.size() >= 2 && isLetter(rest[0]) && rest[1] == ':') {
        path.drive = static_cast<char>(rest[0] | 0x20);
        rest.remove_prefix(2);
        if (!rest.empty() && !isSeparator(rest[0])) {  // "C:DATA" leans on a current folder
            why = PathProblem::Relative;
            return std::nullopt;
        }
    } else if (!isSeparator(rest[0])) {
        why = PathProblem::Relative;
        return std::nullopt;
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

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

}  // namespace kestro
