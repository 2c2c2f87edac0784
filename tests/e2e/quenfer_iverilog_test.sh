#!/usr/bin/env bash
# A real consumer of quenfer's default output: a Verilog testbench loads the image with
# $readmemh into a signed 16-bit memory of 1024 words and prints chosen words.
set -euo pipefail
quenfer=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Line 1: 500, -500, 1, -1, 250 then zeros; line 2: zeros but for -250 at sample 31;
# line 32: 123 at sample 0 and 500 at sample 31; the lines between hold zeros.
{
    printf ' 1, .5,-.5, .001,-.001, .25'; for _ in $(seq 27); do printf ', 0'; done; printf '\r\n'
    printf ' 2'; for _ in $(seq 31); do printf ', 0'; done; printf ',-.25\r\n'
    for n in $(seq 3 31); do printf ' %d' "$n"; for _ in $(seq 32); do printf ', 0'; done; printf '\r\n'; done
    printf ' 32, .123'; for _ in $(seq 30); do printf ', 0'; done; printf ', .5\r\n'
} > wave.csv

"$quenfer" wave.csv wave.mem

cat > bench.v <<'VERILOG'
module bench;
  reg signed [15:0] mem [0:1023];
  integer a;
  initial begin
    $readmemh("wave.mem", mem);
    for (a = 0; a < 1024; a = a + 1)
      if (a == 0 || a == 1 || a == 2 || a == 3 || a == 4 || a == 5 || a == 63 || a == 64 ||
          a == 992 || a == 1023)
        $display("%0d %0d", a, mem[a]);
  end
endmodule
VERILOG
iverilog -o bench.vvp bench.v
vvp -n bench.vvp | grep -v '^VCD' > words.txt

# 0.5 fills the word: 0.5 x 2 x 32767; 0.001 gives 65.534, rounded to 66; 0.25 gives 16383.5,
# which goes to the even 16384; 0.123 gives 8060.682, rounded to 8061.
cat > expected.txt <<'WORDS'
0 32767
1 -32767
2 66
3 -66
4 16384
5 0
63 -16384
64 0
992 8061
1023 32767
WORDS
if diff -u expected.txt words.txt; then
    echo "ok: iverilog reads the words quenfer wrote"
else
    echo "FAIL: the words iverilog read differ"
    exit 1
fi
