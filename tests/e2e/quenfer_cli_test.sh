#!/usr/bin/env bash
# The compiler as a real process: exit statuses, where its messages go, and an image that a
# real consumer, Icarus Verilog's $readmemh, loads with the words at their addresses.
set -uo pipefail
quenfer=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail=0
expect() { # description, expected status, actual status, [stderr must contain]
    if [[ "$2" != "$3" ]] || { [[ -n "${4:-}" ]] && ! grep -qF -- "$4" err.txt; }; then
        echo "FAIL: $1: status $3 (expected $2), stderr:"; cat err.txt; fail=1
    else echo "ok: $1"; fi
}
printf ' 1, .5,-.5\r\n 2, .25\r\n' > good.csv
"$quenfer" good.csv good.mem 2>err.txt; expect "a good file" 0 $?
"$quenfer" --bits 99 good.csv x.mem 2>err.txt; expect "a bad option" 2 $? "Usage: quenfer"
"$quenfer" nothing.csv x.mem 2>err.txt; expect "a missing file" 1 $? "quenfer: nothing.csv: "
printf '1,2,3\r\n%.0s' $(seq 33) > long.csv
"$quenfer" long.csv x.mem 2>err.txt; expect "a refused file" 1 $? "quenfer: long.csv:33: "
[[ ! -e x.mem ]] || { echo "FAIL: a failed run left an output file"; fail=1; }
"$quenfer" --help >out.txt 2>err.txt; expect "help" 0 $?
grep -q "^Usage: quenfer" out.txt || { echo "FAIL: help goes to stdout"; fail=1; }

if command -v iverilog >/dev/null; then
    printf '%s\n' 'module t; reg [15:0] m [0:1023]; initial begin $readmemh("good.mem", m);' \
        '$display("%h %h %h %h", m[0], m[1], m[2], m[32]); end endmodule' > read.v
    iverilog -o read.vvp read.v && words=$(vvp -n read.vvp | head -n 1)
    [[ "${words:-}" == "7fff 8001 0000 4000" ]] || { echo "FAIL: \$readmemh read '${words:-}'"; fail=1; }
fi
exit $fail
