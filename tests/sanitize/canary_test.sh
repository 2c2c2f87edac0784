#!/usr/bin/env bash
# A sanitizer build must report each kind of fault, and the report must fail the program with
# the status that the build's tests run with (66), whatever the program meant to return.
set -uo pipefail
fail=0
for pair in "heap-overflow:AddressSanitizer: heap-buffer-overflow" \
    "signed-overflow:runtime error: signed integer overflow" \
    "float-cast:outside the range of representable values of type 'int'" \
    "leak:LeakSanitizer: detected memory leaks"; do
    output=$("$1" "${pair%%:*}" 4 2>&1)
    status=$?
    if [[ $status -ne 66 ]] || ! grep -qF -- "${pair#*:}" <<<"$output"; then
        echo "FAIL: ${pair%%:*}: status $status, expected 66 and '${pair#*:}' in:"; echo "$output"; fail=1
    else echo "ok: ${pair%%:*}"; fi
done
"$1" none 4 >/dev/null 2>&1 || { echo "FAIL: the canary fails without a fault"; fail=1; }
exit $fail
