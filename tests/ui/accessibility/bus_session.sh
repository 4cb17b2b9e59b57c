# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the accessibility bus tests: installs their packages, runs
# a script inside a desktop session of its own (a private D-Bus session, an
# Xvfb display on a free number, the accessibility bus), which ends with it,
# and checks what the driver and the reader left behind.

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

# in_bus_session WORK SCRIPT: runs SCRIPT with bash in a session of its own,
# with WORK and DISPLAY set, once the accessibility bus (which D-Bus starts on
# the first asking) answers. The session's messages go to WORK/session.txt.
in_bus_session() {
  local work="$1" xvfb status i
  # The session's programs, the bus started for it too, keep their sockets in
  # a runtime folder of its own, so that sessions side by side never meet.
  mkdir -m 700 "$work/runtime"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null & xvfb=$!
  for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  WORK="$work" SCRIPT="$2" DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime" \
    dbus-run-session -- bash -c '
      for i in $(seq 100); do
        dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
          >/dev/null 2>&1 && break
        sleep 0.1
      done
      [ $i -lt 100 ] || { echo "no accessibility bus"; exit 1; }
      bash -c "$SCRIPT"
    ' >"$work/session.txt" 2>&1
  status=$?
  kill $xvfb
  wait $xvfb 2>/dev/null
  return $status
}

# driver_finished WORK: false, with the driver's output, unless it played all its rounds.
driver_finished() {
  [ "$(cat "$1/driver.rc" 2>/dev/null)" = 0 ] && return 0
  echo "FAIL: the driver did not finish its rounds"
  cat "$1/driver.txt" "$1/session.txt" 2>/dev/null
  return 1
}

# expect_line LOG PATTERN WHAT: a PASS or FAIL line for WHAT, whether a line
# of LOG matches the Perl PATTERN; a miss sets status=1.
expect_line() {
  if grep -P "$2" "$1" >/dev/null; then
    echo "PASS: $3"
  else
    echo "FAIL: $3 missing"
    status=1
  fi
}
