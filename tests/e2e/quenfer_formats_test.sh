#!/usr/bin/env bash
# quenfer's hardware and synthesizer formats, read back by tools we did not write: gcc and g++
# compile the C header, objcopy reads the Intel HEX, sox reads the wavetable WAV.
set -uo pipefail
quenfer=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail=0
check() { # description, command...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; fail=1; fi
}

# A full table of differing samples, both ends of the range among them.
for line in $(seq 32); do
    printf '%d' "$line"
    for sample in $(seq 32); do printf ',%s' "$(( (line * 37 + sample * 11 + 202) % 1001 - 500 ))e-3"; done
    printf '\r\n'
done > table.csv

# The $readmemh words as the C array's type holds them, in decimal: sign-extended unless unsigned.
words() { # bits, unsigned (yes/no)
    local flag=(); [[ $2 == yes ]] && flag=(--unsigned)
    "$quenfer" --bits "$1" "${flag[@]}" table.csv words.mem || return 1
    grep -v '^[@/]' words.mem | while read -r hex; do
        local value=$(( 16#$hex ))
        [[ $2 == no ]] && (( value >= 1 << ($1 - 1) )) && value=$(( value - (1 << $1) ))
        echo "$value"
    done
}

cat > print.c <<'C'
#include <stdio.h>
#include "table.h"
int main(void)
{
    int line, sample;
    for (line = 0; line < 32; ++line)
        for (sample = 0; sample < 32; ++sample)
            printf("%lld\n", (long long)TABLE[line][sample]);
    return 0;
}
C
cp print.c print.cpp

# bits, unsigned, the array's element size in bytes, --name (empty: the default)
while read -r bits unsigned size name; do
    case="$bits bits, unsigned $unsigned"
    flag=(); [[ $unsigned == yes ]] && flag=(--unsigned)
    named=(); table=ondulix_table; [[ $name != - ]] && named=(--name "$name") && table=$name
    words "$bits" "$unsigned" > expected.txt

    "$quenfer" --format c --bits "$bits" "${flag[@]}" "${named[@]}" table.csv table.h
    for compiler in "gcc -std=c99 print.c" "g++ -std=c++11 print.cpp"; do
        rm -f print
        $compiler -Wall -Wextra -Wpedantic -Werror -DTABLE="$table" -o print \
            && ./print > printed.txt
        check "${compiler%% *} prints the \$readmemh words ($case)" cmp -s printed.txt expected.txt
    done

    "$quenfer" --format ihex --bits "$bits" "${flag[@]}" table.csv table.hex
    objcopy -I ihex -O binary table.hex table.bin
    type=d; [[ $unsigned == yes ]] && type=u
    od -An -v -t "$type$size" -w"$size" table.bin | tr -d ' ' > bytes.txt
    check "objcopy gives the words as $size-byte little-endian values ($case)" \
        cmp -s bytes.txt expected.txt
done <<'CASES'
8 no 1 -
6 yes 1 wave_rom
12 no 2 -
16 yes 2 -
24 no 4 _table24
32 no 4 -
32 yes 4 -
CASES

"$quenfer" --format wav table.csv table.wav
"$quenfer" --format wt table.csv table.wt
check "sox reads the WAV as 1 channel at 48000 Hz" \
    test "$(sox --i -c table.wav 2>/dev/null) $(sox --i -r table.wav 2>/dev/null)" = "1 48000"
check "sox reads 65536 samples" test "$(sox --i -s table.wav 2>/dev/null)" = 65536
# Each of the .wt file's 1024 samples, held 64 times, is what sox reads from the WAV (within
# sox's 25-bit precision; one step of a sample is 0.002).
sox table.wav -t f32 - 2>/dev/null | od -An -v -tf4 -w4 > wav_samples.txt
tail -c 4096 table.wt | od -An -v -tf4 -w4 | awk '{ for (i = 0; i < 64; ++i) print }' > held.txt
check "the WAV holds the .wt samples, each 64 times" awk '
    { d = $1 - $2; if (d < 0) d = -d; if (d > 1e-6) bad = 1 } END { exit bad || NR != 65536 }' \
    <(paste wav_samples.txt held.txt)
check "the first sample is line 1's first: -250 / 500" \
    test "$(head -c 16 table.wt | tail -c 4 | od -An -tx4 | tr -d ' ')" = bf000000
hex() { od -An -v -tx1 | tr -d ' \n'; }
clm=$(printf 'clm \x24\0\0\0<!>2048 00000000' | hex)
check "the WAV has its clm chunk" grep -q "$clm" <(hex < table.wav)
check "the .wt header: vawt, wave size 32, 32 waves, flags 0" \
    test "$(head -c 12 table.wt | hex)" = 766177742000000020000000
check "the .wt file is the header and 1024 floats" test "$(stat -c %s table.wt)" = 4108

echo "old" > kept.h
"$quenfer" --format c --name 2nd table.csv kept.h 2>err.txt
check "a name that is no C identifier is a usage error" test $? = 2
check "it says what is wrong" grep -q -- "--name takes a C identifier" err.txt
check "and leaves the old file" test "$(cat kept.h)" = old

# A write that fails part-way (the file size limit stands in for a full disk).
echo "old" > kept.wav
( trap '' XFSZ; ulimit -f 64; "$quenfer" --format wav table.csv kept.wav 2>err.txt )
check "a failed write exits with 1" test $? = 1
check "it names the file" grep -q "quenfer: kept.wav: cannot write: " err.txt
check "and leaves the old file whole" test "$(cat kept.wav)" = old
check "and no temporary file" test "$(ls -A | grep -c '^\.kept')" = 0
exit $fail
