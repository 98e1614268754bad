#!/usr/bin/env bash
# make_assist.sh DATA: the colour assist pictures of a data set, made from its tile pictures.
# For each picture of a painted or fixed tile in DATA/GFX/TILES it writes a copy with a pattern
# into DATA/GFX/TILES/ASSIST/ under the same name, which the game shows instead while COLOUR
# ASSIST is on: the player's blue tiles get stripes, the pink ones dots, so the two differ by
# more than their colour. Needs ImageMagick; a rerun gives the same bytes.
set -eu
data=$1
CONVERT=$(command -v /usr/bin/convert || command -v convert)
tiles=$data/GFX/TILES
out=$tiles/ASSIST
mkdir -p "$out"
PNG_OPTS=(-strip -define png:exclude-chunks=date,time -define png:compression-level=9)

stripes() {  # stripes NAME: light diagonal stripes
  "$CONVERT" "$tiles/$1" -stroke 'rgba(255,255,255,0.75)' -strokewidth 3 \
    -draw "line -8,8 8,-8" -draw "line -8,24 24,-8" -draw "line -8,40 40,-8" \
    -draw "line 8,40 40,8" -draw "line 24,40 40,24" \
    -background black -alpha remove -alpha off -depth 8 "${PNG_OPTS[@]}" "PNG24:$out/$1"
}
dots() {  # dots NAME: dark round dots in a grid
  "$CONVERT" "$tiles/$1" -fill 'rgba(20,0,20,0.8)' -stroke none \
    -draw "circle 8,8 11,8" -draw "circle 24,8 27,8" -draw "circle 16,16 19,16" \
    -draw "circle 8,24 11,24" -draw "circle 24,24 27,24" \
    -background black -alpha remove -alpha off -depth 8 "${PNG_OPTS[@]}" "PNG24:$out/$1"
}
stripes blue.png
stripes fixed.png
dots pink.png
dots fixed_pink.png
