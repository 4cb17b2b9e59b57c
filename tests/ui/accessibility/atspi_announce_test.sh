#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears on a real accessibility bus: the game plays a
# round to a win and one to a loss (atspi_round_driver) under Xvfb with Qt's
# AT-SPI bridge, while a pyatspi listener writes down every focus and name
# change. The drop, the win and the loss must each be heard as the name of
# the focused board. Installs what it needs; exit 77 (skipped) only when the
# packages cannot be had.
set -u
driver="$1"
packages=(at-spi2-core python3-pyatspi xvfb dbus)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo -n"
  { $SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; } \
    >/dev/null 2>&1 || { echo "SKIP: cannot install ${missing[*]}"; exit 77; }
fi
launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher 2>/dev/null | head -1)
[ -n "$launcher" ] || { echo "SKIP: no at-spi-bus-launcher"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SPLITWICK_ATSPI_LAUNCHER="$launcher" SPLITWICK_ATSPI_WORK="$work" SPLITWICK_DRIVER="$driver"
export SPLITWICK_LISTENER="$(dirname "$0")/atspi_listener.py"

dbus-run-session -- bash -c '
  Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  "$SPLITWICK_ATSPI_LAUNCHER" --launch-immediately >/dev/null 2>&1 & bus=$!
  sleep 1
  /usr/bin/python3 "$SPLITWICK_LISTENER" "$SPLITWICK_ATSPI_WORK/heard.txt" 120 & listener=$!
  for i in $(seq 50); do grep -q listening "$SPLITWICK_ATSPI_WORK/heard.txt" 2>/dev/null && break; sleep 0.2; done
  sleep 1
  DISPLAY=:77 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy \
    ASAN_OPTIONS=detect_leaks=0 "$SPLITWICK_DRIVER" > "$SPLITWICK_ATSPI_WORK/driver.txt" 2>&1
  echo $? > "$SPLITWICK_ATSPI_WORK/driver.rc"
  sleep 2
  kill $listener $bus $xvfb 2>/dev/null
  wait 2>/dev/null
'
if [ "$(cat "$work/driver.rc" 2>/dev/null)" != 0 ]; then
  echo "FAIL: the driver did not finish its rounds"; cat "$work/driver.txt"; exit 1
fi
heard="$work/heard.txt"
status=0
check() {
  if grep -P "^object:(property-change:accessible-name|state-changed:focused)\t[^\t]*\t$1" "$heard" >/dev/null; then
    echo "PASS: heard $2"
  else
    echo "FAIL: $2 not heard"; status=1
  fi
}
check '(Correct|\d cells correct)\. Rating \d+\.' "a right drop with the new rating"
check 'Wrong place\. Rating \d+\.' "a wrong drop with the new rating"
check '.*Rating \d+\. (Success|Complete|Done|Finished) !' "the win"
check 'Rating 0\. Sorry, please try again\. Every word is shown\.' "the loss"
[ $status = 0 ] || { echo "--- heard:"; cat "$heard"; }
exit $status
