# The whole scene plays from the path camera: at least twenty different frames
# reach the screen one after another, the sky is above the ground, and Escape
# ends the program cleanly with nothing from the validation layer.
source "$(dirname "$0")/harness.sh"
start_xvfb
run_app "$SOURCE_ROOT"
wait_for_frame 180
capture "$WORK/path-0.png"
# The camera flies on, so each presented frame differs from the one before:
# twenty changes seen on the screen are at least twenty frames.
for i in $(seq 1 20); do
  wait_for_change "$WORK/path-$((i - 1)).png" "$WORK/path-$i.png" 0.01 60
done
keep_shot "$WORK/path-1.png" path-camera.png
send_key Escape
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean

shot="$WORK/path-1.png"
assert_gt "$(image_stddev "$shot")" 0.05 "the picture has contrast"
# Sky at the top of the screen, sand at the bottom: even when the camera looks
# down and only the pale haze of the horizon shows at the top, that is much
# less red against blue than the sunlit sand.
warmth() {
  convert "$shot" -crop "$1" +repage -format "%[fx:mean.r - mean.b]" info:
}
top=$(warmth "1920x150+0+0")
bottom=$(warmth "1920x150+0+930")
assert_gt "$bottom" "$(awk -v t="$top" 'BEGIN { print t + 0.1 }')" "sand at the bottom warmer than the sky at the top ($top)"
echo "PASS"
