# The keys a viewer uses besides steering: P holds the scene still (the free
# camera standing still sees the same frame seconds later), F2 shows the
# overlay only inside its own rectangle and hides it again, F12 saves the
# frame on the screen without the overlay, twice into two files, and the
# right arrow moves a paused path-mode timeline five seconds on, into the
# albedo view that starts at 30 s. A screenshot folder that cannot be made
# costs one line, and the demo goes on.
source "$(dirname "$0")/harness.sh"
BUILD="$(dirname "$PROGRAM")"
start_xvfb

window="960x540+0+0"
shot() { capture "$WORK/root.png"; convert "$WORK/root.png" -crop "$window" +repage "$1"; }
# identical A B: no pixel differs at all.
identical() { [ "$({ compare -metric AE "$1" "$2" null: 2>&1 || true; } | cut -d' ' -f1)" = "0" ]; }
# saved_shot N: the file named by the Nth "Screenshot saved" line, once it is there.
saved_shot() {
  local start=$SECONDS
  while [ "$(grep -c '^Screenshot saved: ' "$WORK/stdout" || true)" -lt "$1" ]; do
    [ $((SECONDS - start)) -lt 120 ] || fail "no screenshot $1 reported"
    sleep 0.5
  done
  grep '^Screenshot saved: ' "$WORK/stdout" | sed -n "${1}p" | sed 's/^Screenshot saved: //'
}
# The timeline second in a screenshot's name.
second_of() { basename "$1" | sed -E 's/^kestrelwing-t0*([0-9.]+)-[0-9]+\.png$/\1/'; }

mkdir "$WORK/viewer"
run_app "$WORK/viewer" --windowed --size 960x540 --time 15
wait_for_frame 180
send_key p
send_key F1
sleep 6
shot "$WORK/still-1.png"
sleep 4
shot "$WORK/still-2.png"
identical "$WORK/still-1.png" "$WORK/still-2.png" || fail "the paused scene changed under a still free camera"

send_key F2
wait_for_change "$WORK/still-1.png" "$WORK/root.png" 0.01 120
sleep 4
shot "$WORK/overlay.png"
keep_shot "$WORK/overlay.png" overlay.png
compare "$WORK/still-1.png" "$WORK/overlay.png" -compose src -highlight-color white -lowlight-color black \
  "$WORK/changed.png" 2>/dev/null || true
changed=$(convert "$WORK/changed.png" -trim -format "%w %h %X %Y" info: | tr -d '+')
read -r w h x y <<<"$changed"
[ $((x + w)) -le 480 ] && [ $((y + h)) -le 400 ] || fail "the overlay changed pixels outside its corner: ${w}x${h} at $x,$y"

send_key F2
sleep 6
shot "$WORK/hidden.png"
identical "$WORK/still-1.png" "$WORK/hidden.png" || fail "F2 did not hide the overlay again"

send_key F2
sleep 4
send_key F12
first=$(saved_shot 1)
send_key F12
second=$(saved_shot 2)
[ "$first" != "$second" ] && [ -f "$first" ] && [ -f "$second" ] || fail "two F12 presses did not give two files"
[ "$(dirname "$first")" = "$WORK/viewer/screenshots" ] || fail "screenshot not under the starting folder: $first"
"$BUILD/kestrelwing_golden" --compare "$WORK/still-1.png" "$first" || fail "the saved frame is not the screen's"

send_key F1
send_key F12
paused_at=$(second_of "$(saved_shot 3)")
# Frames come slowly here, so the pause lands at no fixed second: step on to
# the last five-second step before 30 s, and cross it with the next.
steps=$(awk -v t="$paused_at" 'BEGIN { print (t < 30 ? int((30 - t) / 5) : -1) }')
[ "$steps" -ge 0 ] || fail "the timeline was paused only at $paused_at s"
# The path camera turns to the spaceship of the frame before, so the first
# frame after a jump still looks where the ship was: the shots wait a frame.
for _ in $(seq 1 "$steps"); do send_key Right; done
sleep 6
send_key F12
before=$(saved_shot 4)
send_key Right
wait_for_change "$before" "$WORK/root.png" 0.05 120 "$window"
sleep 6
send_key F12
after=$(saved_shot 5)
keep_shot "$after" after-seek.png
t0=$(second_of "$before")
t1=$(second_of "$after")
awk -v a="$t0" -v b="$t1" 'BEGIN { exit !(a < 30 && b > 30 && b - a > 4.99 && b - a < 5.01) }' ||
  fail "the right arrow moved the timeline from $t0 to $t1"
send_key Escape
wait_app 120
assert_equal "$APP_EXIT" 0 "exit code"
assert_validation_clean

# The same second offscreen in the final image and in the albedo view: each
# saved frame is nearer the view its second calls for.
for mode in 0 1; do
  mkdir "$WORK/mode-$mode"
  (cd "$SOURCE_ROOT" && "$BUILD/kestrelwing_bench" --offscreen --width 960 --height 540 --frames 1 --warmup 0 \
    --mode "$mode" --capture "$t0,$t1" --out "$WORK/mode-$mode" --csv "$WORK/frames.csv") >/dev/null 2>&1 ||
    fail "offscreen reference in mode $mode failed"
done
rmse() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -E 's/.*\((.*)\)/\1/'; }
reference() { printf "%s/mode-%s/t%05.2f.png" "$WORK" "$1" "$2"; }
assert_gt "$(rmse "$before" "$(reference 1 "$t0")")" "$(rmse "$before" "$(reference 0 "$t0")")" "the frame before the seek is the final image"
assert_gt "$(rmse "$after" "$(reference 0 "$t1")")" "$(rmse "$after" "$(reference 1 "$t1")")" "the frame after the seek is the albedo view"

mkdir "$WORK/blocked"
touch "$WORK/blocked/screenshots"
run_app "$WORK/blocked" --windowed --size 480x270
wait_for_frame 180
send_key F12
start=$SECONDS
until grep -q "^Screenshot not saved: " "$WORK/stderr"; do
  [ $((SECONDS - start)) -lt 120 ] || fail "no line for the screenshot that could not be saved"
  sleep 0.5
done
capture "$WORK/after-failure.png"
wait_for_change "$WORK/after-failure.png" "$WORK/later.png" 0.01 120
send_key Escape
wait_app 120
assert_equal "$APP_EXIT" 0 "exit code after a failed screenshot"
assert_equal "$(stderr_lines | grep -c 'Screenshot not saved')" 1 "lines for one failed screenshot"
assert_validation_clean
echo "PASS"
