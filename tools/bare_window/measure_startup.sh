#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of the game against a bare Qt window, side by side.
# Usage: tools/bare_window/measure_startup.sh [build folder, default build]
# Build first (Release): cmake -S . -B build -DCMAKE_BUILD_TYPE=Release &&
#   cmake --build build --target measure-program bare-window splitwick_data
# The game is measured through measure-program: the same libraries and the
# same program set-up, unattended, without the splash. Times are from process
# start until the window's first paint is done (wall, and the CPU time that
# hyperfine reports as user and system); memory is the peak resident size,
# for the game also after dealing a 45-word "25 letters" round.
# Needs hyperfine (Debian's package, installed here when missing).
set -euo pipefail
if ! command -v hyperfine >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo -n"
  { $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y hyperfine; } >&2 \
    || echo "hyperfine could not be installed: medians of 40 runs instead" >&2
fi
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/bin/." "$work/"
cp "$build/tools/bare-window" "$build/tools/measure-program" "$work/"
rm -f "$work/ZRV_XQ.INI"
cd "$work"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
./measure-program >/dev/null 2>&1 # writes the settings file once

median_ms() { # command: median wall time of 40 runs, in ms
    for _ in $(seq 40); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000))
    done | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}
if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 5 --runs 60 ./bare-window ./measure-program
else
    echo "bare window: $(median_ms ./bare-window) ms (median)"
    echo "game:        $(median_ms ./measure-program) ms (median)"
fi
peak_kb() { /usr/bin/time -f "%M" "$@" 2>&1 >/dev/null | tail -1; }
echo "peak memory, bare window:        $(peak_kb ./bare-window) KB"
echo "peak memory, game shown:         $(peak_kb ./measure-program) KB"
echo "peak memory, game after a round: $(peak_kb ./measure-program 45) KB"
