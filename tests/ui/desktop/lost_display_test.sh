#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game loses its display: its X server goes while the window is up, as
# when a session ends or the window system kills the window. The game must
# end at once, having saved what a close saves (its options, into the
# settings file beside it). Installs what it needs; exit 77 (skipped) only
# when the packages cannot be had.
#   lost_display_test.sh <the build's program folder>
set -u
bin=$1
# A build of the tests alone (the thread checker's) has no game to lose its display.
[ -x "$bin/splitwick" ] || { echo "SKIP: no game in $bin"; exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../accessibility/bus_session.sh
source "$here/../accessibility/bus_session.sh"
need_packages xvfb x11-utils || exit 77

work=$(mktemp -d)
trap 'kill $xvfb $game 2>/dev/null; rm -rf "$work"' EXIT
# A program folder of its own, where the game keeps its settings.
mkdir "$work/game"
ln "$bin/splitwick" "$work/game/" 2>/dev/null || cp "$bin/splitwick" "$work/game/"
for data in kbs sound music xq modules starting-settings.ini; do ln -s "$bin/$data" "$work/game/$data"; done
# Days since 30 December 1899: no news question at the start.
printf '[Options]\r\nlnd=%s\r\n' $(( $(date +%s) / 86400 + 25569 )) >"$work/game/ZRV_XQ.INI"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null & xvfb=$!
for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS=detect_leaks=0 "$work/game/splitwick" >"$work/game.txt" 2>&1 & game=$!
# Its windows are up: the splash, then the main window.
for i in $(seq 600); do
  xwininfo -root -tree 2>/dev/null | grep -q '("splitwick" "Splitwick")' && break
  sleep 0.1
done
kill $xvfb
for i in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
status=0
if kill -0 $game 2>/dev/null; then
  echo "FAIL: the game runs on 5 s after its display went"
  status=1
else
  echo "PASS: the game ended with its display"
fi
if grep -q '^Presets=' "$work/game/ZRV_XQ.INI"; then
  echo "PASS: its options were saved"
else
  echo "FAIL: its options were not saved"
  status=1
fi
[ $status = 0 ] || cat "$work/game.txt" "$work/game/ZRV_XQ.INI"
exit $status
