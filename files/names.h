// SPDX-License-Identifier: GPL-3.0-or-later
// File names as texts: UTF-8 checked and counted, and compared the way the game's
// file system compares them. One implementation per platform (names_posix.cpp with
// utf8proc, names_win.cpp with the system's own table).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kestro {

// Whether two names are the same when letter case is ignored: each character upper-cased
// on its own, as Windows does. A byte that is not UTF-8 matches only itself.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// The number of characters of a UTF-8 text, or nullopt when it is not UTF-8.
std::optional<std::size_t> characterCount(std::string_view text);

// A UTF-8 text in composed form (NFC): "Í" one character, whether it was typed so or came
// as "I" and an accent (as names from some systems do). Not UTF-8: as it is.
std::string composed(std::string_view text);

// The same decomposed (NFD): "Ö" as "O" and its accent. For telling names that look
// alike letter by letter, never for naming files.
std::string decomposed(std::string_view text);

}  // namespace kestro
