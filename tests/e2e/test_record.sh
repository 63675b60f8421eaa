# Recording the flight to a video with no display: the frame count and size
# ffprobe reads back, the first frame against the benchmark's capture of the
# same second, two recordings alike, one line and code 2 for each refusal
# before a frame is drawn, a failing encoder (code 1, no file), and Ctrl-C
# (code 130, a playable file of the frames done).
source "$(dirname "$0")/harness.sh"
BENCH="$(dirname "$PROGRAM")/kestrelwing_bench"
unset DISPLAY
cd "$SOURCE_ROOT"

# A 4:2:0 H.264 frame of this scene loses 36 to 37 dB to the codec at 320 x 180;
# the same frame a thirtieth of a second later scores 29 dB.
PSNR_FLOOR=33

# The recorder looks for ffmpeg on RECORDER_PATH when it is set.
record() { PATH="${RECORDER_PATH:-$PATH}" "$PROGRAM" --record "$@" >"$WORK/stdout" 2>"$WORK/stderr"; }
probe() { ffprobe -v error -count_frames -select_streams v:0 -show_entries "stream=$2" -of csv=p=0 "$1"; }
frame_hashes() { ffmpeg -v error -i "$1" -f framemd5 - | grep -v '^#'; }

mkdir "$WORK/out"
record "$WORK/out/a.mp4" --size 320x180 --fps 10 --seconds 2 --time 5 || fail "recording failed with code $?"
assert_validation_clean
assert_equal "$(probe "$WORK/out/a.mp4" codec_name,pix_fmt,width,height,nb_read_frames)" "h264,320,180,yuv420p,20" \
  "stream of a.mp4"
grep -q "frame 20/20" "$WORK/stderr" || fail "no progress line reached 20/20"
assert_equal "$(ls -A "$WORK/out")" "a.mp4" "files in the output folder"

"$BENCH" --offscreen --size 320x180 --frames 1 --warmup 0 --capture 5 --out "$WORK" --csv "$WORK/bench.csv" \
  >/dev/null 2>"$WORK/stderr" || fail "capture failed with code $?"
ffmpeg -v error -i "$WORK/out/a.mp4" -frames:v 1 "$WORK/first.png"
psnr=$(compare -metric PSNR "$WORK/first.png" "$WORK/t05.00.png" null: 2>&1 || true)
echo "first frame against the capture at 5 s: $psnr dB"
assert_gt "$psnr" "$PSNR_FLOOR" "PSNR of the first frame against the capture"

record "$WORK/out/b.mp4" --size 320x180 --fps 10 --seconds 2 --time 5 || fail "second recording failed with code $?"
[ "$(frame_hashes "$WORK/out/a.mp4")" = "$(frame_hashes "$WORK/out/b.mp4")" ] || fail "two recordings differ"

record "$WORK/out/c.webm" --size 192x108 --fps 8 --seconds 0.5 --time 60 --mode 2 || fail "webm failed with code $?"
assert_equal "$(probe "$WORK/out/c.webm" codec_name,width,height,nb_read_frames)" "vp9,192,108,4" "stream of c.webm"

refused() {
  local expected="$1" code=0
  shift
  PATH="${RECORDER_PATH:-$PATH}" "$PROGRAM" "$@" >"$WORK/stdout" 2>"$WORK/stderr" || code=$?
  assert_equal "$code" 2 "exit code for $*"
  assert_equal "$(wc -l <"$WORK/stderr")" 1 "lines of error for $*"
  grep -q -- "$expected" "$WORK/stderr" || fail "for $*: $(cat "$WORK/stderr")"
}
mkdir "$WORK/empty"
refused "the file must end in .mp4 (H.264) or .webm (VP9)" --record "$WORK/empty/x.avi"
refused "the folder '$WORK/nowhere' does not exist" --record "$WORK/nowhere/x.mp4"
refused "--fps takes a whole number of at least 1, not '0'" --record "$WORK/empty/x.mp4" --fps 0
refused "--seconds takes a finite number of seconds, not 'two'" --record "$WORK/empty/x.mp4" --seconds two
refused "--seconds takes a number of seconds above 0 and at most 86400, not '-2'" --record "$WORK/empty/x.mp4" --seconds -2
refused "--time takes a finite number of seconds, not 'soon'" --record "$WORK/empty/x.mp4" --time soon
refused "--size takes WIDTHxHEIGHT" --record "$WORK/empty/x.mp4" --size 320x
refused "--offscreen, --fps and --seconds go with --record" --fps 10
refused "--record takes its length from --seconds, not --frames" --record "$WORK/empty/x.mp4" --frames 3
refused "a video needs an even width and height" --record "$WORK/empty/x.mp4" --size 321x180
RECORDER_PATH="$WORK/empty" refused "sudo apt-get install ffmpeg" --record "$WORK/empty/x.mp4"
if [ "$(id -u)" -ne 0 ]; then
  chmod 500 "$WORK/empty"
  refused "is not writable" --record "$WORK/empty/x.mp4"
  chmod 700 "$WORK/empty"
fi
assert_equal "$(ls -A "$WORK/empty")" "" "files left by refusals"

# An encoder that stops after a frame and a half.
mkdir "$WORK/fake"
printf '#!/bin/sh\nhead -c 300000 >/dev/null\necho "av_interleaved_write_frame(): No space left on device" >&2\nexit 1\n' \
  >"$WORK/fake/ffmpeg"
chmod +x "$WORK/fake/ffmpeg"
code=0
RECORDER_PATH="$WORK/fake:$PATH" record "$WORK/empty/x.mp4" --size 320x180 --fps 10 --seconds 2 || code=$?
assert_equal "$code" 1 "exit code when ffmpeg fails"
assert_equal "$(tail -n 1 "$WORK/stderr")" \
  "kestrelwing: ffmpeg failed: av_interleaved_write_frame(): No space left on device" "last line"
assert_equal "$(ls -A "$WORK/empty")" "" "files left by the failed encoder"

# Ctrl-C keeps the frames done so far as a playable file.
"$PROGRAM" --record "$WORK/out/stopped.mp4" --size 320x180 --fps 10 --seconds 30 >"$WORK/stdout" 2>"$WORK/stderr" &
APP_PID=$!
# The progress line is redrawn every 250 ms, so a fast machine may pass frame 9 unseen.
for _ in $(seq 300); do
  grep -Eq "frame ([3-9]|[1-9][0-9]|1[0-9][0-9])/300" "$WORK/stderr" && break
  sleep 0.2
done
kill -INT "$APP_PID"
wait_app 60
assert_equal "$APP_EXIT" 130 "exit code after Ctrl-C"
frames=$(probe "$WORK/out/stopped.mp4" nb_read_frames)
assert_gt "$frames" 2 "frames kept after Ctrl-C"
assert_gt 300 "$frames" "frames kept after Ctrl-C"
grep -q "stopped; $WORK/out/stopped.mp4 holds the first $frames frames" "$WORK/stderr" || fail "$(tail -1 "$WORK/stderr")"
echo "PASS"
