#!/usr/bin/env bash
# The race must end the canary with the status that the tests run with (66) and be reported as a
# race: a canary that crashes or fails in any other way shows nothing about the build.
set -uo pipefail
output=$("$1" 2>&1)
status=$?
if [[ $status -ne 66 ]] || ! grep -qF "ThreadSanitizer: data race" <<<"$output"; then
    echo "FAIL: status $status, expected 66 and 'ThreadSanitizer: data race' in:"; echo "$output"; exit 1
fi
echo "ok: data race"
