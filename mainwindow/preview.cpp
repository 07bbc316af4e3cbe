#include "preview.h"

#include <QImageReader>

namespace kestro {
namespace {

// Previews are small cards; 4096 x 4096 leaves room for any honest one.
constexpr int kMaxSide = 4096;

}  // namespace

std::optional<QPixmap> loadPreview(const QString& file) {
    QImageReader reader(file);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > kMaxSide || declared.height() > kMaxSide)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return QPixmap::fromImage(image);
}

}  // namespace kestro
