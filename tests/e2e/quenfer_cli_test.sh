#!/usr/bin/env bash
# The compiler as a real process: exit statuses and where its messages go.
set -uo pipefail
quenfer=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail=0
expect() { # description, expected status, actual status, [stderr must contain]
    if [[ "$2" != "$3" ]]; then echo "FAIL: $1: status $3, expected $2"; fail=1; return; fi
    if [[ -n "${4:-}" ]] && ! grep -qF -- "$4" err.txt; then
        echo "FAIL: $1: stderr lacks '$4':"; cat err.txt; fail=1; return
    fi
    echo "ok: $1"
}

printf ' 1, .5\r\n' > good.csv
"$quenfer" good.csv good.mem 2>err.txt; expect "a good file" 0 $?
[[ -s good.mem && ! -s err.txt ]] || { echo "FAIL: no image, or a message on success"; fail=1; }

"$quenfer" --bits 99 good.csv x.mem 2>err.txt; expect "a bad option" 2 $? "Usage: quenfer"
"$quenfer" good.csv 2>err.txt; expect "a missing argument" 2 $? "Usage: quenfer"
"$quenfer" nothing.csv x.mem 2>err.txt; expect "a missing file" 1 $? "quenfer: nothing.csv: "
printf '1,2,3\r\n%.0s' $(seq 33) > long.csv
"$quenfer" long.csv x.mem 2>err.txt; expect "a refused file" 1 $? "quenfer: long.csv:33: "
[[ ! -e x.mem ]] || { echo "FAIL: a failed run left an output file"; fail=1; }
"$quenfer" --help >out.txt 2>err.txt; expect "help" 0 $?
grep -q "^Usage: quenfer" out.txt || { echo "FAIL: help goes to stdout"; fail=1; }
exit $fail
