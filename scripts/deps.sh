#!/usr/bin/env bash
# Installs the Debian packages that building and testing Splitwick needs, when
# any of them is missing. Sourced by the play and test scripts.
set -euo pipefail
SPLITWICK_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libsdl2-mixer-dev libbenchmark-dev clang libfuzzer-14-dev fonts-liberation2 fonts-dejavu-core fonts-wine librsvg2-bin desktop-file-utils appstream dpkg-dev lintian)
missing=()
for p in "${SPLITWICK_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
