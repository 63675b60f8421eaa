# Every colour texture, normal map and sky face, broken one at a time, is
# refused with one line and exit code 1: missing, empty, cut off within its
# headers, cut off half-way through its data, and not an image at all (the
# decoder refuses a JPEG or PNG whose data ends early rather than inventing the
# rest). Each kind of image meets every breakage; every file meets one.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/breakage.sh"
start_xvfb

color="failed to load texture image!"
normal="failed to load normal map!"
sky="Cubemap: Couldn't load file ./assets/textures/sea"

expect_refusal textures/spaceship.jpg missing "$color"
expect_refusal textures/ground.jpg empty "$color"
expect_refusal textures/rock.jpg truncated-header "$color"
expect_refusal textures/redRock.jpg truncated-half "$color"
expect_refusal textures/redRock2.jpg text "$color"
expect_refusal textures/cactus.png truncated-half "$color"

expect_refusal textures/spaceship_normal.jpg missing "$normal"
expect_refusal textures/ground_normal.jpg truncated-half "$normal"
expect_refusal textures/rock_normal.jpg empty "$normal"
expect_refusal textures/redRock_normal.jpg text "$normal"
expect_refusal textures/redRock2_normal.jpg truncated-header "$normal"
expect_refusal textures/cactus_normal.jpg truncated-half "$normal"

expect_refusal textures/sea/posx.jpg missing "$sky/posx.jpg"
expect_refusal textures/sea/negx.jpg empty "$sky/negx.jpg"
expect_refusal textures/sea/posy.jpg truncated-header "$sky/posy.jpg"
expect_refusal textures/sea/negy.jpg truncated-half "$sky/negy.jpg"
expect_refusal textures/sea/posz.jpg text "$sky/posz.jpg"
expect_refusal textures/sea/negz.jpg truncated-half "$sky/negz.jpg"

# A whole image, but not one that fits the cube: one face smaller than the rest.
expect_refusal textures/sea/posz.jpg half-size "Cubemap: faces must be square and of one size in ./assets/textures/sea"
echo "PASS ($CASES cases)"
