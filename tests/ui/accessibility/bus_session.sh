# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the accessibility bus tests: installs their packages, and runs
# a script inside a desktop session of its own (a private D-Bus session, an
# Xvfb display on a free number, the accessibility bus), which ends with it.

# Installs the Debian packages that are missing; false when they cannot be had.
need_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo -n"
  if ! { $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
           "${missing[@]}"; } >/dev/null 2>&1; then
    echo "SKIP: cannot install ${missing[*]}"
    return 1
  fi
}

# in_bus_session WORK SCRIPT: runs SCRIPT with bash, WORK and DISPLAY set,
# once the accessibility bus answers; the session's own messages go to WORK/session.txt.
in_bus_session() {
  local launcher
  launcher=$(ls /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher 2>/dev/null | head -1)
  [ -n "$launcher" ] || { echo "SKIP: no at-spi-bus-launcher"; exit 77; }
  WORK="$1" LAUNCHER="$launcher" SCRIPT="$2" dbus-run-session -- bash -c '
    # A runtime folder of its own: the accessibility bus puts its socket there.
    export WORK XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null & xvfb=$!
    for i in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$WORK/display")"
    "$LAUNCHER" --launch-immediately 2>/dev/null & bus=$!
    for i in $(seq 100); do
      dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
      sleep 0.1
    done
    bash -c "$SCRIPT"
    kill $bus $xvfb 2>/dev/null
    wait 2>/dev/null
  ' >"$1/session.txt" 2>&1
}
