#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program under Debian's weston with its headless back end, on
# Qt's Wayland platform. Installs weston and qt6-wayland when they are
# missing; exits 77 (skipped) only when they cannot be installed.
#   under_weston.sh <program> [arguments]
set -euo pipefail
missing=()
for p in weston qt6-wayland; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo -n"
  { $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"; } >&2 \
    || { echo "SKIP: cannot install ${missing[*]}"; exit 77; }
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-splitwick-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log"; echo "FAIL: weston did not start"; exit 1; }

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
