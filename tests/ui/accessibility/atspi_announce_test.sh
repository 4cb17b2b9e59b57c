#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears on a real accessibility bus: the game plays a
# round to a win and one to a loss (atspi_round_driver) under Xvfb with Qt's
# AT-SPI bridge, while a pyatspi listener writes down every focus and name
# change. The drops, the win and the loss must each be heard as the name of
# the focused board, a panel. Installs what it needs; exit 77 (skipped) only
# when the packages cannot be had.
set -u
driver="$1"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bus_session.sh
source "$here/bus_session.sh"
need_packages at-spi2-core python3-pyatspi xvfb dbus || exit 77

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SPLITWICK_DRIVER="$driver" SPLITWICK_LISTENER="$here/atspi_listener.py"
in_bus_session "$work" '
  /usr/bin/python3 "$SPLITWICK_LISTENER" "$WORK/heard.txt" 60 & listener=$!
  for i in $(seq 100); do grep -q listening "$WORK/heard.txt" 2>/dev/null && break; sleep 0.1; done
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
    "$SPLITWICK_DRIVER" > "$WORK/driver.txt" 2>&1
  echo $? > "$WORK/driver.rc"
  sleep 1
  kill $listener
'
driver_finished "$work" || exit 1
heard="$work/heard.txt"
status=0
check() { expect_line "$heard" "^object:(property-change:accessible-name|state-changed:focused)\tpanel\t(Dropping \S+ on \S+\. )?$1" "heard $2"; }
check 'Definition: definition of [A-Z]+' "a cell's definition asked for by key"
check '(Correct|\d cells correct)\. Rating \d+\.' "a right drop with the new rating"
check 'Wrong place\. Rating \d+\.' "a wrong drop with the new rating"
check '.*Rating \d+\. (Success|Complete|Done|Finished) !' "the win"
check 'Wrong place\. Rating 0\. Sorry, please try again\. Every word is shown\.' "the losing drop and the loss"
[ $status = 0 ] || { echo "--- heard:"; cat "$heard" "$work/session.txt"; }
exit $status
