# Shared helpers for the end-to-end tests: a private Xvfb, the real program
# run from a chosen directory with a time limit, screenshots, keys, and checks
# on its exit code and standard error. Source it; every test gets
#   $PROGRAM  the kestrelwing executable      $SOURCE_ROOT  the project root
#   $WORK     a private scratch directory, removed at exit
set -euo pipefail

PROGRAM="$(realpath "$1")"
SOURCE_ROOT="$(realpath "$2")"
WORK="$(mktemp -d /tmp/kestrelwing-e2e.XXXXXX)"
APP_PID=""
XVFB_PID=""

cleanup_harness() {
  [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
  # Waited for, so that the next test's server does not meet this one on its way out.
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup_harness EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -f "$WORK/stderr" ]; then
    echo "--- program stderr (last 40 lines) ---" >&2
    tail -n 40 "$WORK/stderr" >&2
  fi
  exit 1
}

source "$SOURCE_ROOT/scripts/xvfb.sh"

# Starts Xvfb on the first free display number from 100 and exports DISPLAY.
start_xvfb() {
  start_xvfb_server 100 || fail "Xvfb did not start on $DISPLAY"
}

# run_app DIR [OPTION...]: starts the program in DIR with the options in the
# background; stdout goes to $WORK/stdout, stderr to $WORK/stderr.
run_app() {
  local dir="$1"
  shift
  (cd "$dir" && exec "$PROGRAM" "$@") >"$WORK/stdout" 2>"$WORK/stderr" &
  APP_PID=$!
}

# wait_app SECONDS: waits for the program to end and sets APP_EXIT to its exit
# code; fails on a timeout. (Not for command substitution: only this shell can
# wait for its child.)
wait_app() {
  local limit="$1" waited=0
  while kill -0 "$APP_PID" 2>/dev/null; do
    sleep 0.2
    waited=$((waited + 1))
    [ "$waited" -ge $((limit * 5)) ] && fail "program still running after ${limit}s"
  done
  APP_EXIT=0
  wait "$APP_PID" || APP_EXIT=$?
  APP_PID=""
}

# run_to_exit DIR SECONDS [OPTION...]: runs the program to its end; sets APP_EXIT.
run_to_exit() {
  local dir="$1" limit="$2"
  shift 2
  run_app "$dir" "$@"
  wait_app "$limit"
}

# Screenshots are PNG at zlib level 1 without filtering: a quarter of the
# encoding time of the default, which matters on two cores shared with the
# software rasteriser being tested.
capture() {
  import -window root -quality 10 "$1" 2>/dev/null || fail "screenshot failed"
}

# send_key KEY: a real key press and release through XTEST to the program's window.
send_key() {
  xdotool search --sync --name Kestrelwing windowfocus --sync key "$1"
}

# hold_key KEY SECONDS
hold_key() {
  xdotool search --sync --name Kestrelwing windowfocus --sync keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# Mean and standard deviation of the grey level (0..1) of an image or a region (WxH+X+Y).
image_mean() { convert "$1" ${2:+-crop "$2" +repage} -colorspace Gray -format "%[fx:mean]" info:; }
image_stddev() { convert "$1" ${2:+-crop "$2" +repage} -colorspace Gray -format "%[fx:standard_deviation]" info:; }

# Fraction of pixels that differ between two images (fuzz 3%).
image_difference() {
  # compare exits 1 when the images differ, which is the point here.
  local pixels
  pixels=$(identify -format "%[fx:w*h]" "$1")
  { compare -metric AE -fuzz 3% "$1" "$2" null: 2>&1 || true; } | awk -v n="$pixels" '{ printf "%.6f", $1 / n }'
}

# Waits until the screen shows a rendered frame (not a single flat colour); fails after SECONDS.
wait_for_frame() {
  local limit="$1" shot="$WORK/wait.png" start=$SECONDS
  while [ $((SECONDS - start)) -lt "$limit" ]; do
    kill -0 "$APP_PID" 2>/dev/null || fail "program ended before drawing"
    capture "$shot"
    if awk -v s="$(image_stddev "$shot")" 'BEGIN { exit !(s > 0.02) }'; then
      return 0
    fi
    sleep 1
  done
  fail "no rendered frame within ${limit}s"
}

# Fails on any validation error or synchronisation hazard in the program's output.
assert_validation_clean() {
  if grep -E "Validation Error|SYNC-HAZARD" "$WORK/stderr" >/dev/null; then
    fail "validation layer reported errors: $(grep -m1 -E 'Validation Error|SYNC-HAZARD' "$WORK/stderr")"
  fi
}

# The program's standard error without the software driver's conformance notice.
stderr_lines() { grep -v "lavapipe is not a conformant vulkan implementation" "$WORK/stderr" || true; }

assert_equal() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }

# assert_gt A B MESSAGE: floating-point A > B.
assert_gt() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }' || fail "$3: $1 is not above $2"; }

# Screenshots worth keeping for a look afterwards go to e2e-shots/<test>/ in
# the build folder, beside the program.
SHOTS="$(dirname "$PROGRAM")/e2e-shots/$(basename "$0" .sh)"
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
keep_shot() { cp "$1" "$SHOTS/$2"; }

# Fraction of pixels that differ by more than the fuzz between two screenshots.
assert_images_differ() {
  local fraction
  fraction=$(image_difference "$1" "$2")
  awk -v f="$fraction" -v min="$3" 'BEGIN { exit !(f > min) }' || fail "$4: only $fraction of the pixels differ"
}

# wait_for_change REFERENCE OUT MIN SECONDS [CROP]: captures the screen into OUT
# until it differs from REFERENCE in more than the fraction MIN of its pixels
# (within the region CROP, WxH+X+Y, if given). Frames come slowly on a loaded
# software rasteriser, so tests wait for what they expect instead of sleeping.
wait_for_change() {
  local reference="$1" out="$2" min="$3" limit="$4" crop="${5:-}" start=$SECONDS
  local ref="$WORK/change-ref.miff" now="$WORK/change-now.miff" fraction=0
  convert "$reference" ${crop:+-crop "$crop" +repage} "$ref"
  while [ $((SECONDS - start)) -lt "$limit" ]; do
    capture "$out"
    convert "$out" ${crop:+-crop "$crop" +repage} "$now"
    fraction=$(image_difference "$ref" "$now")
    awk -v f="$fraction" -v m="$min" 'BEGIN { exit !(f > m) }' && return 0
    sleep 0.3
  done
  fail "the screen did not change by more than $min within ${limit}s (last: $fraction)"
}
