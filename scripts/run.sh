#!/usr/bin/env bash
# Installs what is missing, builds, and plays the demo, from any directory;
# arguments go on to the program (kestrelwing --help lists them). Without a
# display it runs inside its own Xvfb and saves a screenshot every few seconds
# under out/. KESTRELWING_BUILD_DIR names another build folder than build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${KESTRELWING_BUILD_DIR:-$root/build}/kestrelwing"
bash "$root/scripts/install-deps.sh"
# The demo with its shaders and generated assets; the tests are not needed to play it.
bash "$root/scripts/build.sh" kestrelwing

if [ -n "${DISPLAY:-}" ]; then
  exec "$program" "$@"
fi

source "$root/scripts/xvfb.sh"
# The X server must outlive the program drawing into it.
start_xvfb_server --own-session || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
xvfb=$XVFB_PID

mkdir -p "$root/out"
"$program" "$@" &
demo=$!
# The program first, then its X server: a server gone under a running program
# makes it fail on its way out.
stop() {
  trap - EXIT INT TERM
  kill "$demo" 2>/dev/null || true
  wait "$demo" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap stop EXIT
trap 'stop; exit 130' INT
trap 'stop; exit 143' TERM
echo "No display: running under Xvfb $DISPLAY, screenshots go to $root/out/ (Ctrl-C to stop)."
shot=0
while kill -0 "$demo" 2>/dev/null; do
  sleep 5
  shot=$((shot + 1))
  import -window root "$root/out/shot-$(printf '%04d' "$shot").png" 2>/dev/null || true
done
wait "$demo"
