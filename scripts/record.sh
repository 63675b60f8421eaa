#!/usr/bin/env bash
# Records the flight to a video file: installs what is missing (ffmpeg
# included), builds the recorder, and records the whole 85-second cycle at
# 1280 x 720 and 30 frames a second, offscreen, with no display needed.
#   bash scripts/record.sh [FILE] [options…]
# FILE is out/flight.mp4 by default (.mp4 is H.264, .webm is VP9); options
# given here (--fps, --seconds, --time, --size, --mode, --camera, as
# kestrelwing --help lists them) replace the defaults. Ctrl-C stops it and
# keeps the frames done so far in FILE.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
file="$root/out/flight.mp4"
if [ $# -gt 0 ] && [[ "$1" != -* ]]; then
  file="$(realpath -m "$1")"
  shift
else
  mkdir -p "$root/out"
fi

bash "$root/scripts/install-deps.sh" ffmpeg
bash "$root/scripts/build.sh" kestrelwing >/dev/null
exec "$root/build/kestrelwing" --record "$file" --size 1280x720 --fps 30 --seconds 85 --time 0 "$@"
