#!/usr/bin/env bash
# Runs the fuzz programs of a fuzz build, each for a number of seconds, and
# prints for each its executions per second and its result.
#
#   Fuzz/run-fuzzers.sh BUILD-FOLDER SECONDS [TARGET ...]
#
# Every target starts from its seeds (Fuzz/corpus/NAME) and the inputs of
# past crashes (Fuzz/regressions/NAME); what it learns is kept in
# BUILD-FOLDER/fuzz-work/NAME/corpus, so a second run goes on from there.
# An input that crashes a target is left in BUILD-FOLDER/fuzz-work/NAME/ as
# crash-*, leak-*, timeout-* or oom-*; fix the fault, then copy the input to
# Fuzz/regressions/NAME so the tests keep it fixed. FUZZ_JOBS=N runs N targets
# at once. SECONDS of 0 runs every seed and past crash once and fuzzes
# nothing, which checks the fuzz build (CI does this). The exit status is 0
# only if no target found anything.
set -u
build=${1:?usage: run-fuzzers.sh BUILD-FOLDER SECONDS [TARGET ...]}
seconds=${2:?usage: run-fuzzers.sh BUILD-FOLDER SECONDS [TARGET ...]}
shift 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
jobs=${FUZZ_JOBS:-1}

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for program in "$build"/fuzz-*; do
        name=${program##*/fuzz-}
        [ -x "$program" ] && [ -d "$source_dir/Fuzz/corpus/$name" ] && targets+=("$name")
    done
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "run-fuzzers: no fuzz programs in $build (build them with: make fuzz)" >&2
    exit 2
fi

run_one() {
    local name=$1 work="$build/fuzz-work/$1" budget="-max_total_time=$seconds"
    [ "$seconds" = 0 ] && budget="-runs=0"
    mkdir -p "$work/corpus" "$source_dir/Fuzz/regressions/$name"
    rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*
    "$build/fuzz-$name" "$budget" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work/corpus" "$source_dir/Fuzz/corpus/$name" \
        "$source_dir/Fuzz/regressions/$name" >"$work/log" 2>&1
    echo $? >"$work/status"
}
export -f run_one
export build seconds source_dir
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}'

failed=0
printf '%-14s %10s %12s %8s  %s\n' target "exec/s" runs minutes result
for name in "${targets[@]}"; do
    work="$build/fuzz-work/$name"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
    found=$(ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* 2>/dev/null | head -1)
    status=$(cat "$work/status" 2>/dev/null || echo 1)
    if [ -n "$found" ] || [ "$status" != 0 ]; then
        result="FOUND ${found:-a failure (exit $status)}; see $work/log"
        failed=1
    else
        result="ok"
    fi
    minutes=$(awk -v s="$seconds" 'BEGIN { printf "%.1f", s / 60 }')
    printf '%-14s %10s %12s %8s  %s\n' "$name" "${rate:-?}" "${runs:-?}" "$minutes" "$result"
done
exit $failed
