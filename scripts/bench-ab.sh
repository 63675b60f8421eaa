#!/usr/bin/env bash
# A/B of two built trees on one machine in one run: the offscreen benchmark of
# each tree in turn, alternating, for a number of rounds, and in every round
# the floor of a trivial 1920 x 1080 frame (vkcube, from vulkan-tools, if it is
# installed). Prints one markdown table of medians; the raw reports and CSVs go
# to $AB_OUT (default ./ab-out).
#   bash scripts/bench-ab.sh BEFORE_TREE AFTER_TREE [ROUNDS] [benchmark options]
# Each tree must have been built into its build/ folder. The default benchmark
# options are --frames 10 --warmup 3.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 BEFORE_TREE AFTER_TREE [ROUNDS] [benchmark options]" >&2; exit 2; }
before="$(cd "$1" && pwd)"
after="$(cd "$2" && pwd)"
rounds="${3:-3}"
shift $(( $# >= 3 ? 3 : 2 ))
options=("$@")
[ ${#options[@]} -gt 0 ] || options=(--frames 10 --warmup 3)
mkdir -p "${AB_OUT:-ab-out}"
out="$(cd "${AB_OUT:-ab-out}" && pwd)"

source "$(dirname "$0")/xvfb.sh"
XVFB_PID=""
cleanup() { [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT INT TERM

# Sets `floor` to the milliseconds of one vkcube frame: the time of 210 frames less that of 10,
# over 200. Runs in this shell, so that the one Xvfb it starts is the one cleanup() stops.
measure_floor() {
  floor="n/a"
  command -v vkcube >/dev/null || return 0
  if [ -z "$XVFB_PID" ]; then
    start_xvfb_server || return 0
  fi
  local short long TIMEFORMAT=%R
  short=$( { time vkcube --width 1920 --height 1080 --c 10 >/dev/null 2>&1; } 2>&1)
  long=$( { time vkcube --width 1920 --height 1080 --c 210 >/dev/null 2>&1; } 2>&1)
  floor=$(awk -v long="$long" -v short="$short" 'BEGIN { printf "%.1f", (long - short) * 1000 / 200 }')
}

# The median column of one row of a benchmark report; n/a where an older tree's report lacks
# the row.
median() { { grep -F "  $2" "$1" || echo "n/a n/a n/a"; } | head -n1 | awk '{print $(NF-2)}'; }

rows=("wall" "host CPU outside waits" "environment (6 faces)" "env face +X" "env face -X" "env face +Y"
      "env face -Y" "env face +Z" "env face -Z" "G-buffer pass" "lighting pass" "dust lists" "triangles" "draw calls")
header="| |"
rule="|---|"
declare -A cells
for round in $(seq "$rounds"); do
  for side in before after; do
    tree="$before"
    [ "$side" = after ] && tree="$after"
    report="$out/$side-$round.txt"
    load="$(cut -d' ' -f1 /proc/loadavg)"
    (cd "$tree" && env -u DISPLAY "$tree/build/kestrelwing_bench" --offscreen "${options[@]}" \
       --csv "$out/$side-$round.csv") >"$report" 2>"$out/$side-$round.err"
    header+=" $side $round |"
    rule+="---|"
    cells["load"]+=" $load |"
    for row in "${rows[@]}"; do cells["$row"]+=" $(median "$report" "$row") |"; done
  done
  measure_floor
  cells["floor"]+=" $floor | |"
done

echo "$header"
echo "$rule"
echo "| 1-minute load at start |${cells[load]}"
for row in "${rows[@]}"; do echo "| $row |${cells[$row]}"; done
echo "| vkcube frame (floor), after the round |${cells[floor]}"
