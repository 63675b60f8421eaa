# The benchmark beside the program plays a short run with few particles and
# small environment faces, validation-clean, and writes a sane table and CSV;
# bad options end it with one line naming the fault and code 2.
source "$(dirname "$0")/harness.sh"
BENCH="$(dirname "$PROGRAM")/kestrelwing_bench"
[ -x "$BENCH" ] || fail "no benchmark beside the program: $BENCH"
start_xvfb

frames=3
(cd "$SOURCE_ROOT" && "$BENCH" --frames "$frames" --warmup 1 --particles 512 --face 64 --csv "$WORK/frames.csv") \
  >"$WORK/stdout" 2>"$WORK/stderr" || fail "benchmark failed with code $?"
assert_validation_clean

table="$WORK/stdout"
grep -q "512 particles, 64 px environment faces, $frames frames after 1 warm-up, windowed, validation on" "$table" || fail "header: $(head -1 "$table")"
for row in "wall" "host CPU outside waits" "compute step" "env face -Z" "environment (6 faces)" \
  "G-buffer pass" "lighting pass" "dust lists" "asset decoding" "uploads" "pipeline creation" "first frame" \
  "to first presented frame" "triangles" "draw calls" "particle points"; do
  grep -q "^  $row " "$table" || fail "no row '$row' in the table"
done

# Every measured frame is one CSV line: positive wall times, host CPU within the
# wall time, every pass timed (lavapipe keeps timestamps), and at least the
# ground, the sky and the lighting quad drawn (a draw each in the G-buffer and
# lighting passes, more in the six faces) with no more particle points than
# the 512 particles in seven views (only those that carry dust are drawn).
header="frame,wall_ms,host_cpu_ms,compute_ms,dust_lists_ms,face_px_ms,face_nx_ms,face_py_ms,face_ny_ms,face_pz_ms,face_nz_ms,gbuffer_ms,lighting_ms"
header+=",triangles,draw_calls,particle_points"
assert_equal "$(head -1 "$WORK/frames.csv")" "$header" "CSV header"
assert_equal "$(tail -n +2 "$WORK/frames.csv" | wc -l)" "$frames" "CSV lines"
awk -F, 'NR > 1 {
  if (NF != 16 || $1 != NR - 2 || $2 <= 0 || $3 < 0 || $3 > $2) exit 1
  gpu = 0
  for (i = 4; i <= 13; i++) { if ($i == "" || $i < 0) exit 1; gpu += $i }
  if (gpu <= 0) exit 1
  if ($14 < 1000 || $15 < 10 || $16 > 7 * 512) exit 1
}' "$WORK/frames.csv" || fail "implausible CSV: $(cat "$WORK/frames.csv")"

# The start-up parts add up to no more than the whole.
total=$(awk '/to first presented frame/ { print $NF }' "$table")
parts=$(awk '/asset decoding|uploads|pipeline creation|first frame/ && !/presented/ { s += $NF } END { print s }' "$table")
assert_gt "$total" 0 "start-up total"
awk -v p="$parts" -v t="$total" 'BEGIN { exit !(p <= t + 0.5) }' || fail "start-up parts $parts exceed total $total"

code=0
"$BENCH" --frames 0 >"$WORK/bad.out" 2>"$WORK/bad.err" || code=$?
assert_equal "$code" 2 "exit code for --frames 0"
grep -q "^kestrelwing_bench: --frames takes a whole number of at least 1" "$WORK/bad.err" || fail "no clear line for a bad option: $(cat "$WORK/bad.err")"
echo "PASS"
