#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca says: the screen reader runs beside the game (atspi_round_driver,
# at a player's pace) on the accessibility bus, without a speech synthesizer,
# and its debug log's "SPEECH OUTPUT" lines are what it would have spoken.
# A drop's result, the win and the loss must be among them. Installs what it
# needs; exit 77 (skipped) only when the packages cannot be had.
set -u
driver="$1"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bus_session.sh
source "$here/bus_session.sh"
need_packages at-spi2-core python3-pyatspi xvfb dbus orca || exit 77

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SPLITWICK_DRIVER="$driver"
# Orca will not start while another Orca of this user runs, in any session:
# the last run's may still be ending (a test run just before, by hand).
for i in $(seq 100); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.1; done
in_bus_session "$work" '
  orca --user-prefs "$WORK/orca-prefs" --debug-file "$WORK/orca.log" >"$WORK/orca.txt" 2>&1 & orca=$!
  # Orca is listening once the registry lists its focus listener.
  bus=$(dbus-send --session --dest=org.a11y.Bus --print-reply=literal /org/a11y/bus org.a11y.Bus.GetAddress | tr -d " ")
  for i in $(seq 150); do
    dbus-send --bus="$bus" --dest=org.a11y.atspi.Registry --print-reply /org/a11y/atspi/registry \
      org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null | grep -qi "statechanged:focused" && break
    sleep 0.1
  done
  SPLITWICK_KEY_PAUSE_MS=300 SPLITWICK_DROP_PAUSE_MS=1500 \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
    "$SPLITWICK_DRIVER" >"$WORK/driver.txt" 2>&1
  echo $? >"$WORK/driver.rc"
  sleep 2
  # Orca writes out its log as it shuts down, which may then hang.
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
