#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time
# (seconds, default 60) from the seed corpus in fuzz/corpus. New inputs go to a
# scratch folder; a crash leaves its input in the current folder and fails the run.
set -euo pipefail
seconds=${1:-60}
src=$(cd "$(dirname "$0")/.." && pwd)
build=$src/build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S "$src" -B "$build" -DKESTRO_FUZZ=ON -DKESTRO_BUILD_GUI=OFF \
    -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target resolve_fuzzer > /dev/null
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
status=0
"$build/bin/resolve_fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
    -print_final_stats=1 "$corpus" "$src/fuzz/corpus" > "$corpus/log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$corpus/log" || true
if [ "$status" -ne 0 ]; then
    tail -n 40 "$corpus/log"
    echo "fuzzing: 0 passed, 1 failed"
    exit 1
fi
echo "fuzzing: 1 passed, 0 failed"
