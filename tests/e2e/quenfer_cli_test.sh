#!/usr/bin/env bash
# The compiler as a real process: exit statuses, where its messages go, and its output read by
# consumers we did not write: Icarus Verilog's $readmemh, gcc and g++ for the C header, objcopy
# for Intel HEX, sox for the wavetable WAV.
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
check() { # description, command...
    local what=$1; shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; fail=1; fi
}
printf ' 1, .5,-.5\r\n 2, .25\r\n' > good.csv
"$quenfer" good.csv good.mem 2>err.txt; expect "a good file" 0 $?
check "a file as the editor writes it: no word on stderr" test ! -s err.txt
# A spreadsheet's whole numbers: each is named, read as full scale; --strict writes nothing.
printf 'line,a,b\r\n1,97,-3\r\n' > sheet.csv
"$quenfer" sheet.csv sheet.mem 2>err.txt
expect "guesses are named, and the file compiles" 0 $? \
    'quenfer: sheet.csv: line 2, field 2: "97" is beyond full scale (0.5); read as 0.5'
check "one line a guess: the header's three fields and the two numbers" test "$(wc -l <err.txt)" = 5
"$quenfer" --strict sheet.csv strict.mem 2>err.txt; expect "--strict refuses them" 1 $? "--strict"
check "--strict writes nothing" test ! -e strict.mem
"$quenfer" --bits 99 good.csv x.mem 2>err.txt; expect "a bad option" 2 $? "Usage: quenfer"
"$quenfer" --format c --name 2nd good.csv x.mem 2>err.txt
expect "a --name that is no C identifier" 2 $? "--name takes a C identifier"
"$quenfer" --format c --name size_t good.csv x.mem 2>err.txt
expect "a --name that <stdint.h> takes" 2 $? "ends in _t"
# The output may not be the input under any name: the table would be lost.
cp good.csv same.csv && ln same.csv other_name.csv
"$quenfer" same.csv same.csv 2>err.txt; expect "the input as the output" 1 $? "it is the input file"
"$quenfer" other_name.csv same.csv 2>err.txt; expect "another name for the input" 1 $? "is the input"
check "keeps the input" cmp -s good.csv same.csv
"$quenfer" nothing.csv x.mem 2>err.txt; expect "a missing file" 1 $? "quenfer: nothing.csv: "
printf '1,2,3\r\n%.0s' $(seq 33) > long.csv
"$quenfer" long.csv x.mem 2>err.txt; expect "a refused file" 1 $? "quenfer: long.csv:33: "
[[ ! -e x.mem ]] || { echo "FAIL: a failed run left an output file"; fail=1; }
"$quenfer" --help >out.txt 2>err.txt; expect "help" 0 $?
grep -q "^Usage: quenfer" out.txt || { echo "FAIL: help goes to stdout"; fail=1; }

# A missing checker fails the test: scripts/install-deps.sh --test installs Icarus Verilog.
printf '%s\n' 'module t; reg [15:0] m [0:1023]; initial begin $readmemh("good.mem", m);' \
    '$display("%h %h %h %h", m[0], m[1], m[2], m[32]); end endmodule' > read.v
iverilog -o read.vvp read.v && words=$(vvp -n read.vvp | head -n 1)
[[ "${words:-}" == "7fff 8001 0000 4000" ]] || { echo "FAIL: \$readmemh read '${words:-}'"; fail=1; }

# Chip levels: a Game Boy triangle, 0123456789ABCDEFFEDCBA9876543210, stored as its 16 levels
# (L x 1000 / 15 - 500), comes back as those levels at 4 bits; packed, 16 bytes a line, the
# first sample in the high nibble, and $readmemh still reads it.
triangle=$(printf '%s\n' {0..15} {15..0} | awk '{ printf ",%de-3", int($1 * 1000 / 15 - 500 + 0.5) }')
printf ' 1%s\r\n 2%s\r\n' "$triangle" "$triangle" > gb.csv
"$quenfer" --bits 4 --levels gb.csv gb.mem 2>err.txt; expect "--levels" 0 $?
check "--bits 4 --levels gives the levels 0..15" test \
    "$(grep -v '^[@/]' gb.mem | head -n 32 | tr -d '\n')" = 0123456789ABCDEFFEDCBA9876543210
