#!/usr/bin/env bash
# Remakes the screenshots of docs/gallery/ from the built program: the path
# camera at five moments of the cycle, the seven display modes as the timeline
# shows them, then the free camera under the reflective cube and beside the
# dust. Runs under its own Xvfb; about 90 seconds. Build first (scripts/build.sh).
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tests/e2e/harness.sh" "$root/build/kestrelwing" "$root"
gallery="$root/docs/gallery"

# shoot NAME [CROP]: the screen (or a 960x540 crop of it) as a 960x540 JPEG.
shoot() {
  capture "$WORK/shot.png"
  if [ -n "${2:-}" ]; then
    convert "$WORK/shot.png" -crop "$2" +repage -quality 85 "$gallery/$1.jpg"
  else
    convert "$WORK/shot.png" -resize 960x540 -quality 85 "$gallery/$1.jpg"
  fi
  echo "$1 at $((SECONDS - started)) s"
}

# at SECONDS: waits until that many seconds have passed since the start.
at() { while [ $((SECONDS - started)) -lt "$1" ]; do sleep 0.2; done; }

start_xvfb
started=$SECONDS
run_app "$SOURCE_ROOT"
wait_for_frame 180

# The timeline runs from the start: the final image until 30 s, then modes 1
# to 7 for five seconds each.
at 2; shoot cycle-early
at 8; shoot cycle-arch
at 13; shoot cycle-mesas
at 20; shoot cycle-rock
at 23; shoot cycle-mirror
mode=1
for second in 32 37 42 47 52 57 62; do
  at "$second"
  shoot "mode-$mode"
  mode=$((mode + 1))
done
mv "$gallery/mode-1.jpg" "$gallery/mode-1-albedo.jpg"
mv "$gallery/mode-2.jpg" "$gallery/mode-2-normals.jpg"
mv "$gallery/mode-3.jpg" "$gallery/mode-3-coefficients.jpg"
mv "$gallery/mode-4.jpg" "$gallery/mode-4-material.jpg"
mv "$gallery/mode-5.jpg" "$gallery/mode-5-position.jpg"
mv "$gallery/mode-6.jpg" "$gallery/mode-6-lighting.jpg"
mv "$gallery/mode-7.jpg" "$gallery/mode-7-overview.jpg"

# The free camera starts at (0, 0, 10). Each cursor offset is read once: 720
# pixels turn the view 60 degrees, 135 pixels tilt it 20 degrees. Three turns
# right and a tilt up face the cube from below; one more turn faces the dust.
send_key F1
send_key F3
sleep 3
xdotool mousemove 960 540 click 1
sleep 2
for _ in 1 2 3; do
  xdotool mousemove 1680 540
  sleep 3
done
xdotool mousemove 960 405
sleep 4
shoot mirror-from-below
xdotool mousemove 960 675
sleep 3
for _ in 1 2 3 4; do
  xdotool mousemove 1680 540
  sleep 3
done
sleep 2
shoot dust-closeup "960x540+480+0"
send_key Escape
wait_app 60
assert_validation_clean
