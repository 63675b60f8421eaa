#!/usr/bin/env bash
# Builds the benchmark and runs it with the given options (see README,
# "Benchmark"); without a display it runs inside its own Xvfb, unless
# --offscreen asks for no display at all. The table goes to standard output,
# the per-frame CSV to --csv (default bench.csv here).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target kestrelwing_bench >/dev/null

offscreen=false
for argument in "$@"; do
  [ "$argument" = "--offscreen" ] && offscreen=true
done

if [ -z "${DISPLAY:-}" ] && ! $offscreen; then
  source "$root/scripts/xvfb.sh"
  start_xvfb_server || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT INT TERM
fi

echo "load: $(uptime | sed 's/.*load average: //')"
"$build/kestrelwing_bench" "$@"
