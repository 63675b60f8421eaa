#!/usr/bin/env bash
# Installs what is missing, builds, and plays the demo. Without a display it
# runs inside its own Xvfb and saves a screenshot every few seconds under out/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

if [ -n "${DISPLAY:-}" ]; then
  exec "$root/build/kestrelwing"
fi

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

mkdir -p "$root/out"
"$root/build/kestrelwing" &
demo=$!
trap 'kill $demo $xvfb 2>/dev/null || true' EXIT INT TERM
echo "No display: running under Xvfb $DISPLAY, screenshots go to $root/out/ (Ctrl-C to stop)."
shot=0
while kill -0 "$demo" 2>/dev/null; do
  sleep 5
  shot=$((shot + 1))
  import -window root "$root/out/shot-$(printf '%04d' "$shot").png" 2>/dev/null || true
done
wait "$demo"
