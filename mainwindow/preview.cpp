// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview.h"

#include <QBuffer>
#include <QImageReader>

#include "files.h"

namespace kestro {
namespace {

// Previews are small cards; these leave room for any honest one.
constexpr int kMaxSide = 4096;
constexpr std::size_t kMaxBytes = 16 * 1024 * 1024;

}  // namespace

std::optional<QPixmap> loadPreview(const SourceFile& file) {
    std::string data;
    if (file.path.empty()) return std::nullopt;
    Result<ReadFile> opened = openSource(file);
    if (!opened.ok() || !readSmall(opened.value, kMaxBytes, data).ok()) return std::nullopt;
    QByteArray bytes = QByteArray::fromStdString(data);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > kMaxSide || declared.height() > kMaxSide)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return QPixmap::fromImage(image);
}

}  // namespace kestro
