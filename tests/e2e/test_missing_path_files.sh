# A path file that cannot be opened is reported and leaves its path empty: the
# camera (or the spaceship) stays at the origin and the program goes on
# rendering finite frames, validation-clean, until Escape ends it with code 0.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/breakage.sh"
start_xvfb

for name in camera_path spaceship_path; do
  file="paths/$name.csv"
  break_file "$file" missing
  run_app "$ROOT"
  wait_for_frame 180
  # A few more frames, so that the camera has aimed at the spaceship.
  sleep 6
  capture "$WORK/$name.png"
  keep_shot "$WORK/$name.png" "without-$name.png"
  send_key Escape
  wait_app 60
  restore_file "$file"
  assert_equal "$APP_EXIT" 0 "exit code after Escape without $file"
  assert_validation_clean
  assert_equal "$(program_lines)" "Error opening file: ./assets/$file" "standard error without $file"
  # A NaN in the view would leave a flat screen.
  assert_gt "$(image_stddev "$WORK/$name.png")" 0.02 "contrast of the picture without $file"
  echo "ok: $file missing"
done
echo "PASS"
