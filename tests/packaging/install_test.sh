#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a scratch prefix gives a game that runs from there.
#   install_test.sh <build folder>
set -euo pipefail
here=$(dirname "$0")
source "$here/installed_game.sh"
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT

prefix=$scratch/prefix
cmake --install "$1" --prefix "$prefix" >/dev/null
for file in games/splitwick games/splitwick-kb share/man/man6/splitwick.6.gz \
            share/applications/org.example.splitwick.Splitwick.desktop \
            share/metainfo/org.example.splitwick.Splitwick.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.example.splitwick.Splitwick.svg \
            share/icons/hicolor/16x16/apps/org.example.splitwick.Splitwick.png \
            share/icons/hicolor/256x256/apps/org.example.splitwick.Splitwick.png \
            share/splitwick/xq/xq.htm share/doc/splitwick/copyright; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
# The links are relative: the prefix can move.
mv "$prefix" "$scratch/moved"
check_installed_game "$scratch/moved/games/splitwick" "$scratch" "$1"
