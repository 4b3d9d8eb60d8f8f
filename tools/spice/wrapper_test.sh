#!/bin/sh
# Checks VosSpice.exe with ngspice in a scratch SPICE home: an operating point leaves the raw
# file in the reader's form (the title kept, the extra line after "No. Points:", V(n) in upper
# case, other names as ngspice writes them); a netlist with a .control block is refused (exit
# 4), a netlist ngspice cannot run fails (exit 3); neither leaves the old raw file behind.
# Usage: wrapper_test.sh VOSSPICE SCRATCH
set -u
command -v ngspice >/dev/null 2>&1 || { echo "ngspice not found: test skipped"; exit 77; }
home=$2
rm -rf "$home" && mkdir -p "$home" && cp "$1" "$home/VosSpice.exe" || exit 1
raw="$home/rawspice.raw"
fail() {
  echo "$*"
  exit 1
}

printf 'Teiler.vqe\nV1 1 0 DC 2\nR1 1 2 1k\nR2 2 0 1k\n.OP\n.end\n' >"$home/teiler.cir"
"$home/VosSpice.exe" "$home/teiler.cir" || fail "operating point: exit $?"
head -n 1 "$raw" | grep -qx 'Title: Teiler.vqe' || fail "title: $(head -n 1 "$raw")"
sed -n 7p "$raw" | grep -q '^Command:' || fail "no extra line after No. Points: $(sed -n 6,7p "$raw")"
grep -q "$(printf '\tV(2)\tvoltage')" "$raw" || fail "no V(2): $(cat "$raw")"
grep -q "$(printf '\ti(v1)\tcurrent')" "$raw" || fail "current renamed: $(cat "$raw")"

for case in "4 .control" "3 error"; do
  code=${case%% *}
  cp "$raw" "$raw.keep"
  if [ "$code" = 4 ]; then
    printf 'Steuer.vqe\nV1 1 0 DC 2\nR1 1 0 1k\n.control\nop\n.endc\n.end\n' >"$home/bad.cir"
  else
    printf 'Fehler.vqe\nV1 1 0 DC 2\nX1 1 0 fehlt\n.OP\n.end\n' >"$home/bad.cir"
  fi
  "$home/VosSpice.exe" "$home/bad.cir"
  status=$?
  [ "$status" = "$code" ] || fail "${case#* }: exit $status, expected $code"
  [ ! -e "$raw" ] || fail "${case#* }: old raw file left"
  mv "$raw.keep" "$raw"
done
exit 0
