#!/usr/bin/env bash
# Installs the build dependencies on Debian 12, builds release-x64 and runs
# the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq \
  build-essential g++-multilib cmake ninja-build googletest libbenchmark-dev libpng-dev \
  libopencv-dev libfftw3-dev pkg-config binutils python3 qemu-user >/dev/null
cmake --preset release-x64 >/dev/null
cmake --build --preset release-x64
./scripts/demo.sh
