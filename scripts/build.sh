#!/usr/bin/env bash
# Configures and builds in Release: everything (program, shaders, generated
# assets, tests), or only the targets named as arguments and what they need.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
targets=()
if [ $# -gt 0 ]; then
  targets=(--target "$@")
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
