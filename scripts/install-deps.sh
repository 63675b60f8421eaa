#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# skipping those already present. Packages named as arguments come too: the
# test and record scripts add ffmpeg, which only recording and its tests use.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libvulkan-dev libglfw3-dev libx11-dev libxrandr-dev libglm-dev libstb-dev libtinyobjloader-dev libgtest-dev libimgui-dev
  glslc mesa-vulkan-drivers vulkan-validationlayers
  xvfb xdotool imagemagick x11-utils
  clang libclang-rt-dev
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
