# The reflective cube seen from the free camera's start, turned round and
# tilted up towards it: its front face mirrors the sky and its bottom face the
# sand (a reflection upside down, or no reflection at all, fails one of them).
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/look.sh"
start_xvfb
run_app "$SOURCE_ROOT"
wait_for_frame 180
send_key F1
sleep 3

# Each cursor offset is read once and turns the view: 720 pixels right turn it
# 60 degrees, 135 pixels up tilt it 20 degrees. Three turns face the cube.
xdotool mousemove 960 540 click 1
sleep 3
for _ in 1 2 3; do
  xdotool mousemove 1680 540
  sleep 3
done
xdotool mousemove 960 405
sleep 3
xdotool mousemove 960 540 click 1
sleep 3
capture "$WORK/cube.png"
keep_shot "$WORK/cube.png" cube.png

front="160x120+882+340"
bottom_face="160x36+882+505"
read -r front_r _ front_b <<<"$(region_rgb "$WORK/cube.png" "$front")"
read -r bottom_r _ bottom_b <<<"$(region_rgb "$WORK/cube.png" "$bottom_face")"
assert_gt "$front_b" "$(awk -v r="$front_r" 'BEGIN { print r + 0.05 }')" "blue sky in the front face (red $front_r)"
assert_gt "$bottom_r" "$(awk -v b="$bottom_b" 'BEGIN { print b + 0.05 }')" "sand in the bottom face (blue $bottom_b)"

send_key Escape
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
echo "PASS"
