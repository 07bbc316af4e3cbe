// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "names.h"

namespace kestro {
namespace {

// One character (or a stray byte) at a time, as UTF-16; false for a stray byte.
bool nextCharacter(std::string_view s, size_t& i, std::wstring& out) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t length = lead < 0x80       ? 1
                          : lead >> 5 == 6  ? 2
                          : lead >> 4 == 14 ? 3
                          : lead >> 3 == 30 ? 4
                                            : 1;
    const int n = i + length <= s.size()
                      ? MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s.data() + i,
                                            static_cast<int>(length), nullptr, 0)
                      : 0;
    if (n <= 0) {
        out.assign(1, static_cast<wchar_t>(0xDC00 | lead));  // kept apart from every character
        ++i;
        return false;
    }
    out.resize(static_cast<size_t>(n));
    MultiByteToWideChar(CP_UTF8, 0, s.data() + i, static_cast<int>(length), out.data(), n);
    i += length;
    return true;
}

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    std::wstring x, y;
    while (i < a.size() && j < b.size()) {
        const bool cx = nextCharacter(a, i, x), cy = nextCharacter(b, j, y);
        if (cx != cy) return false;
        if (!cx ? x != y
                : CompareStringOrdinal(x.data(), static_cast<int>(x.size()), y.data(),
                                       static_cast<int>(y.size()), TRUE) != CSTR_EQUAL)
            return false;
    }
    return i == a.size() && j == b.size();
}

std::optional<std::size_t> characterCount(std::string_view text) {
    std::size_t count = 0;
    std::wstring one;
    for (size_t i = 0; i < text.size(); ++count)
        if (!nextCharacter(text, i, one)) return std::nullopt;
    return count;
}

namespace {

std::string normalized(std::string_view text, NORM_FORM form) {
    const int size = static_cast<int>(text.size());
    const int wide =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (wide <= 0) return std::string(text);
    std::wstring in(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, in.data(), wide);
    // The size asked for first is an estimate; too small, the answer is a better one.
    int length = NormalizeString(form, in.data(), wide, nullptr, 0);
    std::wstring out;
    bool done = false;
    for (int tries = 0; length > 0 && !done && tries < 4; ++tries) {
        out.assign(static_cast<size_t>(length), L'\0');
        const int got = NormalizeString(form, in.data(), wide, out.data(), length);
        done = got > 0;
        length = done || GetLastError() != ERROR_INSUFFICIENT_BUFFER ? got : -got;
    }
    if (!done) return std::string(text);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, out.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, out.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

}  // namespace

std::string composed(std::string_view text) {
    return normalized(text, NormalizationC);
}

std::string decomposed(std::string_view text) {
    return normalized(text, NormalizationD);
}

}  // namespace kestro
