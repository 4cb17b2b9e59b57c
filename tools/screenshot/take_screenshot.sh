#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the game's screenshot from a build: a round of seven-letter words with
# the middle cells fixed and a few more placed by clues, on an offscreen
# 1920 x 1080 screen (no display needed).
#   tools/screenshot/take_screenshot.sh [output.png] [scale] [build folder]
# The default writes docs/screenshot.png at scale 1 from build/. Set
# QT_QPA_PLATFORM (xcb, wayland) to take it on a real screen instead.
set -euo pipefail
cd "$(dirname "$0")/../.."
output=${1:-docs/screenshot.png}
scale=${2:-1}
build=${3:-build}
mkdir -p "$(dirname "$output")"
screen=$(mktemp --suffix=.json)
trap 'rm -f "$screen"' EXIT
echo '{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }' > "$screen"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen:configfile=$screen} QT_SCALE_FACTOR=$scale SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS=detect_leaks=0 "$build/tools/splitwick-screenshot" "$output" "$build/bin" 8 3
