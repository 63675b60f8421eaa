# Breaking one input at a time in a private copy of the assets; source it after
# harness.sh. Each case breaks one file, runs the program from the copy to its
# end, restores the file from the project and checks that the program refused
# the input with exactly one line and exit code 1.
ROOT="$WORK/root"
mkdir -p "$ROOT"
cp -r "$SOURCE_ROOT/assets" "$ROOT/"
CASES=0

# The program's own lines: the standard error without the driver's notice and
# without the validation layer's loader chatter (its errors are kept).
program_lines() {
  stderr_lines | grep -v -E '^validation layer: ' || true
  grep -E '^validation layer: .*(Validation Error|SYNC-HAZARD)' "$WORK/stderr" || true
}

# break_file FILE HOW: FILE relative to assets/.
break_file() {
  local target="$ROOT/assets/$1"
  case "$2" in
    missing) rm -f "$target" ;;
    empty) : >"$target" ;;
    # Within the headers: no decoder can recover anything from 64 bytes.
    truncated-header) head -c 64 "$SOURCE_ROOT/assets/$1" >"$target" ;;
    # Half of the data is gone; the decoder runs out in the middle.
    truncated-half) head -c $(($(stat -c %s "$SOURCE_ROOT/assets/$1") / 2)) "$SOURCE_ROOT/assets/$1" >"$target" ;;
    # SPIR-V is a stream of 32-bit words; one byte less is not.
    odd-length) head -c $(($(stat -c %s "$SOURCE_ROOT/assets/$1") - 1)) "$SOURCE_ROOT/assets/$1" >"$target" ;;
    # A whole image, of half the size of the one it replaces.
    half-size) convert "$SOURCE_ROOT/assets/$1" -resize 50% "$target" ;;
    text) printf 'this is not what the program expects\n' >"$target" ;;
    *) printf '%b' "$2" >"$target" ;;
  esac
}

restore_file() { cp "$SOURCE_ROOT/assets/$1" "$ROOT/assets/$1"; }

# expect_refusal FILE HOW MESSAGE: HOW is a name above or literal contents.
expect_refusal() {
  local file="$1" how="$2" expected="$3"
  break_file "$file" "$how"
  run_to_exit "$ROOT" 90
  restore_file "$file"
  CASES=$((CASES + 1))
  assert_equal "$APP_EXIT" 1 "exit code with $file $how"
  assert_equal "$(program_lines)" "$expected" "standard error with $file $how"
  echo "ok: $file $how"
}
