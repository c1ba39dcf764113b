#!/usr/bin/env bash
# A short demonstration of the library on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release-x64
"$build/examples/kzvi_hello"
