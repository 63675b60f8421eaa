# The frame target is the only difference between a windowed and an offscreen
# run: the benchmark's final frame at the same timeline second, read from the
# X server in one and read back from the renderer's own image in the other,
# agrees within the golden images' tolerance.
source "$(dirname "$0")/harness.sh"
BUILD="$(dirname "$PROGRAM")"
start_xvfb

mkdir "$WORK/windowed" "$WORK/offscreen"
run_bench() {
  (cd "$SOURCE_ROOT" && "$BUILD/kestrelwing_bench" --frames 1 --warmup 0 --capture 20 --csv "$WORK/frames.csv" "$@") \
    >"$WORK/stdout" 2>"$WORK/stderr" || fail "benchmark $* failed with code $?"
  assert_validation_clean
}
run_bench --out "$WORK/windowed"
run_bench --out "$WORK/offscreen" --offscreen
keep_shot "$WORK/windowed/t20.00.png" windowed.png

"$BUILD/kestrelwing_golden" --compare "$WORK/windowed/t20.00.png" "$WORK/offscreen/t20.00.png" ||
  fail "the windowed and offscreen frames differ"
assert_gt "$(image_stddev "$WORK/windowed/t20.00.png")" 0.02 "contrast of the windowed frame"
echo "PASS"
