#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's 32x32 icons (window, channel item, installed channel) under
# mainwindow/icons/. Run once by hand (needs ImageMagick); the results are committed.
set -euo pipefail
cd "$(dirname "$0")/../mainwindow/icons"
convert -size 32x32 xc:none \
  -stroke "#333333" -strokewidth 2 -draw "line 10,2 16,9" -draw "line 22,2 16,9" \
  -stroke "#202020" -strokewidth 1 -fill "#3a3a3a" -draw "roundrectangle 1,9 30,30 4,4" \
  -fill "#2e7d32" -stroke "#a5d6a7" -draw "roundrectangle 4,12 23,27 2,2" \
  -stroke white -strokewidth 1 -fill none -draw "circle 13,19 13,22" -draw "line 13,12 13,27" \
  -stroke none -fill "#ffb300" -draw "circle 27,15 27,16.5" -fill "#bbbbbb" \
  -draw "rectangle 25,20 28,21" -draw "rectangle 25,23 28,24" \
  -colors 256 PNG8:kestro.png
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
