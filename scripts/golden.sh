#!/usr/bin/env bash
# Renders the reference frames offscreen and compares them with tests/golden/;
# with --update, makes the rendered frames the references instead. A commit that
# updates them says why the picture changed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target kestrelwing_golden >/dev/null
case "${1:-}" in
  --update) env -u DISPLAY "$root/build/kestrelwing_golden" --update 2> >(grep -v "^validation layer: " >&2) ;;
  "") bash "$root/tests/golden/run.sh" "$root/build/kestrelwing_golden" ;;
  *) echo "usage: scripts/golden.sh [--update]" >&2; exit 2 ;;
esac
