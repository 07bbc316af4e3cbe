#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a player gets: the
# executable beside its channel folders, a launcher on the PATH that reaches it, a
# valid desktop entry and the icon.
set -euo pipefail
build=$1
channels=$(cd "$(dirname "$0")/../channels" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null

program=$prefix/lib/kestro
[ -x "$program/kestro" ] || fail "no executable in lib/kestro"
# Every file of every channel folder in the sources, and nothing lost on the way.
(cd "$channels" && find . -type f ! -name CMakeLists.txt) | while read -r f; do
    cmp -s "$channels/$f" "$program/$f" || fail "channel file $f not installed as it is"
done

# The launcher leads to the real executable, so the program folder it reports is the
# one that holds the channel folders.
[ -x "$prefix/bin/kestro" ] || fail "no launcher in bin"
[ "$(readlink -f "$prefix/bin/kestro")" = "$(readlink -f "$program/kestro")" ] || fail "launcher leads elsewhere"
# Relative, so the same holds after the folder is moved (as a package installs it).
moved=$(mktemp -d); trap 'rm -rf "$prefix" "$moved"' EXIT
cp -a "$prefix/." "$moved/"
[ "$(readlink -f "$moved/bin/kestro")" = "$(readlink -f "$moved/lib/kestro/kestro")" ] || fail "launcher is not relative"

# Started through the launcher, the program comes up and stays up.
home=$(mktemp -d); trap 'rm -rf "$prefix" "$moved" "$home"' EXIT
mkdir -p "$home/config"
printf '[GENERAL]\nPATH=%s\n' "$home" > "$home/config/KESTRO.ini"
status=0
(cd / && HOME=$home XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen \
    timeout 3 "$prefix/bin/kestro") || status=$?
[ "$status" -eq 124 ] || fail "the program did not stay up (exit status $status)"

desktop=$prefix/share/applications/kestro.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
grep -qx 'Exec=kestro' "$desktop" || fail "desktop entry does not start the launcher"
[ -f "$prefix/share/icons/hicolor/32x32/apps/kestro.png" ] || fail "no icon in the hicolor theme"
echo "1 passed, 0 failed"
