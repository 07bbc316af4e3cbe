// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a channel's preview picture, defensively: the file may be missing, damaged,
// not a picture at all, or not a file.
#pragma once

#include <QPixmap>
#include <optional>

#include "catalogue.h"

namespace kestro {

// The picture in `file`, or nothing when it cannot be read as one. Only a plain file is
// read, without blocking (a link only where the file may be reached through one); a
// picture that declares an outlandish size is refused before any memory is set aside
// for it.
std::optional<QPixmap> loadPreview(const SourceFile& file);

}  // namespace kestro
