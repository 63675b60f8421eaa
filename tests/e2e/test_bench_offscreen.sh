# The benchmark runs with no display at all: DISPLAY unset, no X server
# started, thirty frames offscreen at 1920 x 1080, validation-clean, exit 0.
# Bad values end it with one line naming the fault and code 2.
source "$(dirname "$0")/harness.sh"
BENCH="$(dirname "$PROGRAM")/kestrelwing_bench"
unset DISPLAY

(cd "$SOURCE_ROOT" && "$BENCH" --offscreen --frames 30 --csv "$WORK/frames.csv") >"$WORK/stdout" 2>"$WORK/stderr" ||
  fail "offscreen benchmark failed with code $?"
assert_validation_clean
grep -q "1920x1080, 98304 particles, 800 px environment faces, 30 frames after 5 warm-up, offscreen, validation on" \
  "$WORK/stdout" || fail "header: $(head -1 "$WORK/stdout")"
assert_equal "$(tail -n +2 "$WORK/frames.csv" | wc -l)" 30 "CSV lines"

# Captures come back at the offscreen size, one PNG per timeline second.
mkdir "$WORK/shots"
(cd "$SOURCE_ROOT" && "$BENCH" --offscreen --width 320 --height 180 --frames 1 --warmup 0 --particles 512 --face 64 \
  --capture 3,41.5 --out "$WORK/shots" --csv "$WORK/small.csv") >"$WORK/stdout" 2>"$WORK/stderr" ||
  fail "capture run failed with code $?"
assert_validation_clean
for shot in t03.00.png t41.50.png; do
  assert_equal "$(identify -format '%wx%h' "$WORK/shots/$shot")" "320x180" "size of $shot"
done
assert_gt "$(image_stddev "$WORK/shots/t03.00.png")" 0.02 "contrast of the capture at 3 s"

# A posed free camera looks where it is told (up is -y): down at the sand, the
# frame is warm; straight up, it is sky blue.
posed() {
  mkdir -p "$WORK/$1"
  (cd "$SOURCE_ROOT" && "$BENCH" --offscreen --width 160 --height 90 --frames 1 --warmup 0 --particles 512 --face 64 \
    --camera free --eye 0,-20,10 --look-at "$2" --capture 12 --out "$WORK/$1" --csv "$WORK/$1.csv") \
    >"$WORK/stdout" 2>"$WORK/stderr" || fail "posed capture '$1' failed with code $?"
  assert_validation_clean
  convert "$WORK/$1/t12.00.png" -format "%[fx:mean.r - mean.b]" info:
}
assert_gt "$(posed down 0.1,0,10)" 0.1 "red over blue looking down at the sand"
assert_gt "$(awk -v d="$(posed up 0.1,-100,10)" 'BEGIN { print -d }')" 0.1 "blue over red looking up at the sky"

bad_value() {
  local expected="$1" code=0
  shift
  "$BENCH" "$@" >"$WORK/bad.out" 2>"$WORK/bad.err" || code=$?
  assert_equal "$code" 2 "exit code for $*"
  assert_equal "$(wc -l <"$WORK/bad.err")" 1 "lines of error for $*"
  grep -q "^kestrelwing_bench: .*$expected" "$WORK/bad.err" || fail "for $*: $(cat "$WORK/bad.err")"
}
chmod 500 "$WORK/shots"
bad_value "--width takes a whole number of at least 1, not '-320'" --offscreen --width -320
bad_value "--height takes a whole number of at least 1, not '0'" --offscreen --height 0
bad_value "--mode takes a display mode from 0 to 7, not '8'" --mode 8
bad_value "--mode takes a whole number of at least 0, not '-1'" --mode -1
bad_value "--camera takes path or free, not 'orbit'" --camera orbit
bad_value "--eye takes a point X,Y,Z, not '1,2'" --camera free --eye 1,2 --look-at 0,0,0
bad_value "--look-at takes a point X,Y,Z, not '1,2,z'" --camera free --eye 1,2,3 --look-at 1,2,z
bad_value "--eye and --look-at go together" --camera free --eye 1,2,3
bad_value "--eye and --look-at need --camera free" --eye 1,2,3 --look-at 0,0,0
bad_value "--out '/nonexistent/folder' is not a folder" --capture 5 --out /nonexistent/folder
bad_value "--capture takes timeline seconds from 0 to below 85, not '90'" --capture 5,90 --out "$WORK"
bad_value "--width and --height need --offscreen" --width 640
bad_value "--no-validation needs --offscreen" --no-validation
if [ "$(id -u)" -ne 0 ]; then
  bad_value "--out '$WORK/shots' is not a folder this run can write to" --capture 5 --out "$WORK/shots"
fi
echo "PASS"
