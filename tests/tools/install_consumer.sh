#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds a small consumer
# against it twice: with pkg-config and with find_package(kzvi).
# usage: install_consumer.sh BUILD_DIR WORK_DIR [EXTRA_CFLAGS]
set -euo pipefail
build="$1"; work="$2"; extra="${3:-}"
rm -rf "$work"; mkdir -p "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

cat > "$work/consumer.c" <<'C'
#include <kzvi.h>
#include <stdio.h>
int main(void) {
    int32_t step = 0;
    Kzv8u* p = kzviMalloc_8u_C1(10, 10, &step);
    const KzvLibraryVersion* v = kzviGetLibVersion();
    printf("%s %d\n", v->versionText, (int)step);
    kzviFree(p);
    return (p != NULL && step == 64 && v->majorVersion == 2021) ? 0 : 1;
}
C
libdir=$(ls -d "$prefix"/lib* | head -1)
# 1. pkg-config
PKG_CONFIG_PATH="$(find "$prefix" -name kzvi.pc -printf '%h')" \
  cc $extra "$work/consumer.c" -o "$work/consumer_pc" $(PKG_CONFIG_PATH="$(find "$prefix" -name kzvi.pc -printf '%h')" pkg-config --cflags --libs kzvi)
LD_LIBRARY_PATH="$(dirname "$(find "$prefix" -name 'libkzvi.so' | head -1)")" "$work/consumer_pc"

# 2. CMake package
mkdir -p "$work/cmake"
cat > "$work/cmake/CMakeLists.txt" <<'CM'
cmake_minimum_required(VERSION 3.25)
project(consumer C)
find_package(kzvi REQUIRED)
add_executable(consumer ../consumer.c)
target_link_libraries(consumer PRIVATE kzvi::kzvi)
CM
cmake -S "$work/cmake" -B "$work/cmake/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_C_FLAGS="$extra" -DCMAKE_EXE_LINKER_FLAGS="$extra" >/dev/null
cmake --build "$work/cmake/build" >/dev/null
"$work/cmake/build/consumer"
echo "install and consumer builds: ok"
