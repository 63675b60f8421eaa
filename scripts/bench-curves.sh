#!/usr/bin/env bash
# Draws the cost curves: median frame time and GPU pass times against the
# particle count (1x, 2x, 4x, 8x) and the environment face size (400, 800, 1600).
# Writes docs/performance-curves.csv and docs/performance-curves.png (gnuplot).
# FRAMES (default 5) sets the measured frames of each run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
frames="${FRAMES:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
out="$root/docs/performance-curves.csv"

# median of column N of a per-frame CSV
median() { tail -n +2 "$1" | cut -d, -f"$2" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "series,particles,face,frame_ms,compute_ms,environment_ms,gbuffer_ms,lighting_ms,load" >"$out"
run() {
  local series="$1" particles="$2" face="$3" csv="$work/$1-$2-$3.csv"
  local load
  load=$(cut -d' ' -f1 /proc/loadavg)
  bash "$root/scripts/bench.sh" --frames "$frames" --warmup 1 --particles "$particles" --face "$face" --csv "$csv" \
    2>/dev/null >"$work/table"
  head -4 "$work/table" >&2
  device=$(sed -n 's/^Kestrelwing benchmark on \(.*\), [0-9]*x[0-9]*, .*/\1/p' "$work/table")
  # The six faces' times, columns 6 to 11, summed per frame into a one-column CSV.
  awk -F, 'NR > 1 { s = 0; for (i = 6; i <= 11; i++) s += $i; print s }' "$csv" | sed '1i environment' >"$csv.env"
  echo "$series,$particles,$face,$(median "$csv" 2),$(median "$csv" 4),$(median "$csv.env" 1),$(median "$csv" 12),$(median "$csv" 13),$load" >>"$out"
}
device=""
for particles in 98304 196608 393216 786432; do run particles "$particles" 800; done
for face in 400 1600; do run faces 98304 "$face"; done
awk -F, '$1 == "particles" && $2 == 98304 { sub(/^particles/, "faces"); print }' "$out" >>"$out"

gnuplot <<PLOT
set terminal pngcairo size 1200,500 font ",10"
set output "$root/docs/performance-curves.png"
set datafile separator ","
set multiplot layout 1,2 title "Kestrelwing on $device, 1920x1080 (median of $frames frames)"
set key top left
set grid
set xlabel "particles"
set ylabel "milliseconds"
plot "< grep ^particles $out | sort -t, -k2 -g" using 2:4 with linespoints title "frame (wall)", \
     "" using 2:5 with linespoints title "compute step (GPU)", \
     "" using 2:6 with linespoints title "environment, 6 faces (GPU)", \
     "" using 2:7 with linespoints title "G-buffer (GPU)"
set xlabel "environment face pixels (size²)"
plot "< grep ^faces $out | sort -t, -k3 -g" using (\$3*\$3):4 with linespoints title "frame (wall)", \
     "" using (\$3*\$3):6 with linespoints title "environment, 6 faces (GPU)", \
     "" using (\$3*\$3):7 with linespoints title "G-buffer (GPU)"
unset multiplot
PLOT
echo "wrote $out and docs/performance-curves.png"
