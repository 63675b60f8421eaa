#!/usr/bin/env bash
# Plants five faults one at a time in a copy of the tree, rebuilds the golden
# tool there, and checks that the golden test fails on each. The working tree
# is never edited: the copy and its one Release build live in the work folder
# and are kept between runs, so a later run rebuilds only what changed.
#   bash tests/golden/planted_faults.sh [source root] [work folder]
# Exits 0 only when every fault is caught.
set -euo pipefail
root="$(realpath "${1:-$(dirname "$0")/../..}")"
work="$(realpath -m "${2:-$root/build/planted-faults}")"
tree="$work/tree"
build="$work/build"
mkdir -p "$tree" "$work/logs"

faults=(
  "normal map green flipped|shaders/image.frag|s/texture(normalTexture, texCoord).rgb;/texture(normalTexture, texCoord).rgb * vec3(1, -1, 1) + vec3(0, 1, 0);/"
  "sky faces +Y and -Y swapped|src/textures/StaticEnvironmentTexture.cpp|s/assetFiles::cubeFaceFiles\[i\]/assetFiles::cubeFaceFiles[i == 2 ? 3 : i == 3 ? 2 : i]/"
  "roughness forced to 1|shaders/deffered.frag|s/float roughness = clamp(s.coefficients.g, MIN_ROUGHNESS, 1.0);/float roughness = 1.0;/"
  "display mode off by one|src/app/Application.cpp|s/deferredObject, displayMode);/deferredObject, static_cast<DisplayMode>(displayMode + 1));/"
  "mirror samples the incident ray|shaders/envMapDraw.frag|s/reflectionDirection(reflected)/reflectionDirection(incident)/"
)

# Copies only files whose content differs, with a fresh time stamp, so the
# build sees them as changed; a file restored after a fault is newer than the
# faulty objects for the same reason. Files gone from the tree leave the copy,
# or the build's globs would still compile them.
sync_copy() {
  (cd "$root" && git ls-files -z --cached --others --exclude-standard) >"$work/files.new"
  if [ -f "$work/files" ]; then
    while IFS= read -r -d '' f; do
      [ -f "$root/$f" ] || rm -f "$tree/$f"
    done <"$work/files"
  fi
  while IFS= read -r -d '' f; do
    if [ ! -f "$root/$f" ]; then
      rm -f "$tree/$f"
    elif ! cmp -s "$root/$f" "$tree/$f"; then
      mkdir -p "$(dirname "$tree/$f")"
      cp "$root/$f" "$tree/$f"
    fi
  done <"$work/files.new"
  mv "$work/files.new" "$work/files"
}

build_golden() {
  cmake --build "$build" -j2 --target kestrelwing_golden >"$1" 2>&1
}

# The program finds its assets by climbing from the working directory, so it
# runs from the copy, which also holds the references it compiled in. A fault
# that hangs the tool must not eat the time of the others.
run_golden() {
  rm -rf "$work/actual/$2"
  mkdir -p "$work/actual/$2"
  (cd "$tree" && timeout 240 env -u DISPLAY "$build/kestrelwing_golden" --actual "$work/actual/$2") >"$1" 2>"$1.stderr"
}

build_errors() { grep -m3 -E "error|Error" "$1" >&2 || tail -n 5 "$1" >&2; }

sync_copy
[ -f "$build/CMakeCache.txt" ] || cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$work/logs/configure.log"

# Catching means nothing unless the copy passes before anything is planted.
if ! build_golden "$work/logs/baseline.build"; then
  build_errors "$work/logs/baseline.build"
  echo "FAIL: the copy does not build without a fault (see $work/logs/baseline.build)"
  exit 1
fi
if ! run_golden "$work/logs/baseline.out" baseline || grep -qE "Validation Error|SYNC-HAZARD" "$work/logs/baseline.out.stderr"; then
  echo "FAIL: the golden test fails or hangs on the copy without a fault (see $work/logs/baseline.out)"
  exit 1
fi

planted=""
restore() { [ -z "$planted" ] || cp "$work/original" "$tree/$planted"; }
trap restore EXIT

caught=0
for fault in "${faults[@]}"; do
  IFS='|' read -r name file edit <<<"$fault"
  slug="$(basename "$file" | tr '.' '_')"
  log="$work/logs/$slug"
  cp "$tree/$file" "$work/original"
  planted="$file"
  sed -i "$edit" "$tree/$file"
  if cmp -s "$work/original" "$tree/$file"; then
    echo "planted nothing   $name ($file unchanged)"
  elif ! build_golden "$log.build"; then
    build_errors "$log.build"
    echo "did not build     $name (see $log.build)"
  elif run_golden "$log.out" "$slug"; then
    echo "not caught        $name (every shot within tolerance)"
  elif differing="$(grep -c ' FAIL$' "$log.out")"; then
    echo "caught            $name ($differing of $(grep -cE ' (ok|FAIL)$' "$log.out") shots differ)"
    caught=$((caught + 1))
  else
    echo "not caught        $name (the tool stopped or hung without a differing shot, see $log.out.stderr)"
  fi
  restore
  planted=""
done
if [ "$caught" -ne "${#faults[@]}" ]; then
  exit 1
fi
