// SPDX-License-Identifier: GPL-3.0-or-later
#include <utf8proc.h>

#include <cstdlib>

#include "names.h"

namespace kestro {
namespace {

// The next character, upper-cased; a stray byte comes back as a value no character has.
utf8proc_int32_t nextUpper(std::string_view s, size_t& i) {
    utf8proc_int32_t c = -1;
    const auto* at = reinterpret_cast<const utf8proc_uint8_t*>(s.data() + i);
    const utf8proc_ssize_t n =
        utf8proc_iterate(at, static_cast<utf8proc_ssize_t>(s.size() - i), &c);
    if (n <= 0) return -0x100 - static_cast<unsigned char>(s[i++]);
    i += static_cast<size_t>(n);
    return utf8proc_toupper(c);
}

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (nextUpper(a, i) != nextUpper(b, j)) return false;
    return i == a.size() && j == b.size();
}

std::optional<std::size_t> characterCount(std::string_view text) {
    std::size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        utf8proc_int32_t c;
        const utf8proc_ssize_t n =
            utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(text.data() + i),
                             static_cast<utf8proc_ssize_t>(text.size() - i), &c);
        if (n <= 0) return std::nullopt;
        i += static_cast<size_t>(n);
    }
    return count;
}

namespace {

std::string normalized(std::string_view text, int form) {
    utf8proc_uint8_t* out = nullptr;
    const utf8proc_ssize_t n = utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                                            static_cast<utf8proc_ssize_t>(text.size()), &out,
                                            static_cast<utf8proc_option_t>(UTF8PROC_STABLE | form));
    std::string result =
        n < 0 ? std::string(text)
              : std::string(reinterpret_cast<const char*>(out), static_cast<size_t>(n));
    std::free(out);
    return result;
}

}  // namespace

std::string composed(std::string_view text) {
    return normalized(text, UTF8PROC_COMPOSE);
}

std::string decomposed(std::string_view text) {
    return normalized(text, UTF8PROC_DECOMPOSE);
}

}  // namespace kestro
