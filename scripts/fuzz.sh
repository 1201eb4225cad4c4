#!/usr/bin/env bash
# Builds every libFuzzer target (preset "fuzz") and runs each for SECONDS seconds (default 20).
# Seeds come from fuzz/corpus/<name>; what the fuzzer finds on top of them stays in build/fuzz/corpus,
# and an input that breaks an invariant is written to build/fuzz/artifacts and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/artifacts
status=0
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    binary=build/fuzz/fuzz/fuzz_$name
    if [ ! -x "$binary" ]; then
        # Every seeded target must build: one that silently vanished would leave its code unfuzzed.
        echo "fuzz_$name: FAILED, it has seeds in $seeds but was not built"
        status=1
        continue
    fi
    mkdir -p "build/fuzz/corpus/$name"
    log=build/fuzz/fuzz_$name.log
    if "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/artifacts/$name-" "build/fuzz/corpus/$name" "$seeds" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$name: passed, $runs inputs in ${seconds} s"
    else
        echo "fuzz_$name: FAILED (log: $log)"
        grep -A4 -E '^(invariant broken|==[0-9]+==ERROR|SUMMARY)' "$log" | head -40 || tail -40 "$log"
        status=1
    fi
done
exit $status
