#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program under Xvfb and saves a screenshot.
#   tools/screenshot.sh main   [out.png]  the main window: FOX installed and chosen
#   tools/screenshot.sh dialog [out.png]  first start: the game folder dialog
# By default into docs/, where README.md shows them.
# Needs a build in build/ (see README.md). Installs Xvfb, xdotool and ImageMagick if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-main}
case $mode in main) name='Marovix 2001' ;; *) name='VARNEX 2001: Path' ;; esac
out=${2:-docs/$([ "$mode" = main ] && echo main-window || echo folder-dialog).png}
mkdir -p "$(dirname "$out")"
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick xauth:xauth; do
    command -v "${tool%%:*}" >/dev/null || { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${tool#*:}"; }
done

tmp=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
mkdir -p "$tmp/config" "$tmp/home"
if [ "$mode" = main ]; then
    # A game folder that holds the FOX set, so the installed channel is marked.
    mkdir -p "$tmp/VARNEX 2001/DATA/ENVIRO"
    cp build/bin/fox/misc16.fsh "$tmp/VARNEX 2001/DATA/ENVIRO/Misc16.fsh"
    printf '[GENERAL]\nPATH=%s\n' "$tmp/VARNEX 2001" > "$tmp/config/KESTRO.ini"
fi
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 640x560x24 -nolisten tcp & xvfb=$!
sleep 1
(cd "$tmp/home" && DISPLAY=$display HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config exec "$OLDPWD/build/bin/kestro") & app=$!
sleep 2
if [ "$mode" = main ]; then
    # Click the last channel (FOX) in the list, so the preview shows.
    win=$(DISPLAY=$display xdotool search --name 'Marovix 2001' | head -n1)
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$win")"
    DISPLAY=$display xdotool mousemove $((X + 40)) $((Y + 25)) click 1 >/dev/null
    for _ in 1 2 3 4; do DISPLAY=$display xdotool key Down; done
    DISPLAY=$display xdotool key Down key Down key Down key space
    sleep 1
fi
# The window alone, as a player sees it.
win=$(DISPLAY=$display xdotool search --name "$name" | head -n1)
DISPLAY=$display import -window "$win" "$out"
echo "saved $out"
