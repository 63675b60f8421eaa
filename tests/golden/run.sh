#!/usr/bin/env bash
# Renders the reference shots offscreen, with no display, and compares them
# with the PNG files beside this script; a shot that fails is written to
# golden-actual/ in the build folder, beside the tool, for a look. Any
# validation message fails the run too.
set -euo pipefail
golden_tool="$(realpath "$1")"
actual="$(dirname "$golden_tool")/golden-actual"
rm -rf "$actual"
mkdir -p "$actual"
stderr="$(mktemp)"
trap 'rm -f "$stderr"' EXIT

code=0
env -u DISPLAY "$golden_tool" --actual "$actual" 2>"$stderr" || code=$?
if grep -E "Validation Error|SYNC-HAZARD" "$stderr"; then
  echo "FAIL: validation layer reported errors" >&2
  exit 1
fi
[ "$code" -eq 0 ] || { tail -n 20 "$stderr" >&2; echo "FAIL: frames differ from the references (see $actual)" >&2; exit 1; }
echo "PASS"
