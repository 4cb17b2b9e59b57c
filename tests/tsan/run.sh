#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the audio and window tests with ThreadSanitizer in build-tsan/ and runs
# them; any race report fails the run. Usage: tests/tsan/run.sh [ctest args...]
# TSAN_LABELS picks other test labels, separated by | (default: audio|window).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build-tsan
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# lld, when there, links the large test programs in a third of the time.
linker="-fsanitize=thread"
command -v ld.lld >/dev/null && linker+=" -fuse-ld=lld"
# Line tables (-g1) are all a race report needs to name file and line.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSPLITWICK_BENCHMARKS=OFF "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -O1 -fno-omit-frame-pointer" -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DCMAKE_EXE_LINKER_FLAGS="$linker" -DCMAKE_SHARED_LINKER_FLAGS="$linker" >/dev/null

# Only what the run needs: the tests labelled audio and window (each label's
# target tests_<label>, which brings the audio module with the audio tests).
labels="${TSAN_LABELS:-audio|window}"
IFS='|' read -ra wanted <<<"$labels"
cmake --build "$build" -j"$(nproc)" --target "${wanted[@]/#/tests_}" >/dev/null

# Qt's own threads (its thread pools, the file-info gatherer, the Wayland event
# thread) hand memory over through futexes that the checker cannot see in the
# uninstrumented Qt libraries; ignore_noninstrumented_modules leaves out the
# accesses those libraries make themselves (malloc, free, memmove called from
# Qt), while every access of this project's code is still checked. The game starts
# xdg-mime and xdg-open as child processes, which exec at once: die_after_fork=0.
export TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 exitcode=66 second_deadlock_stack=1 ignore_noninstrumented_modules=1 suppressions=$PWD/tests/tsan/suppressions.txt"
# The screen-reader tests run the game under a real accessibility bus and Orca,
# at a player's pace; they stay in the sanitizer run of the whole suite.
cd "$build" && ctest --output-on-failure -j"$(nproc)" -L "$labels" -LE screenreader "$@"
