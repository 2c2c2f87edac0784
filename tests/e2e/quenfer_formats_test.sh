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

# A full table of samples that differ from each other, in a folder whose name would end the
# header's comment and line if quenfer copied it there as it is.
folder=$'d*/e\nint x;/*f'
mkdir -p "$folder"
for line in $(seq 32); do
    printf '%d' "$line"
    for s in $(seq 32); do printf ',%se-3' $(( (line * 37 + s * 11 + 202) % 1001 - 500 )); done
    printf '\r\n'
done > "$folder/table.csv"

printf '%s\n' '#include <stdio.h>' '#include "table.h"' 'int main(void) { int i;' \
    '    for (i = 0; i < 1024; ++i) printf("%lld\n", (long long)TABLE[i / 32][i % 32]);' \
    '    return 0; }' > print.c
cp print.c print.cpp

# bits, signed or unsigned, the array's element size in bytes, its name (- for the default)
while read -r bits encoding size name; do
    flags=(--bits "$bits"); [[ $encoding == unsigned ]] && flags+=(--unsigned)
    table=ondulix_table; [[ $name != - ]] && flags+=(--name "$name") && table=$name
    # The $readmemh words in decimal as the array's type holds them: sign-extended if signed.
    "$quenfer" "${flags[@]}" "$folder/table.csv" words.mem
    grep -v '^[@/]' words.mem | while read -r hex; do
        value=$(( 16#$hex ))
        [[ $encoding == signed ]] && (( value >= 1 << (bits - 1) )) && value=$(( value - (1 << bits) ))
        echo "$value"
    done > expected.txt

    "$quenfer" --format c "${flags[@]}" "$folder/table.csv" table.h
    for compiler in "gcc -std=c99 print.c" "g++ -std=c++11 print.cpp"; do
        rm -f print
        $compiler -Wall -Wextra -Wpedantic -Werror -DTABLE="$table" -o print && ./print > printed.txt
        check "${compiler%% *} prints the \$readmemh words ($bits bits $encoding)" \
            cmp -s printed.txt expected.txt
    done
    "$quenfer" --format ihex "${flags[@]}" "$folder/table.csv" table.hex
    objcopy -I ihex -O binary table.hex table.bin
    type=d; [[ $encoding == unsigned ]] && type=u
    od -An -v -t "$type$size" -w"$size" table.bin | tr -d ' ' > bytes.txt
    check "objcopy gives those words in $size bytes, little-endian ($bits bits $encoding)" \
        cmp -s bytes.txt expected.txt
done <<'CASES'
8 signed 1 -
6 unsigned 1 wave_rom
12 signed 2 -
16 unsigned 2 -
24 signed 4 _table24
32 unsigned 4 -
CASES
mv "$folder/table.csv" table.csv

"$quenfer" --format wav table.csv table.wav
"$quenfer" --format wt table.csv table.wt
check "sox reads the WAV as 1 channel, 48000 Hz, 65536 samples" test \
    "$(sox --i -c table.wav 2>/dev/null) $(sox --i -r table.wav 2>/dev/null) $(sox --i -s table.wav 2>/dev/null)" \
    = "1 48000 65536"
# sox's samples are the .wt file's 1024, each held 64 times, within sox's 25-bit precision (a
# step of one in a sample is 0.002).
sox table.wav -t f32 - 2>/dev/null | od -An -v -tf4 -w4 > wav_samples.txt
tail -c 4096 table.wt | od -An -v -tf4 -w4 | awk '{ for (i = 0; i < 64; ++i) print }' > held.txt
check "the WAV holds the .wt samples, each 64 times" awk '
    { d = $1 - $2; if (d < 0) d = -d; if (d > 1e-6) bad = 1 } END { exit bad || NR != 65536 }' \
    <(paste wav_samples.txt held.txt)
hex() { od -An -v -tx1 | tr -d ' \n'; }
check "the WAV has its clm chunk" grep -q "$(printf 'clm \x24\0\0\0<!>2048 00000000' | hex)" \
    <(hex < table.wav)
# "vawt", 32, 32, 0, then line 1's first sample: -250 / 500.
check "the .wt file: its header, the samples as float32" test \
    "$(head -c 16 table.wt | hex) $(stat -c %s table.wt)" = "766177742000000020000000000000bf 4108"

echo "old" > kept.h
"$quenfer" --format c --name 2nd table.csv kept.h 2>err.txt
check "a name that is no C identifier is a usage error" test $? = 2
check "that says so, and the old file stays" \
    test "$(grep -c -- "--name takes a C identifier" err.txt) $(cat kept.h)" = "1 old"

# A write that fails part-way: the file size limit stands in for a full disk.
echo "old" > kept.wav
( trap '' XFSZ; ulimit -f 64; "$quenfer" --format wav table.csv kept.wav 2>err.txt )
check "a failed write exits with 1" test $? = 1
check "it names the file" grep -q "quenfer: kept.wav: cannot write: " err.txt
check "and leaves the old file whole and no temporary file" \
    test "$(cat kept.wav) $(ls -A | grep -c '^\.kept')" = "old 0"
exit $fail