"$quenfer" --bits 4 --levels --pack gb.csv gb2.mem 2>err.txt; expect "--pack" 0 $?
check "--pack gives 16 bytes a line, the first sample high" test \
    "$(sed -n '/^@000/,/^@010/p' gb2.mem | grep -v '^@' | tr -d '\n')" = 0123456789ABCDEFFEDCBA9876543210
printf '%s\n' 'module p; reg [7:0] m [0:511]; initial begin $readmemh("gb2.mem", m);' \
    '$display("%h %h %h", m[0], m[15], m[16]); end endmodule' > pack.v
iverilog -o pack.vvp pack.v && bytes=$(vvp -n pack.vvp | head -n 1)
[[ "${bytes:-}" == "01 10 01" ]] || { echo "FAIL: \$readmemh read the packed image as '${bytes:-}'"; fail=1; }
for flags in "--pack" "--bits 8 --levels --pack" "--bits 4 --pack"; do
    "$quenfer" $flags gb.csv x.mem 2>err.txt; expect "$flags" 2 $? "--pack: packing takes 4-bit"
done

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

# Columns: bits, signed or unsigned, the array's element size in bytes, its name (- for the
# default). The header's words and the Intel HEX bytes are the $readmemh words as the array's
# type holds them: sign-extended if signed.
while read -r bits encoding size name; do
    flags=(--bits "$bits"); [[ $encoding == unsigned ]] && flags+=(--unsigned)
    table=ondulix_table; [[ $name != - ]] && flags+=(--name "$name") && table=$name
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
    check "16 bytes a record, then the end" test "$(grep -vc '^:10' table.hex)" = 1
done <<'CASES'
8 signed 1 -
6 unsigned 1 wave_rom
12 signed 2 -
16 unsigned 2 -
24 signed 4 table24
32 unsigned 4 -
CASES

# Wavetables: each sample value v (the CSV's v e-3) as v / 500, line after line; in the WAV
# each is held 64 times.
mv "$folder/table.csv" table.csv
"$quenfer" --format wav table.csv table.wav
"$quenfer" --format wt table.csv table.wt
check "sox reads the WAV as 1 channel, 48000 Hz, 65536 samples" test \
    "$(sox --i -c table.wav) $(sox --i -r table.wav) $(sox --i -s table.wav)" = "1 48000 65536"
hex() { od -An -v -tx1 | tr -d ' \n'; }
check "the WAV has its clm chunk" grep -q "$(printf 'clm \x24\0\0\0<!>2048 00000000' | hex)" \
    <(hex < table.wav)
check "the .wt file: vawt, wave size 32, 32 waves, flags 0, 1024 float32" test \
    "$(head -c 12 table.wt | hex) $(stat -c %s table.wt)" = "766177742000000020000000 4108"
