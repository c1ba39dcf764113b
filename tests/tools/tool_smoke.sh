#!/usr/bin/env bash
# End-to-end checks of the kzvi tool: a pipeline on the built-in pattern,
# a PNG/PGM round trip, and the error paths (exit code and message).
# usage: tool_smoke.sh KZVI_BINARY WORK_DIR
set -u
kzvi="$1"; work="$2"
rm -rf "$work"; mkdir -p "$work"; cd "$work"
fail=0
ok() { if "$@" >out.txt 2>err.txt; then :; else echo "FAILED: $* ($(cat err.txt))"; fail=1; fi; }
bad() {  # expects a non-zero exit and a message containing $1
  local want="$1"; shift
  if "$@" >out.txt 2>err.txt; then echo "FAILED (should fail): $*"; fail=1
  elif ! grep -q -- "$want" err.txt; then echo "FAILED (message): $* said: $(cat err.txt)"; fail=1; fi
}

ok "$kzvi" info
grep -q "kzvIP AVX2" out.txt || { echo "FAILED: info output"; fail=1; }
ok "$kzvi" --pattern 96x64 mirror h + filter box 5x5 + convert 16u a.png
ok "$kzvi" a.png convert 8u b.pgm
ok "$kzvi" b.pgm mirror h c.png          # mirroring back restores the filtered pattern
ok "$kzvi" --pattern 96x64 filter box 5x5 d.pgm
ok "$kzvi" c.png convert 8u e.pgm
cmp -s e.pgm d.pgm || { echo "FAILED: mirror twice did not restore the image"; fail=1; }
ok "$kzvi" --pattern 64x64 fft magnitude f.png
ok "$kzvi" --pattern 64x64 threshold otsu h.png
grep -q "Otsu threshold" out.txt || { echo "FAILED: Otsu output"; fail=1; }
bad "8u one-channel" "$kzvi" --pattern 16x16 convert 16u + threshold 9 x.png
ok "$kzvi" --pattern 32x16 noise gauss 0 8 5 g.ppm.pgm
ok "$kzvi" --pattern 64x48 resize --size 100x30 --interp lanczos + filter sharpen + resize 32x32 r.png
ok "$kzvi" bench resize --size 64x64 --interp cubic --pattern 96x96 --repeat 2
bad "kzvStatusSizeErr" "$kzvi" --pattern 3x3 resize --size 9x9 --interp cubic x.png
ok "$kzvi" bench filter box 3x3 --pattern 128x128 --repeat 3

bad "cannot open" "$kzvi" missing.png mirror h x.png
printf '\x89PNG\r\n\x1a\n garbage' > corrupt.png
bad "corrupt" "$kzvi" corrupt.png mirror h x.png
bad "unknown operation" "$kzvi" sharpen x.png
bad "usage: filter box" "$kzvi" filter box 5by5 x.png
bad "no output file" "$kzvi" mirror h
exit $fail
