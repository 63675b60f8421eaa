# The window is shrunk, enlarged beyond the screen, restored, and hidden and
# shown again (X11 has no zero-sized windows; unmapping is what minimising
# does there). After each change the picture must fill the window exactly:
# the same view as at full size, scaled, never a stretched corner of it.
# While hidden the program sleeps; shown again, it draws at once, with no
# other event to wake it; closed while hidden, it ends normally.
source "$(dirname "$0")/harness.sh"

window() { xdotool search --name Kestrelwing | head -n 1; }

# CPU time (user and system, in clock ticks) the program has used so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }

# Root-mean-square difference (0..1) of two images after both are reduced to
# 160x90, which hides the sampling differences between render sizes and keeps
# the layout of the picture.
layout_difference() {
  convert "$1" -resize '160x90!' "$WORK/small-1.png"
  convert "$2" -resize '160x90!' "$WORK/small-2.png"
  { compare -metric RMSE "$WORK/small-1.png" "$WORK/small-2.png" null: 2>&1 || true; } |
    sed -E 's/.*\(([0-9.e-]+)\).*/\1/'
}

# wait_for_picture EXPECTED REGION LABEL: waits until the screen region shows the expected picture.
wait_for_picture() {
  local expected="$1" region="$2" label="$3" shot="$WORK/shot.png" difference="" start=$SECONDS
  while [ $((SECONDS - start)) -lt 60 ]; do
    kill -0 "$APP_PID" 2>/dev/null || fail "program ended after $label"
    sleep 2
    capture "$shot"
    convert "$shot" -crop "$region" +repage "$WORK/region.png"
    difference=$(layout_difference "$WORK/region.png" "$expected")
    if awk -v d="$difference" 'BEGIN { exit !(d < 0.015) }'; then
      keep_shot "$shot" "$label.png"
      echo "$label: difference $difference"
      return 0
    fi
  done
  keep_shot "$shot" "$label.png"
  fail "after $label the window does not show the full-size view scaled (difference $difference)"
}

start_xvfb
run_app "$SOURCE_ROOT"
wait_for_frame 180
send_key F1
send_key F3
sleep 5
capture "$WORK/full.png"
keep_shot "$WORK/full.png" full.png

xdotool windowsize "$(window)" 1280 720
convert "$WORK/full.png" -resize '1280x720!' "$WORK/expected-small.png"
wait_for_picture "$WORK/expected-small.png" 1280x720+0+0 shrunk

# Larger than the screen: the screen shows the top-left 1920x1080 of it.
xdotool windowsize "$(window)" 2560 1440
convert "$WORK/full.png" -resize '2560x1440!' -crop 1920x1080+0+0 +repage "$WORK/expected-large.png"
wait_for_picture "$WORK/expected-large.png" 1920x1080+0+0 enlarged

xdotool windowsize "$(window)" 1920 1080
wait_for_picture "$WORK/full.png" 1920x1080+0+0 restored

# Drawing takes a core or more here; a program that waits for events takes
# next to nothing.
xdotool windowunmap --sync "$(window)"
sleep 2
before=$(cpu_ticks)
sleep 4
kill -0 "$APP_PID" 2>/dev/null || fail "program ended while its window was hidden"
used=$(( $(cpu_ticks) - before ))
echo "CPU ticks used in 4 s while hidden: $used"
[ "$used" -lt 40 ] || fail "the program kept drawing while its window was hidden ($used ticks in 4 s)"
# Mapping the window is the only event the program gets: no key, no pointer.
xdotool windowmap --sync "$(window)"
wait_for_picture "$WORK/full.png" 1920x1080+0+0 shown-again

xdotool windowunmap --sync "$(window)"
sleep 2
"$(dirname "$PROGRAM")/tests/close_window" "$(window)"
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after a close request while hidden"
assert_validation_clean
echo "PASS"
