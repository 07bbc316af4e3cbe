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
cmake --build "$build" -j2 --target resolve_fuzzer archive_fuzzer > /dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0 failed=0
# Each target with its seed corpus; the archive reader's limits need room in memory.
for run in "resolve_fuzzer corpus 1024" "archive_fuzzer corpus-archive 2048"; do
    read -r target seeds rss <<< "$run"
    mkdir -p "$scratch/$target"
    status=0
    "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb="$rss" \
        -print_final_stats=1 "$scratch/$target" "$src/fuzz/$seeds" > "$scratch/$target.log" 2>&1 ||
        status=$?
    echo "$target:"
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$scratch/$target.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$scratch/$target.log"
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done
echo "fuzzing: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
