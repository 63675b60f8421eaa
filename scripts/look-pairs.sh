#!/usr/bin/env bash
# Before-and-after pictures of the look: the same timeline seconds and camera
# poses captured offscreen at 1920 x 1080 from two built trees, each scaled to
# 960 x 540 as OUT/NAME-before.jpg and OUT/NAME-after.jpg. Each tree's
# benchmark must take --eye and --look-at. A few minutes per tree.
#   bash scripts/look-pairs.sh BEFORE_TREE AFTER_TREE OUT
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 BEFORE_TREE AFTER_TREE OUT" >&2; exit 2; }
before="$(cd "$1" && pwd)"
after="$(cd "$2" && pwd)"
mkdir -p "$3"
out="$(cd "$3" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# NAME SECOND FIRST_SECOND FRAMES [free-camera pose]: the frames from FIRST_SECOND
# let the dust rise before the capture.
shots=(
  "arch 8 8 1"
  "mesa 13 13 1 --camera free --eye 34,-14,-44 --look-at -20,-22,-100"
  "rock-row 71 71 1 --camera free --eye -60,-18,30 --look-at -700,-30,60"
  "dust 14 9 150 --camera free --eye 30,-6,18 --look-at 20,-9,0"
  "mirror 23 23 1"
  "low-over-sand 13 13 1 --camera free --eye 40,-2.5,-12 --look-at 84,-6,-49"
)

for shot in "${shots[@]}"; do
  read -r name second first frames pose <<<"$shot"
  for side in before after; do
    tree="$before"
    [ "$side" = after ] && tree="$after"
    rm -rf "$work/$side" && mkdir -p "$work/$side"
    # shellcheck disable=SC2086
    (cd "$tree" && env -u DISPLAY "$tree/build/kestrelwing_bench" --offscreen --time "$first" --frames "$frames" \
       --warmup 0 --csv "$work/$side.csv" --capture "$second" --out "$work/$side" $pose) >/dev/null 2>"$work/$side.err" ||
      { tail -n 5 "$work/$side.err" >&2; exit 1; }
    convert "$work/$side/"t*.png -resize 960x540 -quality 88 "$out/$name-$side.jpg"
  done
  echo "$name"
done