tr -d '\r' < table.csv | awk -F, '{ for (i = 2; i <= NF; ++i) print $i * 2 }' > samples.txt
samples_near() { # expected file, count, actual samples on stdin, within sox's 25-bit precision
    od -An -v -tf4 -w4 | paste - "$1" |
        awk -v n="$2" '{ d = $1 - $2; if (d > 1e-6 || d < -1e-6) bad = 1 } END { exit bad || NR != n }'
}
check "the .wt samples" samples_near samples.txt 1024 < <(tail -c 4096 table.wt)
awk '{ for (i = 0; i < 64; ++i) print }' samples.txt > held.txt
check "the WAV samples, each held 64 times" samples_near held.txt 65536 < <(sox table.wav -t f32 -)
# Lines up to the last that holds a sound, one frame a line; --frames N fixes the count; a table
# of 0s only is refused.
printf ' 1, .5\r\n 2, 0\r\n 3, 0\r\n 4,-.25\r\n 5, 0\r\n' > four.csv
"$quenfer" --format wav four.csv four.wav 2>err.txt; expect "a table of 4 lines as a WAV" 0 $?
check "holds 4 frames of 2048" test "$(sox --i -s four.wav)" = 8192
"$quenfer" --format wt --frames 32 four.csv four.wt
check "--frames 32: all 32 waves" test "$(head -c 12 four.wt | hex)" = 766177742000000020000000
printf ' 1, 0\r\n' > silent.csv
"$quenfer" --format wt silent.csv silent.wt 2>err.txt
expect "a table of 0s only" 1 $? "the table holds no sound"
check "writes nothing" test ! -e silent.wt

# Tracker waves of one line of good.csv (.5 and -.5, then .25 on line 2, line 3 never stored):
# a sample v is level (v + 500) x (2^bits - 1) / 1000, rounded half to even, 0 becoming 8 and 128.
times() { local i; for ((i = 0; i < $1; i++)); do printf '%s' "$2"; done; }
furnace() { printf -- '-Furnace waveta-' | hex; echo c8000000 57415645 8d000000 00 20000000 00000000 "$@"; }
while read -r format bits line expected; do
    "$quenfer" --format "$format" --bits "$bits" --line "$line" good.csv "wave.$format" 2>err.txt
    check "--format $format --bits $bits --line $line, byte by byte" test \
        "$(hex < "wave.$format")" = "$(eval "$expected" | tr -d ' \n')"
done <<'CASES'
fuw 4 1 furnace 0f000000 0f000000 00000000 "$(times 30 08000000)"
fuw 8 2 furnace ff000000 bf000000 "$(times 31 80000000)"
dmw 4 1 echo 20000000 0f 0f00 "$(times 30 08)"
dmw 8 3 echo 20000000 ff01ff "$(times 32 80000000)"
CASES
"$quenfer" --format fuw --bits 9 good.csv x.fuw 2>err.txt; expect "fuw beyond 8 bits" 2 $? "1 to 8"

# The targets: --targets lists them, and what the chips, the tables and the folders fix is bad
# usage (status 2) that names the known ones.
"$quenfer" --targets >out.txt 2>err.txt; expect "--targets" 0 $?
check "--targets: a heading and 25 targets" test "$(grep -c . out.txt) $(grep -c '^x1010 *128 *8 ' out.txt)" = "26 1"
while IFS='|' read -r flags message; do
    "$quenfer" $flags table.csv x.mem 2>err.txt; expect "$flags" 2 $? "$message"
done <<'CASES'
--chip sid|gameboy, pce, scc
--format wave|vhdl, verilog, srec
--chip gameboy --bits 4|--chip fixes
--chip fds --format wav|does not go with --format wav
--line all|--line all takes --format fuw or dmw
CASES

# The HDL files give every $readmemh word, for 16-bit words and for the X1-010's 4096 bytes:
# GHDL prints the VHDL package's array, Icarus clocks each word out of the Verilog ROM; Yosys
# synthesizes the ROM.
printf '%s\n' 'library ieee; use ieee.std_logic_1164.all; use std.textio.all; use work.ondulix_table_pkg.all;' \
    'entity tb is end; architecture a of tb is begin process variable l : line; begin' \
    "for i in ONDULIX_TABLE'range loop hwrite(l, ONDULIX_TABLE(i)); writeline(output, l); end loop;" \
    'wait; end process; end;' > tb.vhd
