#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file of the project is formatted as .clang-format says; prints
# the places that differ and fails if there are any. `clang-format -i FILE` mends them.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "format: $(echo "$files" | wc -w) files as .clang-format says"
