#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Splitwick needs, when any of them is missing.
# Sourced by the play and test scripts: `splitwick_install play` is what
# building and playing need; `splitwick_install test` adds the tools of the
# test suite, the package checks, the fuzzing and the benchmarks.
set -euo pipefail
SPLITWICK_PLAY_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools
                         qt6-translations-l10n libsdl2-mixer-dev libgcrypt20-dev
                         fonts-liberation2 fonts-dejavu-core fonts-wine)
SPLITWICK_TEST_PACKAGES=(python3 librsvg2-bin desktop-file-utils appstream dpkg-dev lintian
                         libbenchmark-dev clang libfuzzer-14-dev qt6-base-private-dev
                         at-spi2-core python3-pyatspi xvfb dbus lld
                         wamerican-large wfrench wngerman wspanish)

splitwick_install() {
  local wanted=("${SPLITWICK_PLAY_PACKAGES[@]}")
  [ "${1:-play}" = test ] && wanted+=("${SPLITWICK_TEST_PACKAGES[@]}")
  local missing=() p
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
  fi
}
