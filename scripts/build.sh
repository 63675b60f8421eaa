#!/usr/bin/env bash
# Configures and builds in Release: everything (program, shaders, generated
# assets, tests), or only the targets named as arguments and what they need.
# The build folder is build/ in the project unless KESTRELWING_BUILD_DIR names another.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KESTRELWING_BUILD_DIR:-$root/build}"
targets=()
if [ $# -gt 0 ]; then
  targets=(--target "$@")
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
