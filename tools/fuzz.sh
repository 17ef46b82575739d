#!/bin/bash
# Runs every fuzz harness (or those named) for a while with libFuzzer.
#
#   tools/fuzz.sh [seconds-per-harness] [harness...]
#
# Builds the "fuzz" preset (clang, AddressSanitizer, UBSan), then runs each
# harness for the given time (default 60 s) on two corpora: the committed
# seeds and regression inputs of tests/fuzz (read only), and a working copy
# under build/fuzz/corpus that keeps what the run finds. A crash, a leak, a
# timeout or a failed property stops that harness; its input is left in
# build/fuzz/crashes/<harness>/ and the script exits non-zero after all have
# run. To keep a found input as a regression, copy it to
# tests/fuzz/regressions/<harness>/ once the fault is mended.
set -u
seconds=${1:-60}
shift || true
src=$(cd "$(dirname "$0")/.." && pwd)
build="$src/build/fuzz"
all=(command_line settings_file language_file drive_records ifo_layout root_scan)
harnesses=("${@:-${all[@]}}")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")

cmake --preset fuzz -S "$src" >/dev/null || exit 2
cmake --build "$build" --target fuzzers -j"${JOBS:-2}" >/dev/null || {
    echo "fuzz: the harnesses did not build" >&2
    exit 2
}

failed=0
printf '%-15s %12s %10s %8s  %s\n' harness executions "exec/s" corpus result
for h in "${harnesses[@]}"; do
    work="$build/corpus/$h"
    crashes="$build/crashes/$h"
    mkdir -p "$work" "$crashes"
    seeds=("$src/tests/fuzz/corpus/$h")
    [ -d "$src/tests/fuzz/regressions/$h" ] && seeds+=("$src/tests/fuzz/regressions/$h")
    log="$build/$h.log"
    "$build/fuzz/fuzz_$h" "$work" "${seeds[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1
    rc=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    size=$(ls "$work" | wc -l)
    if [ $rc -eq 0 ]; then
        result=ok
    else
        result="FAILED (see $log; input in $crashes)"
        failed=1
    fi
    printf '%-15s %12s %10s %8s  %s\n' "$h" "${execs:-?}" "${rate:-?}" "$size" "$result"
done
exit $failed
