#!/usr/bin/env bash
# A short demonstration of the library through the kzvi tool, on the built-in
# chirp test pattern; the images land in out/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release-x64
kzvi="$build/tools/kzvi"
mkdir -p out
"$build/examples/kzvi_hello"
echo
"$build/examples/kzvi_example_resize" out/example_resize.pgm
"$build/examples/kzvi_example_filter" out/example_filter.pgm
echo
"$kzvi" info
echo
echo "== the chirp test pattern"
"$kzvi" --pattern 640x480 convert 8u out/pattern.png
echo "== noise, then a 7x7 box mean"
"$kzvi" --pattern 640x480 noise gauss 0 20 7 out/noisy.png
"$kzvi" out/noisy.png filter box 7x7 out/smoothed.png
echo "== mirrored, widened to 16 bits"
"$kzvi" --pattern 640x480 mirror both + convert 16u out/mirrored16.png
echo "== resized to 1280x720 with Lanczos, and to 320x240 with cubic interpolation"
"$kzvi" --pattern 640x480 resize --size 1280x720 --interp lanczos out/pattern_1280x720.png
"$kzvi" out/pattern.png resize --size 320x240 --interp cubic out/pattern_320x240.png
echo "== sharpened with a 3x3 kernel"
"$kzvi" out/smoothed.png filter sharpen out/sharpened.png
echo "== centred log-magnitude spectrum"
"$kzvi" --pattern 512x512 fft magnitude out/spectrum.png
echo "== Otsu threshold of the smoothed noisy pattern"
"$kzvi" out/smoothed.png threshold otsu out/binary.png
echo "== timing"
"$kzvi" bench filter box 5x5 --pattern 1920x1080
"$kzvi" bench resize --size 3840x2160 --interp linear --pattern 1920x1080 --repeat 5
"$kzvi" bench fft magnitude --pattern 512x512 --repeat 5
echo
echo "wrote: $(ls out/*.png | tr '\n' ' ')"
