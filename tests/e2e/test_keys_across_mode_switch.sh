# Movement keys held while F1 hands the view to the path camera, and let go
# there, do not stay held: back in free-camera mode the camera stands still
# until a key is pressed again. The keys go through XTEST like a user's.
source "$(dirname "$0")/harness.sh"

start_xvfb
run_app "$SOURCE_ROOT"
wait_for_frame 180
capture "$WORK/path.png"
send_key F1
wait_for_change "$WORK/path.png" "$WORK/free.png" 0.2 120
sleep 3
capture "$WORK/free.png"

# Shift and W held: the free camera flies forward fast.
xdotool search --sync --name Kestrelwing windowfocus --sync keydown shift keydown w
wait_for_change "$WORK/free.png" "$WORK/flying.png" 0.05 120
keep_shot "$WORK/flying.png" flying.png
# Still holding them, F1 to the path camera; they are let go there.
send_key F1
wait_for_change "$WORK/flying.png" "$WORK/path-again.png" 0.2 120
xdotool keyup w keyup shift
sleep 2

send_key F1
wait_for_change "$WORK/path-again.png" "$WORK/still-1.png" 0.2 120
sleep 2
capture "$WORK/still-1.png"
keep_shot "$WORK/still-1.png" still-1.png
sleep 8
capture "$WORK/still-2.png"
keep_shot "$WORK/still-2.png" still-2.png
moved=$(image_difference "$WORK/still-1.png" "$WORK/still-2.png")
echo "pixels changed while no key is held: $moved"
awk -v m="$moved" 'BEGIN { exit !(m < 0.02) }' || fail "the free camera drifted with no key held: $moved of the pixels changed"

send_key Escape
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
echo "PASS"
