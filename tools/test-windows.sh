#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the install core, the game search and their tests for 64-bit Windows with
# MinGW-w64 and runs them under Wine. As root, it runs them as an unprivileged user with
# a Wine prefix of its own: Wine running as root ignores the read-only attribute.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
wine=/usr/lib/wine
work=$(mktemp -d /tmp/kestro-windows.XXXXXX)
trap 'rm -rf "$work"' EXIT
[ -n "${KEEP:-}" ] && trap - EXIT
# A copy of its own, since the checkout may lie where that user cannot read.
mkdir -p "$work/src" "$work/home"
cp -r "$src"/CMakeLists.txt "$src"/cmake "$src"/files "$src"/install "$src"/playersets "$src"/findgame "$src"/channels "$src"/tests "$work/src/"

run() {
    cd "$work"
    # Every file operation is slow under Wine: fewer random sequences there.
    export KESTRO_MODEL_SEQUENCES=100 LANG=C.UTF-8 HOME="$work/home" WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    cmake -S src -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKESTRO_BUILD_GUI=OFF \
        -DCMAKE_BUILD_TYPE=Release > build.log || { cat build.log; return 1; }
    cmake --build build -j2 >> build.log 2>&1 || { cat build.log; return 1; }
    # wineboot reports a failure for the 32-bit helpers a 64-bit-only Wine lacks; what
    # counts is that the prefix is there.
    "$wine/wine64" wineboot --init > wineboot.log 2>&1 || true
    "$wine/wineserver" -w
    [ -f "$WINEPREFIX/system.reg" ] || { cat wineboot.log; return 1; }
    # A lasting server with its helper processes started now, away from CTest's output,
    # which they would otherwise hold open so that CTest never ends; stopped below.
    "$wine/wineserver" -p
    # Files, not /dev/null: some machines let only root use it.
    : > nothing
    "$wine/wine64" wineboot > wineboot-again.log 2>&1 < nothing || true
    local status=0
    ctest --test-dir build --output-on-failure || status=$?
    "$wine/wineserver" -k || true
    return $status
}

if [ "$(id -u)" = 0 ]; then
    user=kestro-wine
    id "$user" > /dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    chown -R "$user" "$work"
    runuser -u "$user" -- env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 work="$work" wine="$wine" \
        bash -c "$(declare -f run); set -euo pipefail; run"
else
    run
fi
