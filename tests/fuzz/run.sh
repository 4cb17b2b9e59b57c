#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS (default 30)
# on a copy of its seed corpus. Usage: tests/fuzz/run.sh [seconds] [target...]
# Finds are written to build-fuzz/finds/<target>/; the script fails on any.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-${FUZZ_SECONDS:-30}}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(kbase_fuzz settings_fuzz wave_fuzz picture_fuzz mixer_fuzz)

probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }'
if ! command -v clang++ >/dev/null || ! clang++ -fsanitize=fuzzer -x c++ - -o /dev/null <<<"$probe" 2>/dev/null; then
  echo "fuzz: clang with libFuzzer not installed (clang libfuzzer-14-dev); skipped"
  exit 0
fi

build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSPLITWICK_FUZZ=ON -DSPLITWICK_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzz_targets -j2 >/dev/null

export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's SDL libraries are theirs (see the file).
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/leaks_outside.supp"
fuzz() {
  local t=$1 corpus="$build/corpus/$1" finds="$build/finds/$1"
  mkdir -p "$corpus" "$finds"
  local seeds="tests/fuzz/corpus/${t%_fuzz}"
  local rc=0
  "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$finds/" -print_final_stats=1 "$corpus" "$seeds" >"$build/$t.log" 2>&1 || rc=$?
  echo "$rc" >"$build/$t.status"
}
rm -f "$build"/*.status
# One target per core at a time: each fuzzer runs on a single thread.
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz "$t" &
done
wait
status=0
for t in "${targets[@]}"; do
  log="$build/$t.log"
  if [ "$(cat "$build/$t.status" 2>/dev/null)" != 0 ]; then
    echo "fuzz: $t FAILED, see $log and $build/finds/$t"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "fuzz: $t $runs executions in ${seconds}s"
done
exit $status
