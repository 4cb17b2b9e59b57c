#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass the freedesktop.org checkers.
#   metadata_test.sh <desktop entry> <metainfo file>
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net --explain "$2"
