#!/usr/bin/env bash
# Builds the Debian package, checks its control fields, unpacks it into a
# scratch root and starts the game from there; lintian when it is installed.
#   package_test.sh <build folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/installed_game.sh"
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/splitwick_*.deb)
echo "built $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 qt6-qpa-plugins \
              fonts-liberation2 fonts-dejavu-core fonts-wine; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "the package does not depend on $needed"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"

root=$scratch/root
dpkg -x "$deb" "$root"
[ -f "$root/usr/share/applications/org.example.splitwick.Splitwick.desktop" ] || fail "no desktop entry"
[ -f "$root/usr/share/metainfo/org.example.splitwick.Splitwick.metainfo.xml" ] || fail "no metainfo"
# Every file belongs to root and nobody else can write it.
dpkg-deb -c "$deb" | awk '$2 != "root/root" || $1 ~ /^-....w|^-.......w|^d....w|^d.......w/ { print; bad = 1 } END { exit bad }' \
  || fail "files with a wrong owner or mode"

if command -v lintian >/dev/null; then
  # Tags that only say this is a test build, not a release uploaded to Debian, are expected.
  lintian --fail-on error,warning --suppress-tags unstripped-binary-or-object,hardening-no-fortify-functions,initial-upload-closes-no-bugs "$deb"
else
  echo "lintian not installed: skipped"
fi

check_installed_game "$root/usr/games/splitwick" "$scratch" "$build"
