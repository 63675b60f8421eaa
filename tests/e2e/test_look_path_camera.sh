# The look from the path camera while it shows the final image (t <= 30): sky
# above the horizon, blue and brighter than the ground; an exposure that is
# neither dark nor clipped; no black or magenta specks (garbage, NaN or Inf).
# Later, while the schedule shows the normals view (35 < t <= 40), the ground
# reads as upward normals, and in the coefficients view that follows the path
# camera shows the reflective cube.
#
# Exposure bounds of the final image's grey levels: mean 0.35 .. 0.85, 2nd
# percentile at least 0.10, 98th percentile at most 0.97, at most 0.5% of the
# pixels pure white and at most 0.01% pure black.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/look.sh"
start_xvfb
started=$SECONDS
run_app "$SOURCE_ROOT"
wait_for_frame 180

# The scene clock starts with the program, so the first frame's view depends on
# how long start-up took; early on the camera looks down on the ship and the
# top of the screen is only hazy horizon, and at times a mesa stands in front
# of the horizon (its even haze has a grey deviation under 0.04, a rock in it
# over 0.06). Frames are taken until one shows open sky over the middle of the
# screen, while the final image is still on.
first="$WORK/first.png"
cp "$WORK/wait.png" "$first"
sky_in_view() {
  local row spread
  row=$(horizon_row "$first")
  read -r top_r _ top_b <<<"$(region_rgb "$first" "960x60+480+0")"
  awk -v row="$row" -v r="$top_r" -v b="$top_b" 'BEGIN { exit !(row >= 200 && row <= 900 && b > r + 0.05) }' || return 1
  spread=$(image_stddev "$first" "960x70+480+$((row - 80))")
  awk -v s="$spread" 'BEGIN { exit !(s < 0.05) }'
}
until sky_in_view || [ $((SECONDS - started)) -ge 28 ]; do
  capture "$first"
done
keep_shot "$first" first.png
sky_in_view || fail "no frame with open sky just above the horizon within 28 s"

# The sky is blue at the top; where it meets the ground it turns pale and warm,
# and that band just above the horizon is brighter than the sunlit sand below.
read -r top_r _ top_b <<<"$(region_rgb "$first" "960x60+480+0")"
assert_gt "$top_b" "$(awk -v r="$top_r" 'BEGIN { print r + 0.05 }')" "blue of the sky at the top (red $top_r)"
horizon=$(horizon_row "$first")
assert_between "$horizon" 200 900 "row of the horizon"
sky_band="960x70+480+$((horizon - 80))"
ground="1440x$((1000 - horizon))+240+$((horizon + 80))"
assert_gt "$(image_mean "$first" "$sky_band")" "$(image_mean "$first" "$ground")" "sky above the horizon brighter than the ground"

assert_between "$(image_mean "$first")" 0.35 0.85 "mean grey level"
assert_gt "$(gray_percentile "$first" 2)" 0.10 "2nd percentile of the grey levels"
assert_between "$(gray_percentile "$first" 98)" 0 0.97 "98th percentile of the grey levels"
assert_between "$(color_fraction "$first" white)" 0 0.005 "fraction of clipped white pixels"
assert_between "$(color_fraction "$first" black)" 0 0.0001 "fraction of black pixels"
assert_between "$(color_fraction "$first" magenta)" 0 0.0001 "fraction of magenta pixels"

# t counts from start-up, so the normals view runs from about 35 to 40 s after
# the start; any capture that shows it will do. The slow software renderer and
# slow screenshots lag behind, so captures go on until 48 s; the views after it
# (coefficients, material, ...) never read as upward normals.
purple="r > g + 0.2 && b > g + 0.2 && abs(r - b) < 0.25"
upward=0
while [ $((SECONDS - started)) -lt 36 ]; do sleep 0.5; done
while true; do
  capture "$WORK/normals.png"
  upward=$(fx_fraction "$WORK/normals.png" "1440x360+240+720" "$purple")
  if awk -v f="$upward" 'BEGIN { exit !(f > 0.6) }'; then break; fi
  [ $((SECONDS - started)) -lt 48 ] || break
done
keep_shot "$WORK/normals.png" normals.png
assert_gt "$upward" 0.6 "fraction of the ground with upward normals in the normals view"

# From about 41 s the path camera closes in on the reflective cube, which the
# coefficients view (40 < t <= 45) shows pure magenta: metalness and
# reflectance 1, roughness 0, a set no other surface has. Captures go on until
# the cube covers 0.3% of the screen (it grows to over 10% by 46 s).
mirror=0
while true; do
  capture "$WORK/coefficients.png"
  mirror=$(color_fraction "$WORK/coefficients.png" "rgb(255,0,255)")
  if awk -v f="$mirror" 'BEGIN { exit !(f > 0.003) }'; then break; fi
  [ $((SECONDS - started)) -lt 50 ] || break
done
keep_shot "$WORK/coefficients.png" coefficients.png
assert_gt "$mirror" 0.003 "fraction of the screen showing the reflective cube in the coefficients view"

send_key Escape
wait_app 60
assert_equal "$APP_EXIT" 0 "exit code after Escape"
assert_validation_clean
echo "PASS"
