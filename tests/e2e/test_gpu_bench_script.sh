# scripts/gpu-bench.sh, as it would run on a GPU server, here on the software
# rasteriser at a tiny size: no display, three runs (validated, unvalidated,
# synchronisation-validated), tables and CSV files written, exit 0 when clean.
source "$(dirname "$0")/harness.sh"
unset DISPLAY
out="$WORK/gpu-bench"
BENCH_BUILD_DIR="$(dirname "$PROGRAM")" bash "$SOURCE_ROOT/scripts/gpu-bench.sh" --out "$out" --frames 2 --warmup 1 \
  --particles 512 --face 64 --width 320 --height 180 >"$WORK/stdout" 2>"$WORK/stderr" || fail "gpu-bench.sh failed: $(tail -3 "$WORK/stderr")"
for run in validated unvalidated sync-validated; do
  [ -s "$out/$run.txt" ] || fail "no table for the $run run"
  assert_equal "$(tail -n +2 "$out/$run.csv" | wc -l)" 2 "CSV lines of the $run run"
done
grep -q "offscreen, validation on" "$out/validated.txt" || fail "validated header: $(head -1 "$out/validated.txt")"
grep -q "offscreen, VALIDATION OFF (timing only)" "$out/unvalidated.txt" || fail "unvalidated header: $(head -1 "$out/unvalidated.txt")"
grep -q "validation errors and hazards: 0" "$WORK/stdout" || fail "no clean validation count"
echo "PASS"
