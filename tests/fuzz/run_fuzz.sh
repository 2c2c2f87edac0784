#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from the seed corpus in tests/fuzz/corpus/
# and from what earlier runs in the same build folder added.
#   tests/fuzz/run_fuzz.sh BUILD_DIR SECONDS_PER_TARGET
# A broken promise, a crash, a sanitizer report, a leak or an input slower than 10 s ends the
# target, keeps the input in BUILD_DIR/fuzz-findings/ and makes the script fail. Each target
# prints one line: its time, runs, runs per second, coverage and corpus size.
set -uo pipefail
build=$(realpath "$1")
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

# The longest input worth trying: a number or a pasted wave is short; a whole pattern file is
# about 3.5 KB; a wave file's headers and a frame or two of samples fit in 8 KB.
declare -A max_len=([number_text]=512 [csv_reader]=8192 [settings_file]=1024 [wave_import]=8192)
declare -A dictionary=([number_text]=number_text.dict [csv_reader]=csv.dict [wave_import]=wave_import.dict)
targets=(number_text csv_reader settings_file wave_import)
# The csv_reader target also makes quenfer's memory image, so quenfer's seeds are its seeds too.
declare -A more_seeds=([csv_reader]=quenfer)

status=0
passed=0
failed=0
mkdir -p "$build/fuzz-findings"
for target in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$target"
    log="$build/fuzz-$target.log"
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10
        -use_value_profile=1 -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$target-")
    [[ -n "${dictionary[$target]:-}" ]] && options+=(-dict="$here/${dictionary[$target]}")
    if "$build/tests/fuzz/${target}_fuzz" "${options[@]}" "$corpus" "$here/corpus/$target" \
        ${more_seeds[$target]:+"$here/corpus/${more_seeds[$target]}"} \
        >"$log" 2>&1; then
        stat() { grep -m1 "^stat::$1:" "$log" | awk '{print $2}'; }
        coverage=$(grep -E "^#[0-9]+" "$log" | grep -o "cov: [0-9]*" | tail -n 1)
        echo "fuzz $target: ${seconds} s, $(stat number_of_executed_units) runs," \
            "$(stat average_exec_per_sec) runs/s, ${coverage:-cov: ?}," \
            "corpus $(find "$corpus" -type f | wc -l) files"
        passed=$((passed + 1))
    else
        echo "FAIL: fuzz $target found a fault (full log: $log):"
        grep -E -m 1 -A 14 "broken promise|ERROR: |runtime error:" "$log"
        grep -E "Test unit written|^Base64" "$log"
        echo "Run it again: $build/tests/fuzz/${target}_fuzz FILE; then make it a unit test."
        status=1
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
