# The README's run command on a machine without a display: it starts its own
# Xvfb, plays the demo inside it and saves a screenshot under out/ every five
# seconds until it is interrupted; Ctrl-C (SIGINT) stops the program, then the
# X server, and the command ends quietly with code 0 or 130. The build is
# already there, so the command only checks the demo's part of it, not the tests.
source "$(dirname "$0")/harness.sh"

out="$SOURCE_ROOT/out"
mkdir -p "$out"
touch "$WORK/started"
# The build folder under test, wherever it is; started from elsewhere, as the
# command works from any directory.
build="$(dirname "$PROGRAM")"
( unset DISPLAY; cd /; KESTRELWING_BUILD_DIR="$build" exec setsid bash "$SOURCE_ROOT/scripts/run.sh" ) \
  >"$WORK/stdout" 2>"$WORK/stderr" &
RUN_PID=$!
RUN_XVFB=""
cleanup_run() {
  kill -KILL -- "-$RUN_PID" 2>/dev/null || true
  [ -n "$RUN_XVFB" ] && kill "$RUN_XVFB" 2>/dev/null || true
}
trap 'cleanup_run; cleanup_harness' EXIT

# new_shots: the screenshots written since this test started.
new_shots() { find "$out" -maxdepth 1 -name 'shot-*.png' -newer "$WORK/started" | sort; }

start=$SECONDS
until [ "$(new_shots | wc -l)" -ge 3 ]; do
  kill -0 "$RUN_PID" 2>/dev/null || fail "the run command ended by itself: $(tail -n 3 "$WORK/stderr")"
  [ $((SECONDS - start)) -lt 120 ] || fail "fewer than three screenshots in out/ after 120 s"
  sleep 1
done
grep -q "No display: running under Xvfb" "$WORK/stdout" || fail "the run command did not say it runs under Xvfb"
# The X server runs in a session of its own, out of reach of the terminal's
# Ctrl-C; its lock file names it.
display=$(sed -n -E 's/^No display: running under Xvfb :([0-9]+),.*/\1/p' "$WORK/stdout")
RUN_XVFB=$(tr -d ' ' <"/tmp/.X${display}-lock")
kill -0 "$RUN_XVFB" 2>/dev/null || fail "no X server running for display :$display"

# Make names each target it brings up to date: the demo's, not the tests'.
if grep -q '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles$' "$build/CMakeCache.txt"; then
  grep -q 'Built target kestrelwing$' "$WORK/stdout" || fail "the run command did not build the demo"
  if grep -E 'Built target (unit_tests|kestrelwing_bench|close_window)$' "$WORK/stdout"; then
    fail "the run command built more than the demo needs"
  fi
fi

# A finished screenshot (the newest may still be being written) shows a
# rendered frame, not an empty screen.
finished=$(new_shots | tail -n 2 | head -n 1)
assert_gt "$(image_stddev "$finished")" 0.02 "grey spread of a screenshot from out/"

# Ctrl-C in a terminal signals the foreground process group.
kill -INT -- "-$RUN_PID"
waited=0
while pgrep -g "$RUN_PID" >/dev/null || kill -0 "$RUN_XVFB" 2>/dev/null; do
  sleep 0.2
  waited=$((waited + 1))
  [ "$waited" -lt 100 ] || fail "the program or its X server still running 20 s after Ctrl-C"
done
RUN_XVFB=""
code=0
wait "$RUN_PID" || code=$?
[ "$code" -eq 0 ] || [ "$code" -eq 130 ] || fail "the run command ended with code $code after Ctrl-C"
# The program's own lines on the way out (its failures read "failed to ...!").
if grep -v '^validation layer: ' "$WORK/stderr" | grep -E 'failed to|!$'; then
  fail "the run command did not end quietly after Ctrl-C"
fi
assert_validation_clean
new_shots | xargs rm -f
echo "PASS"
