# The README's run command on a machine without a display: it starts its own
# Xvfb, plays the demo inside it and saves a screenshot under out/ every five
# seconds until it is interrupted; Ctrl-C (SIGINT) stops the program and the
# X server with it. The build is already there, so the command only checks it.
source "$(dirname "$0")/harness.sh"

out="$SOURCE_ROOT/out"
mkdir -p "$out"
touch "$WORK/started"
( unset DISPLAY; exec setsid bash "$SOURCE_ROOT/scripts/run.sh" ) >"$WORK/stdout" 2>"$WORK/stderr" &
RUN_PID=$!
cleanup_run() { kill -KILL -- "-$RUN_PID" 2>/dev/null || true; }
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

# A finished screenshot (the newest may still be being written) shows a
# rendered frame, not an empty screen.
finished=$(new_shots | tail -n 2 | head -n 1)
assert_gt "$(image_stddev "$finished")" 0.02 "grey spread of a screenshot from out/"

kill -INT -- "-$RUN_PID"
waited=0
while pgrep -g "$RUN_PID" >/dev/null; do
  sleep 0.2
  waited=$((waited + 1))
  [ "$waited" -lt 100 ] || fail "the program or its X server still running 20 s after Ctrl-C"
done
assert_validation_clean
new_shots | xargs rm -f
echo "PASS"
