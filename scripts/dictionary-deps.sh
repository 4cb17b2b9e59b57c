#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what tools/import_dictionaries needs to rebuild the shipped
# dictionaries (the game itself uses the built data/kbs/*.dic files).
set -euo pipefail
DICTIONARY_PACKAGES=(python3 wordnet-base wamerican wamerican-large wfrench wngerman wspanish
  dict-freedict-fra-eng dict-freedict-deu-eng dict-freedict-spa-eng
  dict-freedict-eng-fra dict-freedict-eng-deu dict-freedict-eng-spa
  mythes-fr mythes-es openthesaurus-de-text)
missing=()
for p in "${DICTIONARY_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
