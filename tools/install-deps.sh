#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need on Debian 12 (run as root); with --tests,
# also what the whole test run needs.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev   # Qt Widgets, QtTest, the JPEG plugin
    qt6-tools-dev qt6-l10n-tools             # the translations built into the program
    qt6-translations-l10n                    # Qt's own dialogs in the players' languages
    libfontconfig-dev                        # the font warm-up at start-up
    libxxhash-dev                            # the hash that tells our files from the game's
    libarchive-dev                           # the player's channel sets from archives
    libutf8proc-dev                          # letter case compared as Windows compares it
    libgtest-dev                             # tests of the install core
    fonts-liberation2 fonts-dejavu-core      # metric twins of the fonts the window names
)
if [ "${1:-}" = --tests ]; then
    packages+=(
        clang-format                         # the format check
        g++-mingw-w64-x86-64-posix wine64    # the install core built and tested for Windows
        clang-14 libclang-rt-14-dev          # libFuzzer for the path layer
        desktop-file-utils dpkg-dev file     # checking the desktop entry; the .deb's dependencies
        lintian appstream man-db             # judging the .deb, the metadata and the manual page
        xvfb x11-utils                       # the installed window's class, read on a virtual display
    )
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
