#!/usr/bin/env bash
# Measures what a user feels, against a floor: prjBazelot beside bazelot_floor (a bare window with the
# same kinds of controls and no logic), both built here with the bench preset and both started under a
# private Xvfb, interleaved, RUNS times each (default 15). Prints medians and the ratio to the floor,
# with the default environment and with XDG_CURRENT_DESKTOP=GNOME; then the keystroke-to-status latency
# and the engine's cost per translation. A benchmark, not a test: it asserts nothing.
#
#   scripts/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run bench

runs=${1:-15}
build=build/bench
observer=$build/bench/bazelot_firstpaint
floor=$build/bench/floor/bazelot_floor
app=$build/app/prjBazelot

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
[ -x "$app" ] || app=
work=$build/bench/results
rm -rf "$work"
mkdir -p "$work"

# A private X server on a free display.
source scripts/screenshot-helpers.sh
bazelot_start_display "$work"
xvfb=$bazelot_xvfb_pid
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
display=$DISPLAY

# Each program starts from the same environment but for the variable under study.
launch() { # environment-label program [observer options...]
    local label=$1 program=$2
    shift 2
    local desktop=()
    [ "$label" = GNOME ] && desktop=(XDG_CURRENT_DESKTOP=GNOME)
    env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE \
        DISPLAY="$display" "${desktop[@]}" "$observer" "$@" -- "$program" 2>>"$work/stderr.log"
}

programs=(floor)
[ -n "$app" ] && programs+=(app)
path_of() { if [ "$1" = floor ]; then echo "$floor"; else echo "$app"; fi; }

for label in default GNOME; do
    # One warm-up run each, so that caches (fontconfig, the page cache) are warm for every program alike.
    for program in "${programs[@]}"; do launch "$label" "$(path_of "$program")" --idle-ms 200 >/dev/null; done
    for run in $(seq "$runs"); do
        for program in "${programs[@]}"; do
            echo "$label $program $(launch "$label" "$(path_of "$program")" --idle-ms 1000)" >>"$work/startup.txt"
        done
    done
done

# quantile LABEL PROGRAM FIELD Q: the Q-quantile (0.5 the median) of one figure over the runs
quantile() {
    awk -v label="$1" -v program="$2" -v field="$3" '$1 == label && $2 == program {
            for (i = 3; i <= NF; i++) { split($i, kv, "="); if (kv[1] == field) print kv[2] } }' \
        "$work/startup.txt" | sort -g | awk -v q="$4" '{ v[NR] = $1 } END {
            if (NR == 0) { print "n/a"; exit }
            p = 1 + q * (NR - 1); i = int(p); f = p - i
            printf "%.1f\n", (i < NR) ? v[i] + f * (v[i + 1] - v[i]) : v[i] }'
}
median() { quantile "$1" "$2" "$3" 0.5; }
# spread LABEL PROGRAM FIELD: the middle half of the runs, "p25-p75"
spread() { echo "$(quantile "$1" "$2" "$3" 0.25)-$(quantile "$1" "$2" "$3" 0.75)"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "n/a" || b == "n/a" || b == 0) print "n/a"; else printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { if (k == "n/a" || k == "") print "n/a"; else printf "%.1f", k / 1024 }'; }

echo
echo "Start-up and idle memory, median of $runs interleaved runs (Xvfb, $(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6))"
[ -e "$(qtpaths6 --plugin-dir 2>/dev/null)/platformthemes/libqgtk3.so" ] ||
    echo "note: qt6-gtk-platformtheme is not installed, so the GNOME rows do not load the GTK theme"
echo
echo "| environment | figure | floor | prjBazelot | ratio | middle half of the runs, floor / prjBazelot |"
echo "|---|---|---:|---:|---:|---|"
for label in default GNOME; do
    for figure in wall_ms:"wall time to first paint (ms)" cpu_ms:"CPU time to first paint (ms)" \
        rss_kib:"resident memory, idle (MiB)" pss_kib:"proportional memory, idle (MiB)"; do
        field=${figure%%:*}
        floor_value=$(median "$label" floor "$field")
        app_value=$(median "$label" app "$field")
        floor_spread=$(spread "$label" floor "$field")
        app_spread=$(spread "$label" app "$field")
        case $field in
        *_kib)
            floor_value=$(mib "$floor_value") app_value=$(mib "$app_value")
            floor_spread=$(mib "${floor_spread%-*}")-$(mib "${floor_spread#*-}")
            app_spread=$(mib "${app_spread%-*}")-$(mib "${app_spread#*-}")
            ;;
        esac
        echo "| $label | ${figure#*:} | $floor_value | $app_value | $(ratio "$app_value" "$floor_value") |" \
            "$floor_spread / $app_spread |"
    done
done

echo
echo "Keystroke latency, median of 20 keys (XTest key press to the window's next drawing / to the status bar's change)"
echo
echo "| program | key to first drawing (ms) | key to status change (ms) |"
echo "|---|---:|---:|"
for program in "${programs[@]}"; do
    line=$(launch default "$(path_of "$program")" --idle-ms 300 --keys 20)
    echo "$line" >>"$work/keys.txt"
    echo_ms=$(sed -n 's/.*key_echo_ms=\([^ ]*\).*/\1/p' <<<"$line")
    status_ms=$(sed -n 's/.*key_status_ms=\([^ ]*\).*/\1/p' <<<"$line")
    [ "$status_ms" = "-1.00" ] && status_ms="none (no logic)"
    name=$([ "$program" = floor ] && echo floor || echo prjBazelot)
    echo "| $name | $echo_ms | $status_ms |"
done

echo
echo "Engine cost per translation beside std::from_chars + std::to_chars (ns, CPU time)"
echo
"$build/bench/bazelot_bench_engine" --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null >"$work/engine.csv"
awk -F, 'NR > 1 {
        gsub(/"/, "", $1); split($1, part, "/"); name = part[1]; pair = part[2] "/" part[3]
        sub(/in:/, "", pair); sub(/out:/, "", pair); cost[name, pair] = $4; if (name == "TranslateNumber") order[++n] = pair
        if (name == "IsNumeric") numeric = $4 }
    END {
        print "| input/output radix | TranslateNumber | std::from_chars + std::to_chars |"
        print "|---|---:|---:|"
        for (i = 1; i <= n; i++) printf "| %s | %.0f | %.0f |\n", order[i], cost["TranslateNumber", order[i]], cost["StdCharconv", order[i]]
        printf "\nNumberText::isNumeric on a 15-character text: %.0f ns\n", numeric }' "$work/engine.csv"

if [ -x "$build/bench/bazelot_bench_check" ]; then
    echo
    echo "The input check on a 15-character text, rejected at its last character (ns, CPU time)"
    echo
    "$build/bench/bazelot_bench_check" --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null >"$work/check.csv"
    awk -F, 'BEGIN { split("decimal binary octal hexadecimal", names, " ")
            print "| input system | checkInput |"; print "|---|---:|" }
        NR > 1 { printf "| %s | %.0f |\n", names[NR - 1], $4 }' "$work/check.csv"
fi

echo
echo "Raw figures: $work"

# The Windows program under Wine, against a Win32 floor of its own, where the Windows build is set up
# (scripts/setup.sh windows wine): the benchmark alone does not install it.
if scripts/setup.sh --check windows wine >/dev/null 2>&1; then
    scripts/bench-windows.sh "$runs"
else
    echo
    echo "Windows figures: not measured; scripts/bench-windows.sh sets up the Windows build and measures them"
fi
