#!/usr/bin/env bash
# Measures the Windows program under Wine against a floor: prjBazelot.exe beside bazelot_floor_win32 (a
# bare Win32 window with the same kinds of controls and no logic), started interleaved RUNS times each
# (default 15) on a private Xvfb by the same outside observer as scripts/bench.sh, with Wine's server
# already running, so that what is timed is the program and not Wine's start. Prints medians with the
# middle half of the runs, the ratio of the medians and the median of each run's ratio to the floor run
# just before it (which sees the machine's load alike), and the executables' file sizes. Under Wine on a
# busy machine single runs spread by half their value: take 30 runs or more to see 5 %. A benchmark,
# not a test: it asserts nothing.
#
#   scripts/bench-windows.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
scripts/setup.sh run bench windows wine
cmake --preset bench >/dev/null
cmake --build --preset bench --target bazelot_firstpaint >/dev/null
cmake --preset windows-bench >/dev/null
cmake --build --preset windows-bench >/dev/null
build=build/windows-bench
observer=build/bench/bench/bazelot_firstpaint
app=$build/app/prjBazelot.exe
floor=$build/bench/win32floor/bazelot_floor_win32.exe
work=$build/bench-results
rm -rf "$work"
mkdir -p "$work"

# A private X server on a free display.
source scripts/screenshot-helpers.sh
bazelot_start_display "$work"
xvfb=$bazelot_xvfb_pid

# A prefix of its own that draws on X; the tests' prefix has no display driver.
export BAZELOT_WINEPREFIX="$PWD/$build/wineprefix-x11" BAZELOT_WINE_GRAPHICS=x11
source scripts/wine-env.sh
trap 'bazelot_wine_stop; kill "$xvfb" 2>/dev/null || true' EXIT
bazelot_wine_start

launch() { "$observer" --idle-ms "$1" -- wine "$2" 2>>"$work/stderr.log"; }
path_of() { if [ "$1" = floor ]; then echo "$floor"; else echo "$app"; fi; }

# One warm-up run each, so that the page cache and Wine's own files are warm for both alike.
for program in floor app; do launch 200 "$(path_of "$program")" >/dev/null; done
for run in $(seq "$runs"); do
    for program in floor app; do
        echo "$program $(launch 1000 "$(path_of "$program")")" >>"$work/startup.txt"
    done
done

values() { # PROGRAM FIELD: one run's value a line, in the order of the runs
    awk -v program="$1" -v field="$2" '$1 == program {
            for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == field) print kv[2] } }' \
        "$work/startup.txt"
}
# The quartiles of numbers on stdin, with DECIMALS (default 1): "q1 median q3", or n/a.
quartiles() {
    sort -g | awk -v decimals="${1:-1}" '{ v[NR] = $1 }
        function at(p,  x, i) { x = 1 + p * (NR - 1); i = int(x); return v[i] + (x - i) * (v[i + 1] - v[i]) }
        END { if (NR == 0) { print "n/a n/a n/a"; exit }
              f = "%." decimals "f"; printf f " " f " " f "\n", at(0.25), at(0.5), at(0.75) }'
}

echo
echo "Windows start-up under $(wine --version 2>/dev/null), median of $runs interleaved runs (Xvfb, $(nproc) cores)"
echo
echo "| figure | floor (middle half) | prjBazelot.exe (middle half) | ratio of medians | median run ratio (middle half) |"
echo "|---|---:|---:|---:|---:|"
for figure in wall_ms:"wall time to first paint (ms)" cpu_ms:"CPU time to first paint (ms)" \
    cpu_idle_ms:"CPU time, drawn and idle (ms)" rss_kib:"resident memory, idle (KiB)" \
    pss_kib:"proportional memory, idle (KiB)"; do
    field=${figure%%:*}
    read -r floor_q1 floor_median floor_q3 < <(values floor "$field" | quartiles)
    read -r app_q1 app_median app_q3 < <(values app "$field" | quartiles)
    read -r ratio_q1 ratio_median ratio_q3 < <(paste <(values app "$field") <(values floor "$field") |
        awk '$2 > 0 { print $1 / $2 }' | quartiles 2)
    ratio=$(awk -v a="$app_median" -v b="$floor_median" 'BEGIN {
        if (a == "n/a" || b == "n/a" || b == 0) print "n/a"; else printf "%.2f", a / b }')
    echo "| ${figure#*:} | $floor_median ($floor_q1 to $floor_q3) | $app_median ($app_q1 to $app_q3) |" \
        "$ratio | $ratio_median ($ratio_q1 to $ratio_q3) |"
done

echo
echo "| file | size (KiB) |"
echo "|---|---:|"
for file in "$floor" "$build"/app/*.exe; do
    echo "| $(basename "$file") | $(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", b / 1024 }') |"
done
echo
echo "Raw figures: $work"
