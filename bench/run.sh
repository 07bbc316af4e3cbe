#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and prints the table (a minute or two; needs about
# 2 GB free in the scratch folder, /var/tmp unless given).
#   bench/run.sh [scratch folder] [startup|install|restore|memory|dialog|findgame|preview ...]
# Windows are shown on a real X server (Xvfb) when there is one, as a player's are;
# otherwise on Qt's offscreen platform.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$src/build-bench
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTRO_BENCH=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" -j2 --target kestro_bench bench_floor_window > /dev/null
if command -v Xvfb > /dev/null; then
    display=:$((100 + RANDOM % 100))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp 2> /dev/null &
    xvfb=$!
    trap 'kill $xvfb 2> /dev/null || true' EXIT
    sleep 1
    export DISPLAY=$display QT_QPA_PLATFORM=xcb
else
    export QT_QPA_PLATFORM=offscreen
fi
echo "Qt platform: $QT_QPA_PLATFORM"
scratch=${1:-/var/tmp}
shift || true
"$build/bin/kestro_bench" "$build/bin/bench_floor_window" "$scratch" "$@" 2> /dev/null
