# The demo's command line: --help and --version; each kind of bad value gives
# one line naming the option and the value, and code 2, before any window (so
# with no display at all); --list-gpus lists lavapipe and --gpu past the list
# is refused; a run with a chosen device and FIFO started from /tmp finds its
# assets, prints one start line naming the device, and ends by itself after
# --frames, validation-clean and without the loader's verbose chatter, which
# --verbose brings back.
source "$(dirname "$0")/harness.sh"

# run_plain OPTION...: the program in the foreground; sets CODE.
run_plain() {
  CODE=0
  "$PROGRAM" "$@" >"$WORK/stdout" 2>"$WORK/stderr" || CODE=$?
}

run_plain --help
assert_equal "$CODE" 0 "exit code of --help"
head -1 "$WORK/stdout" | grep -q "^usage: kestrelwing" || fail "--help: $(head -1 "$WORK/stdout")"
for option in --windowed --fullscreen "--size WxH" --present-mode --list-gpus "--gpu N" "--frames N" --verbose; do
  grep -q -- "^  $option" "$WORK/stdout" || fail "--help does not list $option"
done
run_plain --version
assert_equal "$CODE" 0 "exit code of --version"
grep -q -E "^Kestrelwing [0-9]+\.[0-9]+\.[0-9]+$" "$WORK/stdout" || fail "--version: $(cat "$WORK/stdout")"

# bad_value EXPECTED OPTION...: code 2 and one line on standard error. With no
# display a window could not open: a program that tried would end with
# "failed to initialize GLFW!" and code 1 instead.
bad_value() {
  local expected="$1"
  shift
  (unset DISPLAY; run_plain "$@"; echo "$CODE" >"$WORK/code")
  assert_equal "$(cat "$WORK/code")" 2 "exit code for $*"
  assert_equal "$(stderr_lines | wc -l)" 1 "lines on standard error for $*"
  stderr_lines | grep -q "^kestrelwing: " || fail "for $*, no program name: $(stderr_lines)"
  stderr_lines | grep -q -F -- "$expected" || fail "for $*: $(stderr_lines)"
}
bad_value "unknown option '--fast'" --windowed --fast
bad_value "--size needs a value" --windowed --size
bad_value "--size takes WIDTHxHEIGHT, each a whole number from 1 to 16384, not '0x600'" --size 0x600
bad_value "not '-640x480'" --size -640x480
bad_value "not '640by480'" --size 640by480
bad_value "--present-mode takes fifo, mailbox or immediate, not 'vsync'" --present-mode vsync
bad_value "--mode takes a display mode from 0 to 7, not '8'" --mode 8
bad_value "--time takes a finite number of seconds, not 'nan'" --time nan
bad_value "--frames takes a whole number of at least 1, not '0'" --frames 0
bad_value "--gpu takes a device index from 0 to" --gpu 99

start_xvfb
run_plain --list-gpus
assert_equal "$CODE" 0 "exit code of --list-gpus"
cp "$WORK/stdout" "$WORK/gpus"
grep -q -E "^[0-9]+: llvmpipe.*, CPU, driver [0-9.]+, Vulkan [0-9.]+, suitable" "$WORK/gpus" ||
  fail "lavapipe is not listed as suitable: $(cat "$WORK/gpus")"
count=$(wc -l <"$WORK/gpus")
lavapipe=$(sed -n -E 's/^([0-9]+): llvmpipe.*/\1/p' "$WORK/gpus" | head -1)
bad_value "--gpu takes a device index from 0 to $((count - 1)) (see --list-gpus), not '$count'" --gpu "$count"

[ ! -e /tmp/assets ] || fail "/tmp/assets exists: a start from /tmp would not show the search from the program"
run_to_exit /tmp 300 --gpu "$lavapipe" --present-mode fifo --frames 20
assert_equal "$APP_EXIT" 0 "exit code after --frames 20"
assert_validation_clean
assert_equal "$(wc -l <"$WORK/stdout")" 1 "lines on standard output"
line=$(cat "$WORK/stdout")
echo "$line"
echo "$line" | grep -q -E "^Kestrelwing [0-9.]+ on llvmpipe .*, CPU, driver [0-9.]+, Vulkan [0-9.]+, present mode fifo, 1920x1080 full screen, validation on$" ||
  fail "start line: $line"
device=$(sed -n -E "s/^$lavapipe: (.*), CPU, driver .*/\1/p" "$WORK/gpus")
echo "$line" | grep -q -F " on $device, CPU, " || fail "the start line does not name device $lavapipe, $device: $line"
extra=$(stderr_lines)
[ -z "$extra" ] || fail "standard error is not empty: $(echo "$extra" | head -3)"

run_to_exit /tmp 300 --verbose --frames 1 --size 320x240 --present-mode immediate
assert_equal "$APP_EXIT" 0 "exit code with --verbose"
assert_validation_clean
grep -q "present mode immediate, 320x240 window, validation on$" "$WORK/stdout" || fail "start line: $(cat "$WORK/stdout")"
[ "$(grep -c "^validation layer: " "$WORK/stderr")" -gt 0 ] || fail "--verbose printed no verbose message"
echo "PASS"
