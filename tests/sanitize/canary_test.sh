#!/usr/bin/env bash
# A sanitizer build must report each kind of fault, and the report must fail the program with
# the status that the build's tests run with (66), whatever the program meant to return.
set -uo pipefail
canary=$1
fail=0
expect() { # fault, report text
    output=$("$canary" "$1" 4 2>&1)
    status=$?
    if [[ $status -ne 66 ]]; then
        echo "FAIL: $1: status $status, expected 66"; fail=1
    elif ! grep -qF -- "$2" <<<"$output"; then
        echo "FAIL: $1: no '$2' in:"; echo "$output"; fail=1
    else
        echo "ok: $1"
    fi
}
expect heap-overflow "AddressSanitizer: heap-buffer-overflow"
expect use-after-free "AddressSanitizer: heap-use-after-free"
expect signed-overflow "runtime error: signed integer overflow"
expect float-cast "is outside the range of representable values of type 'int'"
expect leak "LeakSanitizer: detected memory leaks"
"$canary" none 4 >/dev/null 2>&1 || { echo "FAIL: the canary fails without a fault"; fail=1; }
exit $fail
