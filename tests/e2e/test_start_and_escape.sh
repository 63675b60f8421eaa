# The program starts under Xvfb from a build folder two levels below the
# project root, draws frames, and ends with code 0 on Escape, validation-clean.
source "$(dirname "$0")/harness.sh"
start_xvfb
mkdir -p "$SOURCE_ROOT/build/e2e-start/nested"
run_app "$SOURCE_ROOT/build/e2e-start/nested"
wait_for_frame 120
sleep 3
capture "$WORK/frame.png"
send_key Escape
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
extra=$(stderr_lines | grep -v "^validation layer: " || true)
[ -z "$extra" ] || fail "unexpected output on standard error: $extra"
echo "PASS"
