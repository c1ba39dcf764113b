#!/usr/bin/env bash
# Builds and runs the tests: x86-64 under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the i386 release build. Installs the
# Debian packages the build and tests need when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

need="build-essential g++-multilib cmake ninja-build googletest libpng-dev binutils python3 qemu-user pkg-config"
missing=""
for p in $need; do dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"; done
if [ -n "$missing" ]; then
  if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
  echo "=== installing:$missing"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing >/dev/null
fi

presets="${KZVI_TEST_PRESETS:-asan-x64 release-x86}"
status=0
for p in $presets; do
  echo "=== $p: configure and build"
  cmake --preset "$p" -DKZVI_FAMILIES= >/dev/null
  cmake --build --preset "$p"
  echo "=== $p: tests"
  ctest --preset "$p" || status=1
done
exit $status
