#!/usr/bin/env bash
# A race in the thread build must be reported and fail the program with the status its tests
# run with (66), though the program itself returns 0.
set -uo pipefail
output=$("$1" 2>&1)
status=$?
if [[ $status -ne 66 ]] || ! grep -qF "ThreadSanitizer: data race" <<<"$output"; then
    echo "FAIL: status $status, expected 66 and a data race reported in:"; echo "$output"; exit 1
fi
echo "ok: a data race fails the program with status 66"
