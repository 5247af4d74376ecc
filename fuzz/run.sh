#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a fixed time on a scratch copy of
# its seed corpus (the repository is not touched) and fails on the first
# target that crashes, hangs or breaks a check.
#   fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET] [TARGET ...]
# Crash inputs go to BUILD_DIR/fuzz-crashes/; run one again with
#   BUILD_DIR/fuzz/fuzz_TARGET BUILD_DIR/fuzz-crashes/TARGET-crash-...
set -euo pipefail

build=$(realpath "${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET] [TARGET ...]}")
cd "$(dirname "$0")/.."
seconds=${2:-20}
shift $(($# < 2 ? $# : 2))
targets=("$@")
((${#targets[@]})) || targets=(numbers fittings)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
crashes="$build/fuzz-crashes"
mkdir -p "$crashes"

# Undefined behaviour stops the run like a crash; leaks are reported too,
# but for those of the libraries in fuzz/lsan.supp.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for target in "${targets[@]}"; do
    binary="$build/fuzz/fuzz_$target"
    if [[ ! -x "$binary" ]]; then
        echo "fuzz: $binary not built" >&2
        exit 1
    fi
    cp -r "fuzz/corpus/$target" "$scratch/$target"
    log="$scratch/$target.log"
    status=0
    dict=fuzz/fittings.dict
    [[ "$target" == numbers ]] && dict=fuzz/numbers.dict
    "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -dict="$dict" \
        -artifact_prefix="$crashes/$target-" "$scratch/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if ((status == 0)); then
        echo "fuzz $target: ${runs:-?} runs in ${seconds} s (${speed:-?}/s), no crash"
    else
        echo "fuzz $target: FAILED (exit $status) after ${runs:-?} runs; the end of its log:" >&2
        tail -n 60 "$log" >&2
        echo "fuzz $target: crash input in $crashes/; run it again with $binary $crashes/<file>" >&2
        failed+=("$target")
    fi
done

if ((${#failed[@]})); then
    echo "fuzz: failing targets: ${failed[*]}" >&2
    exit 1
fi
