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
  display=99
  while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
  done
  Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT INT TERM
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

echo "load: $(uptime | sed 's/.*load average: //')"
"$build/kestrelwing_bench" "$@"
