#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole CTest suite. The
# end-to-end tests start their own Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" ffmpeg
bash "$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure "$@"
