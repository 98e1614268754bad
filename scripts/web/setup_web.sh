#!/usr/bin/env bash
# Installs the Debian 12 packages the browser build and its tests need, when any is missing:
# Emscripten, the tools that unpack Debian source packages, Chromium and npm (for the browser
# test driver).
set -eu
packages=(emscripten dpkg-dev cmake ninja-build pkg-config chromium python3)
command -v npm > /dev/null || packages+=(npm)
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