for flags in "" "--chip x1010"; do
    for format in readmemh vhdl verilog; do "$quenfer" $flags --format $format table.csv w.$format; done
    grep -v '^[@/]' w.readmemh > words.txt
    n=$(wc -l < words.txt)
    rm -f work-obj08.cf && ghdl -a --std=08 w.vhdl tb.vhd && ghdl --elab-run --std=08 tb > vhdl.txt
    check "GHDL reads the VHDL package's $n words ($flags)" cmp -s vhdl.txt words.txt
    read -r a w < <(sed -n 's/^module ondulix_rom(input clk, input \[\(.*\):0\] addr, output reg \[\(.*\):0\] data);$/\1 \2/p' w.verilog)
    printf '%s\n' "module t; reg clk = 0; reg [$a:0] addr; wire [$w:0] data; reg [$w:0] m [0:$((n - 1))];" \
        'integer i, same = 0; ondulix_rom rom(clk, addr, data); initial begin $readmemh("w.readmemh", m);' \
        "for (i = 0; i < $n; i = i + 1) begin addr = i; #1 clk = 1; #1 clk = 0; same = same + (data === m[i]); end" \
        '$display("%0d %0d", same, $bits(addr)); end endmodule' > rom.v
    iverilog -g2012 -o rom.vvp rom.v w.verilog && same=$(vvp -n rom.vvp | head -n 1)
    check "Icarus clocks the $n words out of the ROM ($flags)" test "${same:-}" = "$n $(( n == 1024 ? 10 : 12 ))"
    check "Yosys synthesizes the ROM ($flags)" yosys -q -p "read_verilog w.verilog; synth -top ondulix_rom"
done
for format in srec bin ihex; do "$quenfer" --bits 12 --format $format table.csv w.$format; done
objcopy -I srec -O binary w.srec srec.bin && objcopy -I ihex -O binary w.ihex ihex.bin
check "objcopy reads the S-records as the raw bytes and the Intel HEX's" cmp -s srec.bin w.bin
check "... which are the same" cmp -s ihex.bin w.bin

# The WaveEdit bank: 16384 samples as sox reads them; wave k is line k / 2 + 1 of the 32, held
# 8 times, v x 32767 / 500 rounded half to even (-250 is a tie, -213 is not).
"$quenfer" --format waveedit table.csv bank.wav
check "sox reads the bank as 1 channel of 16384 16-bit samples" test \
    "$(sox --i -c bank.wav) $(sox --i -s bank.wav) $(sox --i -b bank.wav)" = "1 16384 16"
check "wave 0 holds line 1's first sample 8 times, wave 2 line 2's" test \
    "$(sox bank.wav -t s16 - | od -An -v -td2 -w2 | sed -n '1p;8p;9p;513p' | tr -s ' \n' ' ')" = " -16384 -16384 -15663 -13959 "
# Our own readers: the N163 instrument holds the 4-bit levels of every line, the Vital table a
# keyframe a line, each line's samples held 64 times as v / 500.
"$quenfer" --format fti table.csv t.fti && "$quenfer" --format vitaltable table.csv t.vitaltable
"$quenfer" --bits 4 --levels table.csv levels.mem
python3 - > read.txt <<'PY'
import base64, json, struct
b = open('t.fti', 'rb').read()
n, = struct.unpack_from('<i', b, 7)
size, pos, count = struct.unpack_from('<3i', b, 17 + n)
ok = b[:7] == b'FTI2.4\x05' and b[11 + n:17 + n] == bytes([5, 0, 0, 0, 0, 0]) and len(b) == 29 + n + size * count
print(ok, b[11:11 + n].decode(), size, pos, count, ''.join('%X' % x for x in b[29 + n:61 + n]))
d = json.load(open('t.vitaltable'))
c, = d['groups'][0]['components']
f = [struct.unpack('<2048f', base64.b64decode(k['wave_data'])) for k in c['keyframes']]
print(c['type'], c['interpolation_style'], [k['position'] for k in c['keyframes']][:3], len(f),
      f[0][0] * 500, f[0][63] * 500, round(f[0][64] * 500, 3), d['remove_all_dc'], d['full_normalize'])
