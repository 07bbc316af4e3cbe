#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of what the program says, in each language it speaks, to see that no
# translation is cut: the main window, the Configuration menu, the Add and Remove
# dialogs, the Find Game Folder dialog, an install and a restore report, the game folder
# dialog. Runs the real program under Xvfb, in a scratch home.
#   tools/screenshot-languages.sh [out-folder [language...]]   (default: screenshots/, all)
# Needs a build in build/ (see README.md). Installs Xvfb, xdotool and ImageMagick if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-screenshots}
shift || true
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en ro ru pl pt es)
mkdir -p "$out"
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${tool#*:}"; }
done

tmp=$(mktemp -d)
app='' xvfb=''
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp & xvfb=$!
sleep 1
export DISPLAY=$display

# Keys go to the window under the pointer (there is no window manager): the middle of the
# screen, where the main window and every dialog are centred.
key() { xdotool mousemove 512 384 key --delay 80 "$@"; sleep 0.6; }
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 1; }
shot() { import -window root "$out/$lang-$1.png"; }
# Opens the Configuration menu and picks its nth entry (the separator is passed over).
entry() {
    click 75 10
    for _ in $(seq "$1"); do key Down; done
    key Return
}

for lang in "${languages[@]}"; do
    case $lang in en) locale=en_US.UTF-8 ;; pt) locale=pt_PT.UTF-8 ;; *) locale=${lang}_${lang^^}.UTF-8 ;; esac
    home=$tmp/$lang
    game="$home/VARNEX 2001"
    # A folder in the way of one of PROTV's files, so its install is partial and says so.
    mkdir -p "$game/DATA/ENVIRO/Misc16.fsh" "$home/config" "$home/data" "$home/MYSET"
    printf '[GENERAL]\nPATH=%s\n' "$game" > "$home/config/KESTRO.ini"
    cp build/bin/fox/* "$home/MYSET/"
    run() { (cd "$home" && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=$locale HOME=$home \
        XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "$root/build/bin/kestro" "$@"); }
    run --add-set "$home/MYSET" >/dev/null
    run & app=$!
    sleep 2
    win=$(xdotool search --name 'Marovix 2001' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$win")"
    click 50 85   # PROTV, the first channel
    shot main
    click 75 10
    shot menu
    key Escape
    entry 4; shot add; key Escape
    entry 5; shot remove; key Return; shot remove-confirm; key Escape
    entry 2; shot find; key Escape
    click 145 253; shot install-report; key Return   # Install
    entry 3; shot restore-confirm; key shift+Tab space; shot restore-report; key Return
    entry 1; shot folder-dialog
    kill $app; wait $app 2>/dev/null || true
    app=''
done
echo "saved in $out/"
