#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need, only
# when one is missing. Runs apt-get as root, or through sudo.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libfontconfig-dev zlib1g-dev libdeflate-dev
  libgl1-mesa-dri libegl1 fonts-ipafont-gothic fonts-liberation2
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
