#!/usr/bin/env bash
# How long quenfer takes to turn a full pattern file into a $readmemh image, against cp of the
# same file: the cost of starting the program and its libraries, beside the work itself.
#   bench/quenfer_vs_cp.sh build/src/quenfer/quenfer [hyperfine options...]
set -euo pipefail
quenfer=$(realpath "$1")
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for line in $(seq 32); do
    printf '%d' "$line"
    for s in $(seq 32); do printf ',%se-3' $(( (line * 37 + s * 11) % 1001 - 500 )); done
    printf '\r\n'
done > "$work/table.csv"
hyperfine -N --warmup 20 --min-runs 300 "$@" \
    "cp $work/table.csv $work/copy.csv" \
    "$quenfer $work/table.csv $work/table.mem"
