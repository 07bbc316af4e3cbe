// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a channel's preview picture, defensively: the file comes from beside the
// executable and may be missing, damaged, not a picture at all, or not a file.
#pragma once

#include <QPixmap>
#include <optional>
#include <string>

namespace kestro {

// The picture in the file `pathText` names (a path as the install core takes it), or
// nothing when it cannot be read as one. Only a plain file is read, without blocking;
// a picture that declares an outlandish size is refused before any memory is set
// aside for it.
std::optional<QPixmap> loadPreview(const std::string& pathText);

}  // namespace kestro
