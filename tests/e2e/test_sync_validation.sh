# The whole demo runs well over fifty frames under the validation layer with
# synchronisation validation switched on through the layer's own variables
# (the program reads no environment), across a swap-chain recreation (the
# window made smaller and restored) and display-mode switches, and ends with
# code 0 on Escape with no error, no hazard and nothing else on standard error.
#
# The program prints nothing per frame, so frames are counted from outside: a
# fingerprint of the screen is sampled over and over, and each sample that
# differs from the one before counts. The software driver sends an image that
# fits the X server's request limit (16 MB with big requests; a 1920 x 1080
# frame is 8 MB) as one PutImage request, and a sample is one GetImage request;
# the X server runs requests one at a time, so a sample never shows a
# half-copied frame, and every change between two samples needs at least one
# newly presented frame.
# The count is a lower bound on the frames drawn; each phase runs until it
# reaches its share.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/breakage.sh"
start_xvfb
export VK_LAYER_ENABLES=VK_VALIDATION_FEATURE_ENABLE_SYNCHRONIZATION_VALIDATION_EXT:VALIDATION_CHECK_ENABLE_SYNCHRONIZATION_VALIDATION_QUEUE_SUBMIT

FRAMES=0
screen_print() { import -window root rgb:- 2>/dev/null | md5sum; }

# count_frames N SECONDS: samples the screen until N more pictures have been counted.
count_frames() {
  local target=$((FRAMES + $1)) limit="$2" start=$SECONDS previous now
  previous=$(screen_print)
  while [ "$FRAMES" -lt "$target" ]; do
    [ $((SECONDS - start)) -lt "$limit" ] || fail "only $FRAMES frames counted after ${limit}s more"
    kill -0 "$APP_PID" 2>/dev/null || fail "program ended after $FRAMES frames"
    sleep 0.2
    now=$(screen_print)
    if [ "$now" != "$previous" ]; then
      FRAMES=$((FRAMES + 1))
    fi
    previous="$now"
  done
  echo "$FRAMES frames counted at $((SECONDS - STARTED))s"
}

resize_window() { xdotool search --sync --name Kestrelwing windowsize "$1" "$2"; }

STARTED=$SECONDS
run_app "$SOURCE_ROOT"
wait_for_frame 240
echo "first frame at $((SECONDS - STARTED))s"
count_frames 15 120

# A smaller window and back: the swap chain no longer matches the window, so
# frames keep coming only through a new one (the pictures themselves are the
# window-size test's business).
resize_window 1280 720
count_frames 10 120
capture "$WORK/small.png"
keep_shot "$WORK/small.png" small-window.png
assert_gt "$(image_stddev "$WORK/small.png" 1280x720+0+0)" 0.02 "contrast inside the smaller window"
assert_equal "$(image_stddev "$WORK/small.png" 640x360+1280+720)" 0 "the screen outside the smaller window"
resize_window 1920 1080
count_frames 10 120

# The free camera and three display modes, then back to the path camera.
send_key F1
send_key F4
count_frames 5 120
send_key F8
count_frames 5 120
send_key F3
send_key F1
count_frames 5 120

send_key Escape
wait_app 120
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
assert_equal "$(program_lines)" "" "standard error"
echo "PASS ($FRAMES frames counted)"
