// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

namespace kestro {

// Windows keeps its fonts loaded for every program: nothing to prepare.
FontWarmUp::FontWarmUp() = default;
FontWarmUp::~FontWarmUp() = default;
void FontWarmUp::wait() {}

}  // namespace kestro
