#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca says: the screen reader runs beside the game (atspi_round_driver,
# which waits for each line to be said) on the accessibility bus, without a
# speech synthesizer, and its debug log's "SPEECH OUTPUT" lines are what it
# would have spoken. A drop's result, the win and the loss must be among them:
# one check a line below, and a heard() step in the driver for each. Installs
# what it needs; exit 77 (skipped) only when the packages cannot be had.
set -u
driver="$1"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bus_session.sh
source "$here/bus_session.sh"
need_packages at-spi2-core python3-pyatspi xvfb dbus orca || exit 77

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SPLITWICK_DRIVER="$driver" SPLITWICK_ORCA="$here/orca_launcher.py"
in_bus_session "$work" '
  "$SPLITWICK_ORCA" --user-prefs "$WORK/orca-prefs" --debug-file "$WORK/orca.log" >"$WORK/orca.txt" 2>&1 & orca=$!
  # Ready once it has started listening; however long a busy machine makes that.
  until grep -q "ORCA: Startup complete" "$WORK/orca.log" 2>/dev/null; do
    kill -0 $orca 2>/dev/null || { echo "Orca ended before it was ready:"; cat "$WORK/orca.txt"; exit 1; }
    sleep 0.1
  done
  # The driver waits for Orca to deal with each key and to say each line.
  SPLITWICK_HEARD_FILE="$WORK/orca.log" SPLITWICK_HEARD_AFTER="SPEECH OUTPUT: '\''" \
    SPLITWICK_READER_TAKES="EVENT MANAGER: Queueing " SPLITWICK_READER_IDLE="ORCA TEST: idle" \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
    "$SPLITWICK_DRIVER" >"$WORK/driver.txt" 2>&1
  echo $? >"$WORK/driver.rc"
  # Its log is written line by line: nothing said is lost when it is stopped.
  kill $orca
  for i in $(seq 50); do kill -0 $orca 2>/dev/null || break; sleep 0.1; done
  kill -9 $orca 2>/dev/null
  wait $orca 2>/dev/null
'
driver_finished "$work" || exit 1
said="$work/said.txt"
grep -o "SPEECH OUTPUT: '.*'" "$work/orca.log" >"$said"
status=0
check() { expect_line "$said" "^SPEECH OUTPUT: '$1" "Orca said $2"; }
check 'Definition: definition of [A-Z]+' "a cell's definition asked for by key"
check 'Dropping \S+ on \S+\. Wrong place\. Rating \d+\. panel' "a wrong drop with the new rating"
check 'Dropping \S+ on \S+\. (Correct|\d cells correct)\. .*Rating \d+\. panel' "a right drop with the new rating"
check 'Dropping \S+ on \S+\. .*Rating \d+\. (Success|Complete|Done|Finished) ! panel' "the win"
check 'Dropping \S+ on \S+\. Wrong place\. Rating 0\. Sorry, please try again\. Every word is shown\. panel' "the loss"
[ $status = 0 ] || { echo "--- said:"; cat "$said" "$work/session.txt"; }
exit $status
