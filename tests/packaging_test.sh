#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
[ -x "$prefix/games/kestro" ] || fail "no launcher in games"
[ "$(readlink -f "$prefix/games/kestro")" = "$(readlink -f "$program/kestro")" ] || fail "launcher leads elsewhere"
# Relative, so the same holds after the folder is moved (as a package installs it).
moved=$(mktemp -d); trap 'rm -rf "$prefix" "$moved"' EXIT
cp -a "$prefix/." "$moved/"
[ "$(readlink -f "$moved/games/kestro")" = "$(readlink -f "$moved/lib/kestro/kestro")" ] || fail "launcher is not relative"

# Started through the launcher, the program comes up and stays up.
home=$(mktemp -d); trap 'rm -rf "$prefix" "$moved" "$home"' EXIT
mkdir -p "$home/config"
printf '[GENERAL]\nPATH=%s\n' "$home" > "$home/config/KESTRO.ini"
status=0
(cd / && HOME=$home XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen \
    timeout 3 "$prefix/games/kestro") || status=$?
[ "$status" -eq 124 ] || fail "the program did not stay up (exit status $status)"

desktop=$prefix/share/applications/example.kestro.Kestro.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
grep -qx 'Exec=kestro' "$desktop" || fail "desktop entry does not start the launcher"
[ -f "$prefix/share/icons/hicolor/32x32/apps/kestro.png" ] || fail "no icon in the hicolor theme"
man -l "$prefix/share/man/man6/kestro.6.gz" > /dev/null 2>&1 || [ ! -x /usr/bin/man ] || fail "the manual page does not read"
metainfo=$prefix/share/metainfo/example.kestro.Kestro.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata"
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$metainfo" > /dev/null || fail "AppStream metadata is not valid"
else
    echo "note: appstreamcli is not installed, the AppStream metadata was not validated"
fi

# The Debian package, as lintian judges it: no error, no warning.
if command -v lintian > /dev/null && command -v dpkg-shlibdeps > /dev/null; then
    debs=$(mktemp -d); trap 'rm -rf "$prefix" "$moved" "$home" "$debs"' EXIT
    (cd "$build" && cpack -G DEB -B "$debs" > "$debs/cpack.log") || { cat "$debs/cpack.log"; fail "no package"; }
    report=$(lintian --suppress-tags running-with-root-privileges "$debs"/kestro_*.deb 2>&1 | grep -E '^(E|W):' || true)
    [ -z "$report" ] || fail "lintian: $report"
else
    echo "note: lintian is not installed, the Debian package was not checked"
fi
echo "1 passed, 0 failed"
