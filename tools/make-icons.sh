#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon from its one source, packaging/icons/kestro.svg (drawn by
# hand): the hicolor theme's sizes under packaging/icons/ and the window's own 32x32
# icon; and draws the channel list's two 32x32 icons under mainwindow/icons/. Run once
# by hand (needs rsvg-convert from librsvg2-bin, and ImageMagick); the results are
# committed.
set -euo pipefail
cd "$(dirname "$0")/.."
source=packaging/icons/kestro.svg
for size in 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$source" -o "packaging/icons/kestro-$size.png"
done
# The window's icon is the theme's 32x32 one too.
rsvg-convert -w 32 -h 32 "$source" -o mainwindow/icons/kestro.png

cd mainwindow/icons
convert -size 32x32 xc:none \
  -fill "#1d3f8f" -stroke "#0d1f47" -draw "roundrectangle 2,4 29,23 3,3" \
  -fill "#e0a400" -stroke none -draw "polygon 12,8 12,19 21,13.5" \
  -fill "#555555" -draw "rectangle 13,24 18,26" -draw "roundrectangle 8,27 23,29 1,1" \
  -colors 256 PNG8:channel.png
convert -size 32x32 xc:none \
  -fill "#2e7d32" -stroke "#1b4d1e" -draw "roundrectangle 2,4 29,23 3,3" \
  -stroke white -strokewidth 3 -fill none -draw "polyline 9,14 14,19 23,9" \
  -stroke none -fill "#555555" -draw "rectangle 13,24 18,26" -draw "roundrectangle 8,27 23,29 1,1" \
  -colors 256 PNG8:installed.png
