// SPDX-License-Identifier: GPL-3.0-or-later
// The look shared by the program's windows: layouts written in twips, the unit the
// game's tools have always used (1/1440 inch, 15 twips to a pixel at 96 dots per
// inch), and the fonts those tools named.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace kestro {

constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return (value + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twips(width), twips(height));
}

// A font by the name the window layout gives; where it is not installed, a metric
// twin stands in (Liberation Sans for Arial), so captions fit the boxes drawn for them.
QFont vbFont(const QString& family, qreal points, bool bold = false, bool underline = false);

// The font of controls that name none: MS Sans Serif, 8.25 points.
QFont defaultFont();

}  // namespace kestro
