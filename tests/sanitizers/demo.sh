# The sanitized program starts, draws, and ends with code 0 on Escape, with no
# sanitizer report and no validation error on its standard error.
source "$(dirname "$0")/../e2e/harness.sh"
start_xvfb
run_app "$SOURCE_ROOT"
wait_for_frame 300
sleep 5
send_key Escape
wait_app 120
if grep -E "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" "$WORK/stderr" >/dev/null; then
  fail "sanitizer report: $(grep -m1 -E 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$WORK/stderr")"
fi
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
echo "PASS"
