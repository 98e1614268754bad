#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its tests and tools need, when any is missing.
set -eu
packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libgl1-mesa-dri libpng-dev zlib1g-dev libjpeg-dev libtiff-dev libvorbis-dev libogg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-format libclang-rt-14-dev
  xvfb xfonts-base xdotool x11-apps x11-utils imagemagick strace
  desktop-file-utils appstream dpkg-dev file python3 python3-numpy vorbis-tools lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
