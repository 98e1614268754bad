#!/usr/bin/env bash
# Draws ORVANTE's application icon in the sizes a desktop asks for, plus a scalable SVG, in the
# layout of the hicolor icon theme:
#   OUT/hicolor/<N>x<N>/apps/orvante.png   for N = 16, 32, 48, 64, 128, 256
#   OUT/hicolor/scalable/apps/orvante.svg
#
# Usage: tools/data/make_icons.sh [output folder]    (default: dist/icons at the top of the checkout)
#
# Needs Debian's imagemagick, python3 and python3-numpy; make_data.sh runs it too. The drawing is
# tools/data/icon.py; the same run always gives the same files.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/dist/icons}

CONVERT=$(command -v /usr/bin/convert || command -v convert)
PYTHON=$(command -v /usr/bin/python3 || command -v python3)
for tool in "$CONVERT" "$PYTHON"; do
  command -v "$tool" > /dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
"$PYTHON" -c 'import numpy' 2> /dev/null || { echo "missing numpy (Debian package python3-numpy)" >&2; exit 1; }

export PYTHONDONTWRITEBYTECODE=1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The icons are made anew; nothing else lives below OUT/hicolor.
rm -rf "$out/hicolor"
for size in 16 32 48 64 128 256; do
  dir=$out/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  "$PYTHON" "$here/icon.py" rgba "$size" "$tmp/icon.rgba"
  # 8-bit RGBA without time stamps, so that a rebuild gives the same bytes.
  "$CONVERT" -size "${size}x${size}" -depth 8 "rgba:$tmp/icon.rgba" -strip \
    -define png:exclude-chunks=date,time -define png:compression-level=9 "PNG32:$dir/orvante.png"
done
mkdir -p "$out/hicolor/scalable/apps"
"$PYTHON" "$here/icon.py" svg "$out/hicolor/scalable/apps/orvante.svg"
