#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metadata pass the freedesktop.org
# checkers, name the licence and have release notes for this version.
#   metadata_test.sh <desktop entry> <metainfo file> <version>
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net --explain "$2"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$2" || { echo "FAIL: no licence" >&2; exit 1; }
grep -q "<release version=\"$3\"" "$2" || { echo "FAIL: no release notes for $3" >&2; exit 1; }
! grep -qi "example\.org" "$1" "$2" || { echo "FAIL: a placeholder address" >&2; exit 1; }
