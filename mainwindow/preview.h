// Loading a channel's preview picture, defensively: the file comes from beside the
// executable and may be missing, damaged or not a picture at all.
#pragma once

#include <QPixmap>
#include <QString>
#include <optional>

namespace kestro {

// The picture in `file`, or nothing when it cannot be read as one. A picture that
// declares an outlandish size is refused before any memory is set aside for it.
std::optional<QPixmap> loadPreview(const QString& file);

}  // namespace kestro
