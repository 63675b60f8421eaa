# Start-up failures end the program with exactly one line on standard error and code 1.
source "$(dirname "$0")/harness.sh"

expect_single_line() {
  local expected="$1" code="$2"
  assert_equal "$code" 1 "exit code"
  local lines
  lines=$(stderr_lines)
  assert_equal "$lines" "$expected" "standard error"
}

# No assets folder anywhere above the working directory, nor above the
# program's own folder: a copy of it outside the project.
mkdir -p "$WORK/nowhere/deeper" "$WORK/nowhere/bin"
cp "$PROGRAM" "$WORK/nowhere/bin/kestrelwing"
built="$PROGRAM"
PROGRAM="$WORK/nowhere/bin/kestrelwing"
run_to_exit "$WORK/nowhere/deeper" 30
code=$APP_EXIT
PROGRAM="$built"
expect_single_line "Project root not found. Assets folder missing." "$code"

# No display to open the window on.
code=$(env -u DISPLAY -u WAYLAND_DISPLAY bash -c "cd '$SOURCE_ROOT' && exec '$PROGRAM'" 2>"$WORK/stderr" || echo $?)
expect_single_line "failed to initialize GLFW!" "${code:-0}"

# The validation layer hidden from the loader.
start_xvfb
mkdir -p "$WORK/no-layers"
export VK_LAYER_PATH="$WORK/no-layers"
run_to_exit "$SOURCE_ROOT" 60
code=$APP_EXIT
unset VK_LAYER_PATH
expect_single_line "validation layers requested, but not available!" "$code"
echo "PASS"
