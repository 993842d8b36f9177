#!/usr/bin/env bash
# Installs the Debian packages that are missing, with apt-get, as root or
# through sudo.
#   scripts/install-deps.sh play   what building and playing the game needs
#   scripts/install-deps.sh test   that, and what the tests, the benchmarks
#                                  and the screenshot tools need
# When it cannot install them it says which are missing and how to install
# them, and exits 1; apt's own lines above it tell the cause.
set -uo pipefail

what="${1:-test}"
play_packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libfontconfig-dev zlib1g-dev libdeflate-dev
  libgl1-mesa-dri libegl1 fonts-ipafont-gothic fonts-liberation2
)
test_packages=(
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick
)
# What the build asks pkg-config and CMake for, for a system without apt;
# and the programs the tests run (name:command), asked of the PATH.
play_libraries="sdl2 SDL2_ttf SDL2_mixer fontconfig zlib libdeflate"
test_libraries="gtest benchmark"
test_tools="clang:clang Xvfb:Xvfb xauth:xauth xdotool:xdotool ImageMagick:convert"

case "$what" in
  play) packages=("${play_packages[@]}"); libraries="$play_libraries"; tools="" ;;
  test) packages=("${play_packages[@]}" "${test_packages[@]}"); libraries="$play_libraries $test_libraries"
        tools="$test_tools" ;;
  *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  # Not a Debian system: nothing here can install, so say what the build
  # needs and let the build itself find out whether it is there.
  absent_tools=()
  for tool in $tools; do command -v "${tool#*:}" >/dev/null 2>&1 || absent_tools+=("${tool%%:*}"); done
  if command -v pkg-config >/dev/null 2>&1; then
    absent=()
    for lib in $libraries; do pkg-config --exists "$lib" || absent+=("$lib"); done
    [ ${#absent[@]} -eq 0 ] && [ ${#absent_tools[@]} -eq 0 ] && exit 0
    libraries="${absent[*]}"
  fi
  echo "install-deps: this system has no apt-get; install these by its own means and run again:" >&2
  [ -n "$libraries" ] && echo "  libraries (pkg-config names): $libraries" >&2
  echo "  tools: a C++20 compiler (g++ 12 or later), cmake 3.25 or later, pkg-config" >&2
  [ ${#absent_tools[@]} -gt 0 ] && echo "  tools the tests run: ${absent_tools[*]}" >&2
  echo "  fonts: IPAPGothic (Japanese) and Liberation Sans" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
cannot_install() {
  echo "install-deps: could not install the packages the game needs ($1)." >&2
  echo "  missing: ${missing[*]}" >&2
  echo "  as root, run: $as_root" >&2
  exit 1
}

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || cannot_install "not root, and there is no sudo"
  sudo_cmd=(sudo)
fi
# Asked first on its own, so that a refusal is not taken for apt's failure.
if [ ${#sudo_cmd[@]} -gt 0 ] && ! sudo true; then
  cannot_install "sudo refused to run commands as root (a password is asked for and none was given, or this user may not use sudo)"
fi
"${sudo_cmd[@]}" apt-get update -qq || cannot_install "apt-get update failed: is the network or the package list reachable?"
# Through env: sudo clears the environment, so a variable set before it
# would not reach apt-get.
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" ||
  cannot_install "apt-get install failed"
