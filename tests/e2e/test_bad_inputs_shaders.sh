# Every shader file, broken one at a time, is refused with one line and exit
# code 1 before the driver sees it: missing, empty, a length that is not a
# whole number of 32-bit words, text, and whole words that are not SPIR-V.
# Every file meets one breakage and every breakage several files, in the
# start-up pass and in the cube-face pass.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/breakage.sh"
start_xvfb

module="failed to create shader module!"
notSpirv='0123456789abcdefghij'
breakages=(missing empty odd-length text "$notSpirv")
shaders=(image_vert image_frag cubemap_vert cubemap_frag particle_vert particle_frag particle_geom
  particle_comp envMapDraw_vert envMapDraw_frag deffered_vert deffered_frag image_to_cube_vert
  image_to_cube_frag cube_to_cube_vert cube_to_cube_frag particle_to_cube_frag)

for i in "${!shaders[@]}"; do
  file="shaders/${shaders[$i]}.spv"
  how="${breakages[$((i % ${#breakages[@]}))]}"
  if [ "$how" = missing ]; then
    expect_refusal "$file" missing "failed to open file! location: ./assets/$file"
  else
    expect_refusal "$file" "$how" "$module"
  fi
done
echo "PASS ($CASES cases)"
