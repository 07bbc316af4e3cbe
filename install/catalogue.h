// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed catalogue of the seven channel sets this program carries.
#pragma once

#include <span>
#include <string_view>

namespace kestro {

// One file of an install: where it goes in the game folder, where it comes
// from in the program folder, and the progress bar value shown before it.
struct CopyStep {
    std::string_view destination;  // relative to the game folder, begins with '\'
    std::string_view source;       // relative to the program folder, begins with '\'
    float progress;
};

struct Channel {
    std::string_view key;  // list label, compared exactly (case-sensitive, no trimming)
    std::string_view previewPath;
    std::span<const CopyStep> steps;
    std::string_view completionMessage;
};

// The channels in the order the list shows them.
std::span<const Channel> channels();

// The channel whose key equals `key` exactly, or nullptr.
const Channel* findChannel(std::string_view key);

}  // namespace kestro
