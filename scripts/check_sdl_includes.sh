#!/usr/bin/env bash
# Only the SDL platform may include SDL headers; everything else reaches SDL through the media
# layer's Platform interface.
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root"
hits=$(grep -rlE '#\s*include\s*[<"]SDL' src tests tools bench | grep -v '^src/media/platform_sdl/' \
       | grep -v '^tests/sdl/' || true)
if [ -n "$hits" ]; then
  echo "SDL headers included outside the SDL platform:"
  echo "$hits"
  exit 1
fi
echo "SDL headers only in src/media/platform_sdl and tests/sdl"
