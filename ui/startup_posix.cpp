// SPDX-License-Identifier: GPL-3.0-or-later
#include <fontconfig/fontconfig.h>

#include "startup.h"

namespace kestro {

// Reading fontconfig's files costs about as much as building the whole window. Qt
// does it on first use of a font; doing it here first leaves Qt a loaded
// configuration. fontconfig's initialisation is safe to race, so a theme plugin
// that reaches it from the main thread meanwhile gets the same configuration.
FontWarmUp::FontWarmUp() : worker_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::wait() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace kestro
