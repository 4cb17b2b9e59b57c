#!/usr/bin/env bash
# Takes the game's screenshot from a build: a round of seven-letter words with
# a few cells placed by clues, no display needed.
#   tools/screenshot/take_screenshot.sh [output.png] [scale] [build folder]
# The default writes docs/screenshot.png at scale 1 from build/.
set -euo pipefail
cd "$(dirname "$0")/../.."
output=${1:-docs/screenshot.png}
scale=${2:-1}
build=${3:-build}
mkdir -p "$(dirname "$output")"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QT_SCALE_FACTOR=$scale SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS=detect_leaks=0 "$build/tools/splitwick-screenshot" "$output" "$build/bin"
