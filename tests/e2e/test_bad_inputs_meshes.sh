# Every mesh, broken one at a time, is refused with one line and exit code 1:
# missing, empty, not a mesh, a face on a vertex that does not exist, a face
# line the parser rejects, and numbers beyond the float range. Together the
# cases cover every mesh file and every breakage for both kinds of mesh (with
# computed tangents and with the file's normals).
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/breakage.sh"
start_xvfb

models=./assets/models
dangling='v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 7\n'
zeroIndex='v 0 0 0\nv 1 0 0\nv 0 1 0\nf 0 1 2\n'
hugeVertex='v 0 0 0\nv 1e39 0 0\nv 0 1 0\nf 1 2 3\n'
hugeNormal='v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 -1e40 0\nf 1//1 2//1 3//1\n'
badFace="Failed parse \`f' line(e.g. zero value for face index. line 4.)"

expect_refusal models/spaceship.obj missing "Cannot open file [$models/spaceship.obj]"
expect_refusal models/ground.obj "$dangling" "face refers to a vertex that does not exist: $models/ground.obj"
expect_refusal models/rock.obj empty "model has no triangles: $models/rock.obj"
expect_refusal models/redRock.obj text "model has no triangles: $models/redRock.obj"
expect_refusal models/redRock2.obj "$hugeVertex" "model holds a value that is not a finite number: $models/redRock2.obj"
expect_refusal models/cactus.obj "$zeroIndex" "$badFace"
expect_refusal models/cube.obj missing "Cannot open file [$models/cube.obj]"
expect_refusal models/cube.obj text "model has no triangles: $models/cube.obj"
expect_refusal models/plane.obj "$dangling" "face refers to a vertex that does not exist: $models/plane.obj"
expect_refusal models/plane.obj empty "model has no triangles: $models/plane.obj"
expect_refusal models/dynCube.obj "$hugeNormal" "model holds a value that is not a finite number: $models/dynCube.obj"
expect_refusal models/dynCube.obj "$zeroIndex" "$badFace"
echo "PASS ($CASES cases)"
