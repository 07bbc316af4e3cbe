#!/usr/bin/env bash
# Builds the benchmarks in Release and prints the table (about two minutes; needs
# about 2 GB free in the scratch folder, /var/tmp unless given).
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$src/build-bench
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTRO_BENCH=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" -j2 --target kestro_bench bench_floor_window > /dev/null
"$build/bin/kestro_bench" "$build/bin/bench_floor_window" "${1:-/var/tmp}"
