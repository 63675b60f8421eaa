#!/usr/bin/env bash
# Plants five faults one at a time, rebuilds, and checks that the golden test
# fails on each; the tree is restored after each one. It edits tracked files in
# place, so it refuses to run over uncommitted changes to them.
#   bash tests/golden/planted_faults.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"

faults=(
  "normal map green flipped|shaders/image.frag|s/texture(normalTexture, texCoord).rgb;/texture(normalTexture, texCoord).rgb * vec3(1, -1, 1) + vec3(0, 1, 0);/"
  "sky faces +Y and -Y swapped|src/textures/StaticEnvironmentTexture.cpp|s/\"posy.jpg\",/\"NEGY\",/; s/\"negy.jpg\",/\"posy.jpg\",/; s/\"NEGY\"/\"negy.jpg\"/"
  "roughness forced to 1|shaders/deffered.frag|s/float roughness = clamp(s.coefficients.g, MIN_ROUGHNESS, 1.0);/float roughness = 1.0;/"
  "display mode off by one|src/app/Application.cpp|s/deferredObject, displayMode);/deferredObject, displayMode + 1);/"
  "mirror samples the incident ray|shaders/envMapDraw.frag|s/reflectionDirection(reflected)/reflectionDirection(incident)/"
)

for fault in "${faults[@]}"; do
  IFS='|' read -r _ file _ <<<"$fault"
  git diff --quiet -- "$file" || { echo "uncommitted changes in $file: not planting faults there" >&2; exit 2; }
done

planted=""
restore() { [ -z "$planted" ] || git checkout -q -- "$planted"; }
trap restore EXIT

status=0
for fault in "${faults[@]}"; do
  IFS='|' read -r name file edit <<<"$fault"
  planted="$file"
  sed -i "$edit" "$file"
  git diff --quiet -- "$file" && { echo "FAIL: the edit for '$name' changed nothing in $file"; status=1; continue; }
  cmake --build build -j"$(nproc)" --target kestrelwing_golden >/dev/null
  echo "== $name"
  if env -u DISPLAY build/kestrelwing_golden 2>/dev/null; then
    echo "FAIL: the golden test passed with '$name'"
    status=1
  fi
  git checkout -q -- "$file"
  planted=""
done
cmake --build build -j"$(nproc)" --target kestrelwing_golden >/dev/null
exit "$status"
