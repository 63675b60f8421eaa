# --windowed --size 800x600 opens a decorated, resizable window of exactly
# that size (not full screen); resized larger, the picture grows to fill it and
# the program keeps drawing, validation-clean, until Escape ends it with code 0.
source "$(dirname "$0")/harness.sh"

geometry() { xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: //p'; }

# region_mean REGION: the grey mean of a screen region (WxH+X+Y), from a fresh screenshot.
region_mean() {
  capture "$WORK/region.png"
  image_mean "$WORK/region.png" "$1"
}

start_xvfb
run_app "$WORK" --windowed --size 800x600
window=$(xdotool search --sync --name Kestrelwing | head -n 1)
assert_equal "$(geometry "$window")" 800x600 "window size"
# Without a window manager here, the hints are what a window manager would
# follow: no request to leave off the frame, and no maximum size.
xprop -id "$window" _MOTIF_WM_HINTS | grep -q "not found" || fail "the window asks to be undecorated"
if xprop -id "$window" WM_NORMAL_HINTS | grep -q "maximum size"; then
  fail "the window has a maximum size: $(xprop -id "$window" WM_NORMAL_HINTS)"
fi
wait_for_frame 120
grep -q ", 800x600 window, validation on$" "$WORK/stdout" || fail "start line: $(cat "$WORK/stdout")"
# Nothing is drawn outside the window.
assert_equal "$(awk -v m="$(region_mean 1120x480+800+600)" 'BEGIN { print (m < 0.01) }')" 1 "black outside the window"

xdotool windowsize "$window" 1024 768
assert_equal "$(geometry "$window")" 1024x768 "window size after resizing"
# The strips the window gained are drawn into once the swap chain follows.
start=$SECONDS
until awk -v r="$(region_mean 224x768+800+0)" -v b="$(region_mean 1024x168+0+600)" 'BEGIN { exit !(r > 0.05 && b > 0.05) }'; do
  kill -0 "$APP_PID" 2>/dev/null || fail "program ended after the resize"
  [ $((SECONDS - start)) -lt 90 ] || fail "the window's new area stays empty after the resize"
  sleep 1
done
capture "$WORK/resized.png"
keep_shot "$WORK/resized.png" resized.png
wait_for_change "$WORK/resized.png" "$WORK/later.png" 0.01 90 1024x768+0+0

send_key Escape
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
echo "PASS"