PY
check "the .fti reads back: table, 32 levels, position 0, 32 waves, line 1's levels" test \
    "$(sed -n 1p read.txt)" = "True table 32 0 32 $(sed -n '4,35p' levels.mem | tr -d '\n')"
check "the .vitaltable reads back: 32 keyframes 8 positions apart, not blended, unchanged" test \
    "$(sed -n 2p read.txt)" = "Wave Source 0 [0, 8, 16] 32 -250.0 -250.0 -239.0 False False"

# A file a line: OUTPUT is a folder, created if missing, each file as --line N writes it, up to
# the last line that holds a sound; a file in its place, or a table of 0s only, is refused.
"$quenfer" --format dmw --line all four.csv waves 2>err.txt; expect "--line all" 0 $?
check "line01.dmw to line04.dmw" test "$(ls waves | tr '\n' ' ')" = "line01.dmw line02.dmw line03.dmw line04.dmw "
"$quenfer" --format dmw --line 4 four.csv one.dmw && check "each as --line N writes it" cmp -s one.dmw waves/line04.dmw
"$quenfer" --format fuw --line all four.csv one.dmw 2>err.txt; expect "--line all onto a file" 1 $? "not a folder"
"$quenfer" --format fuw --line all silent.csv none 2>err.txt; expect "--line all of 0s only" 1 $? "no sound"

# libsndfile is loaded for a WAV alone. Where it cannot be loaded (hidden here in a mount
# namespace of the test's own) a WAV is refused with the reason and nothing is written.
check "quenfer does not link libsndfile" test -z "$(ldd "$quenfer" | grep sndfile)"
library=$(ldconfig -p | awk '/libsndfile\.so\.1 / { print $NF; exit }')
if unshare -rm true 2>/dev/null; then
    unshare -rm sh -c 'mount --bind /dev/null "$1" && shift && exec "$@"' _ "$library" \
        "$quenfer" --format wav table.csv hidden.wav 2>err.txt
    expect "a WAV without libsndfile" 1 $? "need libsndfile, which could not be loaded"
    check "writes nothing" test ! -e hidden.wav
else
    echo "skipped: no mount namespace here to hide libsndfile in"
fi

# The one atomic writer of quenfer and the editor. Each case writes in a folder of its own,
# under umask 027, where old.mem (mode 600) is: the name written, the status, what the file
# that name leads to then holds, and its mode. A failure keeps the old file; no case leaves a
# temporary file. A read-only folder stops root only when it is immutable as well.
umask 027
while read -r name status holds mode; do
    at=w-$name limit=unlimited out=$name
    mkdir "$at" && echo old > "$at/old.mem" && chmod 600 "$at/old.mem"
    case $name in
        link.mem) ln -s old.mem "$at/link.mem" ;;
        dir.mem) mkdir "$at/dir.mem" ;;
        full) limit=1 out=old.mem ;; # a file size limit of 1 KiB stands in for a full disk
        locked) out=old.mem && chmod 555 "$at" && { [[ ! -w $at ]] || chattr +i "$at"; } ;;
    esac
    ( trap '' XFSZ; ulimit -f $limit; "$quenfer" good.csv "$at/$out" 2>err.txt )
    result=$?; chattr -i "$at" 2>/dev/null; chmod 755 "$at"
    case $holds in image) holds=$(cat good.mem) ;; -) holds= ;; esac
    expect "writing $name" "$status" $result
    check "$name then holds $(head -c 20 <<<"$holds"), mode $mode, no temporary file" test \
        "$(cat "$at/$out" 2>/dev/null)|$(stat -L -c %a "$at/$out")|$(ls -A "$at" | grep -c '^\.')" \
        = "$holds|$mode|0"
done <<'CASES'
new.mem 0 image 640
old.mem 0 image 600
link.mem 0 image 600
locked 1 old 600
full 1 old 600
dir.mem 1 - 750
CASES
check "a link stays a link" test -L w-link.mem/link.mem
exit $fail
