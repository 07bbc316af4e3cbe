#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a player gets: the program
# where a system's games go and its channel folders under share/games, found from
# wherever the prefix is; a desktop entry, metadata and icons that the window belongs
# to; a clear word when there is no display; and a Debian package lintian finds clean.
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/.." && pwd)
channels=$source/channels
id=io.github.lucasferrer.kestro
scratch=() pids=()
cleanup() {
    [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2> /dev/null || true
    rm -rf "${scratch[@]}"
}
trap cleanup EXIT
fresh() { local d; d=$(mktemp -d); scratch+=("$d"); echo "$d"; }
fail() { echo "FAIL: $*"; exit 1; }

prefix=$(fresh)
cmake --install "$build" --prefix "$prefix" > /dev/null

# The program itself where Debian puts games' programs; nothing architecture-independent
# in lib/, where lintian does not want it.
program=$prefix/games/kestro
[[ -f $program && ! -L $program && -x $program ]] || fail "no executable in games"
[ ! -e "$prefix/lib" ] || fail "something was installed in lib: $(cd "$prefix" && find lib | head -n 3)"
# Every file of every channel folder in the sources, and nothing lost on the way.
data=$prefix/share/games/kestro
(cd "$channels" && find . -type f ! -name CMakeLists.txt) | while read -r f; do
    cmp -s "$channels/$f" "$data/$f" || fail "channel file $f not installed as it is under share/games/kestro"
done

# The program finds its channel folders from its own place, so a prefix that was moved
# (as a package unpacks it) works, started from anywhere.
home=$(fresh)
mkdir -p "$home/config" "$home/data" "$home/game"
moved=$(fresh)
cp -a "$prefix/." "$moved/"
run() { (cd / && HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data exec "$@"); }
run "$moved/games/kestro" --install FOX --game-folder "$home/game" > /dev/null ||
    fail "the moved program could not install FOX"
cmp -s "$channels/fox/misc16.fsh" "$home/game/DATA/ENVIRO/Misc16.fsh" ||
    fail "the moved program did not install FOX's file from its own share/games/kestro"

# Started with no arguments, the program comes up and stays up.
printf '[GENERAL]\nPATH=%s\n' "$home/game" > "$home/config/KESTRO.ini"
status=0
run env QT_QPA_PLATFORM=offscreen timeout 3 "$program" || status=$?
[ "$status" -eq 124 ] || fail "the program did not stay up (exit status $status)"

# With no display, or one that does not answer, it says so in one line and ends.
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
for display in "-u DISPLAY" "DISPLAY=:$free"; do
    status=0
    # shellcheck disable=SC2086  # the word splitting is wanted: env's arguments
    said=$(run env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display timeout 10 "$program" 2>&1) ||
        status=$?
    [ "$status" -eq 1 ] || fail "with env $display the exit status was $status, not 1: $said"
    [[ $(printf '%s\n' "$said" | wc -l) -eq 1 && $said == *"no display was found"*"kestro --help"* ]] ||
        fail "with env $display the program said: $said"
done

# The desktop entry: valid, starting the program on the PATH, named as the window names
# its desktop file (the name Wayland and docks match it by), with the window's class.
desktop=$prefix/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
grep -qx 'Exec=kestro' "$desktop" || fail "desktop entry does not start the program on the PATH"
named=$(run env QT_QPA_PLATFORM=offscreen KESTRO_PRINT_DESKTOP_FILE_NAME=1 "$program" 2> /dev/null)
[ "$named.desktop" = "$(basename "$desktop")" ] || fail "the window names its desktop file '$named'"
wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wmclass" ] || fail "desktop entry has no StartupWMClass"
if command -v Xvfb > /dev/null && command -v xprop > /dev/null && command -v xwininfo > /dev/null; then
    Xvfb -displayfd 3 -nolisten tcp -screen 0 640x480x24 3> "$home/display" 2> /dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
    DISPLAY=:$(cat "$home/display")
    export DISPLAY
    # On the display itself, whatever platform the tests around it were given.
    (cd / && HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
        exec env -u QT_QPA_PLATFORM "$program") > "$home/window.log" 2>&1 &
    pids+=($!)
    window=
    for _ in $(seq 300); do
        window=$(xwininfo -root -tree | awk '/"Marovix 2001/ { print $1; exit }')
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the window did not open on Xvfb: $(cat "$home/window.log")"
    class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')
    [ "$class" = "$wmclass" ] || fail "StartupWMClass=$wmclass but the window's class is '$class'"
    unset DISPLAY
else
    echo "note: Xvfb or x11-utils is not installed, the window's class was not checked"
fi

# The icon, named like the desktop entry, at every size the desktops ask for.
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the icon $id"
for size in 32 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no ${size}x$size icon"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" 2> /dev/null || fail "no scalable icon"

man -l "$prefix/share/man/man6/kestro.6.gz" > /dev/null 2>&1 || [ ! -x /usr/bin/man ] || fail "the manual page does not read"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata $id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream metadata does not launch $id.desktop"
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --pedantic --no-net "$metainfo" > /dev/null ||
        fail "AppStream metadata is not valid: $(appstreamcli validate --pedantic --no-net "$metainfo")"
else
    echo "note: appstreamcli is not installed, the AppStream metadata was not validated"
fi

# Built with Debian's hardening (lintian's tags below say the same for the package).
# Debian 12 builds without control-flow protection, so that is not asked for.
if command -v hardening-check > /dev/null; then
    hardening-check --quiet --nocfprotection "$program" || fail "the program is not hardened"
fi

# The Debian package, as lintian judges it with every check: no tag of level I or above.
if command -v lintian > /dev/null && command -v dpkg-shlibdeps > /dev/null; then
    debs=$(fresh)
    (cd "$build" && cpack -G DEB -B "$debs" > "$debs/cpack.log") || { cat "$debs/cpack.log"; fail "no package"; }
    report=$(lintian -I -E --pedantic "$debs"/kestro_*.deb 2>&1 | grep -E '^(E|W|I):' || true)
    [ -z "$report" ] || fail "lintian: $report"
else
    echo "note: lintian is not installed, the Debian package was not checked"
fi
echo "1 passed, 0 failed"
