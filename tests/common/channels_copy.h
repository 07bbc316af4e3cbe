// SPDX-License-Identifier: GPL-3.0-or-later
// The channel sets the build put beside the program, and a copy of them as a program
// folder that a test may change.
#pragma once

#include <filesystem>
#include <string_view>

namespace kestro::test {

inline std::filesystem::path channelsDir() {
    const std::string_view text = KESTRO_CHANNELS_DIR;
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline void copyChannels(const std::filesystem::path& folder) {
    std::filesystem::copy(channelsDir(), folder, std::filesystem::copy_options::recursive);
}

}  // namespace kestro::test
