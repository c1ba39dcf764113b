#!/usr/bin/env bash
# Builds and runs the tests: x86-64 under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the i386 release build.
set -euo pipefail
cd "$(dirname "$0")/.."
presets="${KZVI_TEST_PRESETS:-asan-x64 release-x86}"
status=0
for p in $presets; do
  echo "=== $p: configure and build"
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p"
  echo "=== $p: tests"
  ctest --preset "$p" || status=1
done
exit $status
