#!/usr/bin/env bash
# The offscreen benchmark on a machine with a GPU and no display, from a tree
# already built (scripts/build.sh): one run under the validation layer, one
# without it for timing, and a short one under synchronisation validation.
# Tables (*.txt), per-frame CSV files and standard error (*.err) go to the
# output folder; the exit code is 1 on any validation error or hazard.
#   bash scripts/gpu-bench.sh [--out DIR] [--frames N] [benchmark options...]
# VK_LAYER_PATH / VK_ADD_LAYER_PATH point the loader at a carried validation layer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bench="${BENCH_BUILD_DIR:-$root/build}/kestrelwing_bench"
out="$root/out/gpu-bench"
frames=60
options=()
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out="$2"; shift 2 ;;
    --frames) frames="$2"; shift 2 ;;
    *) options+=("$1"); shift ;;
  esac
done
[ -x "$bench" ] || { echo "no benchmark at $bench: build first (scripts/build.sh)" >&2; exit 2; }
mkdir -p "$out"
unset DISPLAY

sync_layer="VK_VALIDATION_FEATURE_ENABLE_SYNCHRONIZATION_VALIDATION_EXT:VALIDATION_CHECK_ENABLE_SYNCHRONIZATION_VALIDATION_QUEUE_SUBMIT"
sync_frames=$(( frames < 10 ? frames : 10 ))

# run NAME [ENVIRONMENT...] -- BENCHMARK OPTIONS: one benchmark run into $out/NAME.*
run() {
  local name="$1" environment=()
  shift
  while [ "$1" != "--" ]; do environment+=("$1"); shift; done
  shift
  echo "== $name"
  (cd "$root" && env "${environment[@]}" "$bench" --offscreen --csv "$out/$name.csv" "$@" "${options[@]}") \
    >"$out/$name.txt" 2>"$out/$name.err" || { echo "$name: the benchmark failed" >&2; tail -n 5 "$out/$name.err" >&2; return 1; }
  cat "$out/$name.txt"
}

status=0
run validated -- --frames "$frames" || status=1
run unvalidated -- --frames "$frames" --no-validation || status=1
run sync-validated "VK_LAYER_ENABLES=$sync_layer" -- --frames "$sync_frames" --warmup 2 || status=1

errors=$(cat "$out"/*.err | grep -c -E "Validation Error|SYNC-HAZARD" || true)
echo "validation errors and hazards: $errors"
if [ "$errors" -gt 0 ]; then
  grep -h -m 3 -E "Validation Error|SYNC-HAZARD" "$out"/*.err >&2
  status=1
fi
exit "$status"
