#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the channel preview cards and writes the placeholder channel files under
# channels/. Run once by hand (needs ImageMagick); the results are committed.
set -euo pipefail
cd "$(dirname "$0")/../channels"

card() {  # folder, label, background, accent
    convert -size 160x100 "xc:$3" \
        -fill "$4" -draw "rectangle 0,74 160,100" \
        -fill white -font DejaVu-Sans-Bold -pointsize 22 -gravity center -annotate +0-10 "$2" \
        -fill white -font DejaVu-Sans -pointsize 10 -gravity south -annotate +0+7 "VARNEX 2001 channel pack" \
        -quality 88 "$1/preview.jpg"
}

placeholder() {  # folder, file
    printf 'KESTRO placeholder graphics\nchannel folder: %s\nfile: %s\n' "$1" "$2" > "$1/$2"
}

mkdir -p protv ntv wizja canal+ ssporttv teleon fox
for f in misc16.fsh misc8.fsh popups.abg; do placeholder protv "$f"; done
for f in Misc16.fsh misc8.fsh; do placeholder ntv "$f"; done
for f in misc16.fsh misc8.fsh popups.abg; do placeholder wizja "$f"; done
placeholder canal+ misc16.fsh
for f in misc16.fsh misc8.fsh; do placeholder ssporttv "$f"; done
for f in misc16.fsh misc8.fsh popups.big; do placeholder teleon "$f"; done
placeholder fox misc16.fsh

card protv "PRO TV" "#1d3f8f" "#e0a400"
card ntv "NTV" "#0b6e3b" "#d62020"
card wizja "WIZJA" "#5b1f7a" "#f0c000"
card canal+ "CANAL+" "#111111" "#777777"
card ssporttv "SPORT TV" "#b3261e" "#1d3f8f"
card teleon "TELEON" "#006d77" "#ee9b00"
card fox "FOX" "#202a44" "#3a7bd5"
