#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks its control fields, unpacks it into a
# scratch root and starts the game from there; lintian when it is installed.
# The package is built as a packager builds it: optimised, with Debian's
# hardening flags. A test build (sanitizers, no optimisation) gets an
# optimised copy beside it, in <build folder>/hardened-package.
#   package_test.sh <build folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/installed_game.sh"
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT

cached() { sed -n "s/^$1:[A-Z]*=//p" "$2/CMakeCache.txt"; }
if [ "$(cached SPLITWICK_HARDENED "$build")" != ON ]; then
  source_dir=$(cached CMAKE_HOME_DIRECTORY "$build")
  hardened=$build/hardened-package
  # Built as the README says: no address of the project's, nor the packager's.
  unset DEBFULLNAME DEBEMAIL
  cmake -S "$source_dir" -B "$hardened" -DCMAKE_BUILD_TYPE=Release -DSPLITWICK_BENCHMARKS=OFF \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
      -DCMAKE_CXX_COMPILER_LAUNCHER="$(cached CMAKE_CXX_COMPILER_LAUNCHER "$build")" >/dev/null
  [ "$(cached SPLITWICK_HARDENED "$hardened")" = ON ] || fail "no hardening flags (is dpkg-dev installed?)"
  nice -n 10 cmake --build "$hardened" -j2 --target splitwick_installed_files measure-program >/dev/null
  build=$hardened
fi

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/splitwick_*.deb)
echo "built $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 qt6-qpa-plugins \
              fonts-liberation2 fonts-dejavu-core fonts-wine; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "the package does not depend on $needed"
done
[[ ", $(dpkg-deb -f "$deb" Recommends)," == *", qt6-wayland,"* ]] || fail "the package does not recommend qt6-wayland"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"

root=$scratch/root
dpkg -x "$deb" "$root"
[ -f "$root/usr/share/applications/org.example.splitwick.Splitwick.desktop" ] || fail "no desktop entry"
metainfo=$root/usr/share/metainfo/org.example.splitwick.Splitwick.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "no licence in the AppStream metadata"
[ -f "$root/usr/share/doc/splitwick/screenshot.png" ] || fail "no screenshot in the package"
# Every file belongs to root and nobody else can write it.
dpkg-deb -c "$deb" | awk '$2 != "root/root" || $1 ~ /^-....w|^-.......w|^d....w|^d.......w/ { print; bad = 1 } END { exit bad }' \
  || fail "files with a wrong owner or mode"

if command -v lintian >/dev/null; then
  # Tags that only say this is a test build, not a release uploaded to Debian, are expected.
  report=$(lintian --display-info --suppress-tags unstripped-binary-or-object,initial-upload-closes-no-bugs "$deb" || true)
  echo "$report"
  ! grep -E '^(E|W): |: hardening-' <<<"$report" >/dev/null || fail "lintian: errors, warnings or missing hardening"
else
  echo "lintian not installed: skipped"
fi

check_installed_game "$root/usr/games/splitwick" "$scratch" "$build"
