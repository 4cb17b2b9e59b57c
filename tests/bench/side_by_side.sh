#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Release benchmarks and prints every speed and memory ratio side
# by side, each measured in one run with its two sides alternated run by run.
# Usage: tests/bench/side_by_side.sh [build folder, default build-bench] [runs, default 15]
# Needs libbenchmark-dev and python3. Rows with a ratio above their goal are
# marked "over", by the CPU ratio where the row has one (the machine may be busy).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:-$source_dir/build-bench}")
runs=${2:-15}
alternate="python3 $source_dir/tests/bench/alternate.py"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSPLITWICK_BENCHMARKS=ON \
      -DSPLITWICK_SANITIZE=OFF "${launcher[@]}" >/dev/null
targets=(splitwick_data splitwick-audio measure-program close-program kbase_load_bench window_bench bare-window)
# Targets of further rows go here.
nice -n 10 cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

printf '%-58s %10s %10s %7s %7s  %s\n' "" "measured" "against" "ratio" "goal" "CPU ratio (CPU ms)"
row() { # name a_ms b_ms goal [a_cpu b_cpu]
    local ratio cpu=""
    ratio=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.2f", a / b }')
    [[ $# -ge 6 ]] && cpu=$(awk -v a="$5" -v b="$6" 'BEGIN { if (b > 0 && a == a) printf "%.2fx", a / b }')
    local cpuTimes=""
    [[ -n $cpu ]] && cpuTimes=$(awk -v a="$5" -v b="$6" 'BEGIN { printf " (%.2f / %.2f ms)", a, b }')
    local mark="" judged=$ratio
    [[ -n $cpu ]] && judged=${cpu%x}
    awk -v r="$judged" -v g="$4" 'BEGIN { exit !(r > g) }' && mark=" over"
    printf '%-58s %8.2fms %8.2fms %6sx %6sx  %s%s%s\n' "$1" "$2" "$3" "$ratio" "$4" "$cpu" "$cpuTimes" "$mark"
}

# --- The settings file: a start and a close with 50 MB against a small file.
for side in small large; do
    mkdir -p "$work/$side"
    cp -r "$build/bin/." "$work/$side/"
    cp "$build/tools/measure-program" "$build/tools/close-program" "$work/$side/"
    rm -f "$work/$side/ZRV_XQ.INI"
done
# A start writes the settings file, a close adds every option as a close
# writes it: a close with these settings has nothing to change.
(cd "$work/small" && ./measure-program >/dev/null 2>&1 && ./close-program >/dev/null 2>&1)
python3 - "$work/small/ZRV_XQ.INI" "$work" <<'PY'
import re, sys
small = open(sys.argv[1], 'rb').read()
# A close saves the options: as they were read, or with one to write back
# (an unknown dictionary, replaced by the first one at start-up).
changed = re.sub(rb'(?m)^Dictionary=[^\r\n]*', b'Dictionary=None of these', small)
if changed == small:
    changed = small.replace(b'[Options]\r\n', b'[Options]\r\nDictionary=None of these\r\n', 1)
head, _, rest = small.partition(b'\n')
padding = b'\r\n' * ((50 << 20) // 2)  # blank lines inside the first section
for name, data in (('small', small), ('small-changed', changed)):
    open('%s/%s.ini' % (sys.argv[2], name), 'wb').write(data)
    head, _, rest = data.partition(b'\n')
    open('%s/%s.ini' % (sys.argv[2], name.replace('small', 'large')), 'wb').write(head + b'\n' + padding + rest)
PY
touch -d '1 hour ago' "$work"/*.ini
for side in small large; do cp -p "$work/$side.ini" "$work/$side/ZRV_XQ.INI"; done
read -r aw ac bw bc < <($alternate "$runs" "cd $work/large && ./measure-program" "cd $work/small && ./measure-program")
row "start, 50 MB settings file / a small one" "$aw" "$bw" 2 "$ac" "$bc"
reset() { echo "cp -p $work/$1.ini $work/$2/ZRV_XQ.INI"; }
read -r aw ac bw bc < <($alternate "$runs" "cd $work/large && ./close-program" "cd $work/small && ./close-program" \
    --reported --prepare "$(reset large large)" "$(reset small small)")
row "close, 50 MB settings file / a small one" "$aw" "$bw" 2 "$ac" "$bc"
read -r aw ac bw bc < <($alternate "$runs" "cd $work/large && ./close-program" "cd $work/small && ./close-program" \
    --reported --prepare "$(reset large-changed large)" "$(reset small-changed small)")
row "close rewriting it (50 MB written and synced) / a small one" "$aw" "$bw" 2 "$ac" "$bc"
# For scale, no goal: the least any rewrite of those 50 MB costs here, a copy
# made by the kernel (cp), synced and renamed into place.
read -r aw ac _ < <($alternate "$runs" "cp $work/large-changed.ini $work/copy.tmp && sync $work/copy.tmp && mv $work/copy.tmp $work/copy.ini" true)
printf '%-58s %8.2fms %10s %7s %7s  CPU %.2f ms\n' "  for scale: cp, sync and mv of the 50 MB file" "$aw" "" "" "" "$ac"

# --- Dictionaries: a fresh process's one load against a plain read and scan.
bench="$build/tests/kbase_load_bench"
generated="$work/generated.dic"
"$bench" --write-generated "$generated"
shipped="$source_dir/data/kbs/People and Places.dic"
read -r aw ac bw bc < <($alternate "$runs" "'$bench' --once load '$shipped'" "'$bench' --once plain '$shipped'" --reported)
row "first load, shipped 2.3 MB dictionary / plain read" "$aw" "$bw" 1.2 "$ac" "$bc"
read -r aw ac bw bc < <($alternate "$runs" "'$bench' --once load '$generated'" "'$bench' --once plain '$generated'" --reported)
row "first load, 100,000 generated entries / plain read" "$aw" "$bw" 1.2 "$ac" "$bc"
share=$("$bench" --degenerate 2>/dev/null)
printf '%-58s %10s %10s %6sx %6sx\n' "degenerate dictionary, peak memory / budget (worst)" "" "" "$share" "0.5"

# --- The board through the window, against its budgets: F2 while a round
# runs, to the painted 45-word "25 letters" board (CPU per New Game, median,
# against 10 ms); a drop, mouse release to painted board (CPU at the 95th
# percentile, against 2 ms).
counter() { # benchmark counter: reads the json of window_bench from standard input
    python3 -c '
import json, sys
counters = {b["name"].split("/")[0]: b for b in json.load(sys.stdin)["benchmarks"]}
print(" ".join(str(counters[name][counter]) for name, counter in zip(sys.argv[1::2], sys.argv[2::2])))' "$@"
}
read -r f2 drop < <("$build/tests/window_bench" --benchmark_format=json --benchmark_filter='NewGame|Drop' 2>/dev/null |
    counter BM_NewGamePainted cpu_median_ms BM_DropPainted cpu_p95_ms)
row "F2 to the painted 45-word board, CPU / 4 ms budget" "$f2" 4 1
row "drop to painted board, CPU 95th percentile / 1 ms budget" "$drop" 1 1
# The same board at 200 % zoom on a display of twice the pixels (2560 x 1600 at scale 2).
echo '{ "screens": [ { "name": "wide", "x": 0, "y": 0, "width": 2560, "height": 1600,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }' > "$work/wide.json"
read -r repaint step < <(QT_QPA_PLATFORM="offscreen:configfile=$work/wide.json" QT_SCALE_FACTOR=2 \
    "$build/tests/window_bench" --benchmark_format=json --benchmark_filter=Zoomed 2>/dev/null |
    counter BM_ZoomedRepaint cpu_median_ms BM_ZoomedDragStep cpu_p95_ms)
row "whole 45 x 25 board repainted, 200 % zoom, 2x display / 8 ms" "$repaint" 8 1
row "drag step, 200 % zoom, CPU 95th percentile / 0.2 ms budget" "$step" 0.2 1
read -r growth rss < <("$build/tests/window_bench" --benchmark_format=json --benchmark_filter=Memory 2>/dev/null |
    counter BM_RoundsMemory growth_kb BM_RoundsMemory rss_kb)
printf '%-58s %8s kB %8s kB\n' "memory after 2,000 rounds, growth since the 200th / total" "$growth" "$rss"

# --- Start-up CPU, process start to the painted window, against a bare
# window with a menu bar and a label.
cp -p "$work/small.ini" "$work/small/ZRV_XQ.INI"
cp "$build/tools/bare-window" "$work/small/"
# Three times the runs: a start-up is short, and its median steadies slowly on a busy machine.
read -r aw ac bw bc < <($alternate $((runs * 3)) "cd $work/small && ./measure-program" "cd $work/small && ./bare-window")
row "start-up CPU, game window / bare window with menu and label" "$ac" "$bc" 1.08

# --- Further rows of the window go here: build their targets above and call
# row "<name>" <measured ms> <yardstick ms> <goal> [<cpu> <yardstick cpu>].
