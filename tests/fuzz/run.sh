#!/usr/bin/env bash
# Builds the path-file fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz, replays every kept input of
# tests/fuzz/corpus, then fuzzes for a bounded time from that corpus and the
# real path files. An input that fails is left in build/fuzz as crash-* (keep
# it in tests/fuzz/corpus once the fault is fixed).
# Usage: bash tests/fuzz/run.sh [source root] [seconds]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(realpath "${1:-$here/../..}")"
seconds="${2:-60}"
build="$root/build/fuzz"
mkdir -p "$build/corpus"

clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -DGLM_ENABLE_EXPERIMENTAL -DGLM_FORCE_RADIANS -I"$root/src" \
  "$here/PathFuzzer.cpp" "$root/src/paths/Path.cpp" "$root/src/paths/Spline.cpp" -o "$build/path_fuzzer"

cd "$build"
# The kept inputs first: each must now pass.
./path_fuzzer "$here"/corpus/*
cp "$here"/corpus/* "$root"/assets/paths/*.csv corpus/
./path_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 -artifact_prefix="$build/" \
  -print_final_stats=1 corpus
