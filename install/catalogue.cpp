// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <array>

namespace kestro {
namespace {

constexpr std::string_view kAllOk = "Installation: All OK!";
// Kept exactly as the FOX set has always said it (no accent on the first word).
constexpr std::string_view kFoxDone = "Instalacion de Canal Completada con Éxito";

constexpr std::string_view kMisc16 = "\\DATA\\ENVIRO\\Misc16.fsh";
constexpr std::string_view kMisc8 = "\\DATA\\ENVIRO\\misc8.fsh";
constexpr std::string_view kPopupsAbg = "\\DATA\\POPUPS\\popups.abg";
constexpr std::string_view kPopupsBig = "\\DATA\\POPUPS\\popups.big";

constexpr std::array<CopyStep, 3> kProtv{{
    {kMisc16, "\\protv\\misc16.fsh", 44},
    {kMisc8, "\\protv\\misc8.fsh", 50},
    {kPopupsAbg, "\\protv\\popups.abg", 99},
}};
constexpr std::array<CopyStep, 2> kNtv{{
    {kMisc16, "\\ntv\\Misc16.fsh", 44},
    {kMisc8, "\\ntv\\misc8.fsh", 99},
}};
constexpr std::array<CopyStep, 3> kWizja{{
    {kMisc16, "\\wizja\\misc16.fsh", 44},
    {kMisc8, "\\wizja\\misc8.fsh", 50},
    {kPopupsAbg, "\\wizja\\popups.abg", 99},
}};
constexpr std::array<CopyStep, 1> kCanal{{
    {kMisc16, "\\canal+\\misc16.fsh", 99},
}};
// The SPORTTV set has always lived in "ssporttv", with two s.
constexpr std::array<CopyStep, 2> kSporttv{{
    {kMisc16, "\\ssporttv\\misc16.fsh", 44},
    {kMisc8, "\\ssporttv\\misc8.fsh", 99},
}};
constexpr std::array<CopyStep, 3> kTeleon{{
    {kMisc16, "\\teleon\\misc16.fsh", 44},
    {kMisc8, "\\teleon\\misc8.fsh", 50},
    {kPopupsBig, "\\teleon\\popups.big", 99},
}};
constexpr std::array<CopyStep, 1> kFox{{
    {kMisc16, "\\fox\\misc16.fsh", 99},
}};

constexpr std::array<Channel, 7> kChannels{{
    {"PROTV", "\\protv\\preview.jpg", kProtv, kAllOk},
    {"NTV", "\\ntv\\preview.jpg", kNtv, kAllOk},
    {"WIZJA", "\\wizja\\preview.jpg", kWizja, kAllOk},
    {"CANAL+", "\\canal+\\preview.jpg", kCanal, kAllOk},
    {"SPORTTV", "\\ssporttv\\preview.jpg", kSporttv, kAllOk},
    {"TELEON", "\\teleon\\preview.jpg", kTeleon, kAllOk},
    {"FOX", "\\fox\\preview.jpg", kFox, kFoxDone},
}};

}  // namespace

std::span<const Channel> channels() {
    return kChannels;
}

const Channel* findChannel(std::string_view key) {
    for (const Channel& channel : kChannels) {
        if (channel.key == key) return &channel;
    }
    return nullptr;
}

}  // namespace kestro
