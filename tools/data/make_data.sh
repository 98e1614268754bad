#!/usr/bin/env bash
# Builds ORVANTE's shipped data set in data/ from scratch: configuration, tile and object
# definitions, level base file, font, pictures, sounds and music, and the second data set
# data/ARENA (make_arena.py).
#
# Usage: tools/data/make_data.sh [output folder [icon folder]]
#   (defaults: data/ and dist/icons/ at the top of the checkout)
#
# Needs Debian's imagemagick, fonts-dejavu-core, vorbis-tools, python3 and python3-numpy. The
# generated files are committed; run this only to change the data set, then run orvante-check on
# data/ and data/ARENA, and tools/data/measure_audio.py. The application icons of the desktop entry are drawn by
# make_icons.sh, which this script runs at the end.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/data}
icons=${2:-$root/dist/icons}

CONVERT=$(command -v /usr/bin/convert || command -v convert)
MONTAGE=$(command -v /usr/bin/montage || command -v montage)
PYTHON=$(command -v /usr/bin/python3 || command -v python3)
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
SANS=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
SANS_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
for tool in "$CONVERT" "$MONTAGE" "$PYTHON" oggenc; do
  command -v "$tool" > /dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
"$PYTHON" -c 'import numpy' 2> /dev/null || { echo "missing numpy (Debian package python3-numpy)" >&2; exit 1; }
for f in "$FONT" "$SANS" "$SANS_BOLD"; do
  [ -f "$f" ] || { echo "missing font $f (Debian package fonts-dejavu-core)" >&2; exit 1; }
done

export PYTHONDONTWRITEBYTECODE=1   # keep tools/data free of __pycache__
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
geo() { "$PYTHON" "$here/geometry.py" "$@"; }

# Pictures are written as 8-bit RGB PNG without alpha and without time stamps, so that the
# transparent colour is the only transparency and a rebuild gives the same bytes.
PNG_OPTS=(-strip -define png:exclude-chunks=date,time -define png:compression-level=9)
save_rgb() { "$CONVERT" "$1" -background black -alpha remove -alpha off -depth 8 "${PNG_OPTS[@]}" "PNG24:$2"; }

# key_white IN OUT [EDGE]: IN has an alpha channel. Pixels at least half covered keep their
# colour (flattened over the dark EDGE colour, which gives a crisp outline); all others become
# pure white, the see-through colour of glyphs, objects and the player. Pure white inside the
# picture is nudged to 254 so that it stays visible.
key_white() {
  local edge=${3:-#120c18}
  "$CONVERT" "$1" -background "$edge" -alpha remove -alpha off -fill '#fefefe' -opaque white "$tmp/kw_fg.png"
  "$CONVERT" "$1" -alpha extract -threshold 50% "$tmp/kw_mask.png"
  "$CONVERT" -size "$("$CONVERT" "$1" -format '%wx%h' info:)" xc:white "$tmp/kw_fg.png" "$tmp/kw_mask.png" \
    -composite "$tmp/kw_out.png"
  save_rgb "$tmp/kw_out.png" "$2"
}

# glow_on_black IN OUT: additive pictures keep black as "nothing"; the player picture is keyed on
# white, so its pure black surroundings become pure white.
black_to_white() {
  "$CONVERT" "$1" -fill '#fefefe' -opaque white -fill white -opaque black "$tmp/bw.png"
  save_rgb "$tmp/bw.png" "$2"
}

# draw_mvg IN OUT MVG-FILE: draws a long list of primitives in pieces small enough for one
# command-line argument (ImageMagick's policy forbids reading the list from a file).
draw_mvg() {
  local src=$1 dst=$2 chunk
  rm -f "$tmp"/mvgpart.*
  split -C 60000 "$3" "$tmp/mvgpart."
  cp "$src" "$tmp/mvgwork.png"
  for chunk in "$tmp"/mvgpart.*; do
    "$CONVERT" "$tmp/mvgwork.png" -draw "$(cat "$chunk")" "$tmp/mvgwork.png"
  done
  mv "$tmp/mvgwork.png" "$dst"
}

# pairs FILE KEY VALUE KEY VALUE ...: a key/value file with CR LF line ends.
pairs() {
  local file=$1; shift
  [ $(($# % 2)) -eq 0 ] || { echo "odd pair list for $file" >&2; exit 1; }
  : > "$file"
  while [ $# -gt 0 ]; do
    [ -n "$1" ] && [ -n "$2" ] || { echo "empty key or value in $file" >&2; exit 1; }
    printf '%s\r\n%s\r\n' "$1" "$2" >> "$file"
    shift 2
  done
}

echo "== Folders"
# Everything but the hand-written README.md is made anew.
mkdir -p "$out"
find "$out" -mindepth 1 -maxdepth 1 ! -name README.md -exec rm -rf {} +
mkdir -p "$out"/{DATA/FONT,DATA/LEVELS,DATA/TILES/ORVANTE,GFX/TILES,GFX/OBJECTS,GFX/PLAYER,GFX/FONT,GFX/EFFECTS,GFX/SCREENFX,GFX/SCREENS,SFX,MUSIC,LOG,SHOTS}
: > "$out/LOG/.keep"
: > "$out/SHOTS/.keep"
printf '%s\n' '# Written by the game while it runs' 'LOG/*.log' 'SHOTS/*.bmp' > "$out/.gitignore"

# ---------------------------------------------------------------------------------------------
echo "== Configuration"
# The difficulty (docs/BALANCE.md): a time unit of 601 frames (10 seconds) leaves a newcomer
# time to learn the first levels; at most two pink painters on any level; WORLDRANDOM picks the
# first level every new game starts on (one that shows every idea near its start).
pairs "$out/DATA/ini.txt" \
  APPNAME "ORVANTE" \
  RESBASEW 1024 \
  RESBASEH 768 \
  RESOLUTION 32 \
  WINDOWMODE 1 \
  USESPRITE3D 1 \
  MULTICORE 1 \
  MULTITASK 0 \
  SMOOTH 1 \
  FULLSCREENZOOM 1.0 \
  GAMEMODE DEFAULT \
  WORLDREFRESH 600 \
  CURSORSPEED 250 \
  MAXFOE 2 \
  USESELFCREATEBASE 1 \
  SELFCREATEBASE 'DATA\LEVELS\BASE.ai42' \
  MAPSIZE 48 \
  LABSWITCH 8 \
  WORLDRANDOM 1975 \
  USEEXTENDEDTOPO 0 \
  APPENTRY 'DATA\LEVELS\' \
  APPSTART ORVANTE \
  RGBCODEPATH 'DATA\TILES\' \
  TOPOGFX 'GFX\TILES\' \
  GFXCODEC .png \
  WORLDGFX 'GFX\OBJECTS\' \
  CURSOR 'GFX\PLAYER\cursor.png' \
  FONTPATH 'GFX\FONT\' \
  FONTSYSTEM 'DATA\FONT\CHARS.TXT' \
  EGFXPATH 'GFX\EFFECTS\' \
  EGFXMAX 12 \
  SCREGFXPATH 'GFX\SCREENFX\' \
  SCREGFXMAX 10 \
  LOADINTROSCREEN 'GFX\SCREENS\title.png' \
  LOADSCREEN 'GFX\SCREENS\load#.png' \
  SOUNDFXPATH 'SFX\' \
  INGAMEMUSIC 'MUSIC\' \
  MENUMUSIC menu.ogg \
  DEFTILESOUND step.ogg \
  FIXEDTILESOUND fixed.ogg \
  PINKTILEFIXEDSOUND pinkfixed.ogg \
  REMOVETILE remove.ogg \
  EXPLOSIONSOUND explosion.ogg \
  TIMERSOUND timer.ogg \
  ENDTIMERSOUND timer.ogg \
  BOMBPICKUPSOUND bomb.ogg \
  QUENDRAL1 quendral1.ogg \
  QUENDRAL quendral.ogg \
  LOGPATH 'LOG\' \
  LOGFILE error.log \
  USELOGFILE 1 \
  SCRSAVE 'SHOTS\' \
  HIGHSCOREFILE scores.txt \
  SAVEGFX 'SHOTS\' \
  GFXPATH 'GFX\' \
  BASICGFX 'GFX\' \
  TOPO 'GFX\TILES\' \
  SYSTEMCORE 'DATA\' \
  CORENAME ORVANTE

# Base file of generated levels: a level file header (name, base width, base height, two
# unused lines). The first level is random(20) + random(20) columns wide; later levels are
# 20 + random(20) + level columns wide (at most MAPSIZE), likewise 15 + random(15) + level rows.
printf '%s\r\n' ORVANTE 40 30 0 0 > "$out/DATA/LEVELS/BASE.ai42"

# ---------------------------------------------------------------------------------------------
echo "== Tile definitions"
# tile NAME GFXNAME COLLISION ENEMIES VALUE CHILD1 CHILD2 CHILD3 CHILD4
# Every key is written, because a retiled cell keeps the values of keys its new tile omits.
tile() {
  pairs "$out/DATA/TILES/ORVANTE/$1" \
    INTERNALNAME "$1" \
    GFXNAME "$2" \
    USECOLLISION "$3" \
    USEENEMY "$4" \
    VALUE1 "$5" \
    TRANSPARENCY 0 \
    RANDOMSEED 0 \
    ROTATE 0 \
    DX1 0 \
    DX2 0 \
    USEDIRECTION DEFAULT \
    CHILD1 "$6" CHILD2 "$7" CHILD3 "$8" CHILD4 "$9" \
    CHILD5 '#' CHILD6 '#' CHILD7 '#' CHILD8 '#'
}
#    name                   graphic          coll enemy value child1  child2  child3 child4
tile LAB_WALL               wall.png         2    0     0     '#'     '#'     '#'    '#'
tile LAB_FLOOR              floor.png        0    1     10    GEM     CLOCK   BOMB   '#'
tile LAB_GREEN              green.png        0    1     10    STAR    GEM     CLOCK  BOMB
tile LAB_WATER              water.png        1    0     0     '#'     '#'     '#'    '#'
tile LAB_WALL_E             wall_e.png       0    0     0     '#'     '#'     '#'    '#'
tile LAB_WALL_S             wall_s.png       0    0     0     '#'     '#'     '#'    '#'
tile LAB_GREEN_E            green_e.png      0    0     0     '#'     '#'     '#'    '#'
tile LAB_GREEN_S            green_s.png      0    0     0     '#'     '#'     '#'    '#'
tile LAB_WATER_E            water_e.png      0    0     0     '#'     '#'     '#'    '#'
tile LAB_WATER_S            water_s.png      0    0     0     '#'     '#'     '#'    '#'
tile LAB_BLUE_FLOOR         blue.png         0    0     0     '#'     '#'     '#'    '#'
tile LAB_FIXED_FLOOR        fixed.png        0    0     10    '#'     '#'     '#'    '#'
tile LAB_PINK_FLOOR         pink.png         0    0     0     '#'     '#'     '#'    '#'
tile LAB_FIXED_PINK_FLOOR   fixed_pink.png   0    0     0     '#'     '#'     '#'    '#'

# ---------------------------------------------------------------------------------------------
echo "== Object definitions"
# object FILE KEY VALUE ...: every key of an object definition, defaults first, then overrides.
object() {
  local file=$1; shift
  declare -A v=(
    [DGFXNAME]='#' [DGFXTRANSPARENCY]=255 [DDENSITY]=0 [DFITTOMATRIX]=1 [DCOLLISION]=0
    [DHOTSPOT]=TOPLEFT [DXMODE1]=0 [DXMODE2]=0 [DGFXSHOW]=1 [DCENTERFIELD]=0
    [DKILLONCOLLISION]=0 [DSCORE]=0 [DCOUNTTOSCORE]=0 [DCOUNTSOUND]=step.ogg [DUSECOUNTSOUND]=0
    [DISPLAYER]=0 [DISENEMY]=0 [DRANDOMMOVE]=0 [DMOVEX]=0 [DMOVEY]=0 [DVELOX]=0 [DVELOY]=0
    [DAILEVEL]=0 [DDMOVE]=0 [DCHANGEDIRECTION]=0 [DISGOODY]=0 [DEXTRATIME]=0 [DROTATE]=0)
  while [ $# -gt 0 ]; do
    [ -n "${v[$1]+set}" ] || { echo "unknown object key $1" >&2; exit 1; }
    v[$1]=$2; shift 2
  done
  local args=() k
  for k in DGFXNAME DGFXSHOW DGFXTRANSPARENCY DFITTOMATRIX DHOTSPOT DCENTERFIELD DXMODE1 DXMODE2 \
           DROTATE DDENSITY DCOLLISION DKILLONCOLLISION DSCORE DCOUNTTOSCORE DEXTRATIME DISGOODY \
           DCOUNTSOUND DUSECOUNTSOUND DISPLAYER DISENEMY DAILEVEL DDMOVE DRANDOMMOVE \
           DCHANGEDIRECTION DVELOX DVELOY DMOVEX DMOVEY; do
    args+=("$k" "${v[$k]}")
  done
  pairs "$out/GFX/OBJECTS/$file.dll" "${args[@]}"
}
# Pick-ups: placed through the CHILD slots of floor tiles, taken when touched.
object gem   DGFXNAME GEM   DDENSITY 11  DCOLLISION 1 DKILLONCOLLISION 1 DSCORE 50 \
             DCOUNTSOUND gem.ogg DUSECOUNTSOUND 1
object star  DGFXNAME STAR  DDENSITY 24  DCOLLISION 1 DKILLONCOLLISION 1 DSCORE 250 \
             DCOUNTSOUND star.ogg DUSECOUNTSOUND 1 DROTATE 3
object clock DGFXNAME CLOCK DDENSITY 24  DCOLLISION 1 DKILLONCOLLISION 1 DSCORE 10 \
             DEXTRATIME 3 DCOUNTSOUND clock.ogg DUSECOUNTSOUND 1
object bomb  DGFXNAME BOMB  DDENSITY 90  DCOLLISION 1 DKILLONCOLLISION 1 DSCORE 0 \
             DCOUNTSOUND bomb.ogg DUSECOUNTSOUND 1
# Enemies: never placed through tiles ("#"), spawned on floor cells. Group A paints pink, group
# B wipes paint. A quarter tile per step; the chances set how often they act, step and turn.
# About one of each on a first level (one pink painter per 121 floor or grass cells, one wiper
# per 201); wipers grow with the level, pink painters stop at MAXFOE.
object blot  DISENEMY 1 DDENSITY 120 DAILEVEL 1 DDMOVE 2 DRANDOMMOVE 2 DCHANGEDIRECTION 12 \
             DVELOX 4 DVELOY 4 DFITTOMATRIX 0
object wiper DISENEMY 2 DDENSITY 200 DAILEVEL 1 DDMOVE 3 DRANDOMMOVE 2 DCHANGEDIRECTION 16 \
             DVELOX 4 DVELOY 4 DFITTOMATRIX 0 DROTATE 9

# ---------------------------------------------------------------------------------------------
echo "== Tile graphics"
# Drawn at four times their size (128 x 128) and reduced to 32 x 32 for smooth edges.
T=128
noise_tex() {  # noise_tex SEED OUT: soft grey texture around 50% grey
  "$CONVERT" -size ${T}x${T} xc:gray50 -seed "$1" -attenuate 0.6 +noise Gaussian -colorspace gray \
    -blur 0x2 "$2"
}
plate() {  # plate OUT BASE LIGHT DARK BEVEL SEED: a square tile with a bevelled rim
  local o=$1 base=$2 hi=$3 lo=$4 b=$5 seed=$6
  noise_tex "$seed" "$tmp/noise.png"
  "$CONVERT" -size ${T}x${T} xc:"$base" "$tmp/noise.png" -compose softlight -composite -compose over \
    -fill "$hi" -draw "polygon 0,0 $T,0 $((T - b)),$b $b,$b $b,$((T - b)) 0,$T" \
    -fill "$lo" -draw "polygon $T,$T 0,$T $b,$((T - b)) $((T - b)),$((T - b)) $((T - b)),$b $T,0" \
    "$o"
}
shrink() { "$CONVERT" "$1" -filter box -resize 32x32! "$tmp/shrink.png"; save_rgb "$tmp/shrink.png" "$2"; }
G=$out/GFX/TILES

plate "$tmp/floor.png" '#262b38' '#343a4c' '#171a22' 5 11
"$CONVERT" "$tmp/floor.png" -fill none -stroke '#2f3545' -strokewidth 2 \
  -draw "roundrectangle 20,20 107,107 10,10" "$tmp/floor.png"
shrink "$tmp/floor.png" "$G/floor.png"

plate "$tmp/green.png" '#1d3b26' '#2a5636' '#11251a' 5 12
"$CONVERT" -size ${T}x${T} xc:black -seed 21 +noise Random -colorspace gray -threshold 93% \
  -morphology Dilate Disk:1.5 "$tmp/tufts.png"
"$CONVERT" "$tmp/green.png" \( -size ${T}x${T} xc:'#4f9a5a' \) "$tmp/tufts.png" -composite "$tmp/green.png"
shrink "$tmp/green.png" "$G/green.png"

plate "$tmp/water.png" '#0d3656' '#07223a' '#1d5d86' 5 13
waves=""
for y in 22 54 86 118; do
  pts=""
  for x in $(seq 0 8 128); do
    pts+=" $x,$(( y + ( (x / 8) % 4 == 1 ? -5 : ( (x / 8) % 4 == 3 ? 5 : 0 ) ) ))"
  done
  waves+="polyline$pts "
done
"$CONVERT" "$tmp/water.png" -fill none -stroke '#2c6f9c' -strokewidth 4 -draw "$waves" \
  \( +clone -blur 0x3 \) -compose screen -composite "$tmp/water.png"
shrink "$tmp/water.png" "$G/water.png"

plate "$tmp/wall.png" '#393d57' '#666d92' '#1b1d2e' 14 14
"$CONVERT" "$tmp/wall.png" -stroke '#22253a' -strokewidth 5 \
  -draw "line 14,64 114,64 line 64,14 64,64 line 36,64 36,114 line 96,64 96,114" \
  -stroke '#4c5274' -strokewidth 2 \
  -draw "line 14,68 114,68 line 68,14 68,60 line 40,68 40,114 line 100,68 100,114" "$tmp/wall.png"
shrink "$tmp/wall.png" "$G/wall.png"

# Painted floor: a glossy blot of paint on the floor plate.
painted() {  # painted OUT PAINT SHINE
  "$CONVERT" "$tmp/floor.png" -fill "$2" -stroke none -draw "roundrectangle 12,12 115,115 26,26" \
    -fill none -stroke "$3" -strokewidth 6 -draw "arc 24,24 104,104 190,260" "$tmp/painted.png"
  shrink "$tmp/painted.png" "$1"
}
painted "$G/blue.png" '#2158d8' '#7aa6ff'
painted "$G/pink.png" '#c22a8c' '#ff8ad2'

# Fixed floor: a solid bevelled tile with an inlaid diamond.
fixed() {  # fixed OUT BASE LIGHT DARK INLAY SEED
  plate "$tmp/fixed.png" "$2" "$3" "$4" 12 "$6"
  "$CONVERT" "$tmp/fixed.png" -fill "$5" -stroke "$4" -strokewidth 4 \
    -draw "polygon 64,30 98,64 64,98 30,64" \
    -fill none -stroke "$3" -strokewidth 3 -draw "polygon 64,42 86,64 64,86 42,64" "$tmp/fixed.png"
  shrink "$tmp/fixed.png" "$1"
}
fixed "$G/fixed.png" '#2f7cf6' '#9cc6ff' '#123a8c' '#d8e9ff' 15
fixed "$G/fixed_pink.png" '#e0409f' '#ffb0e0' '#7a1050' '#ffe0f3' 16
# The same tiles with patterns, for COLOUR ASSIST (GFX/TILES/ASSIST/).
bash "$here/make_assist.sh" "$out"

# Edge tiles: floor that shows the edge of its left (E) or upper (S) neighbour.
edge() {  # edge OUT SIDE COLOUR WIDTH
  local band=$tmp/band.png
  "$CONVERT" -size ${T}x"$4" gradient:"$3"-'rgba(0,0,0,0)' "$band"
  [ "$2" = E ] && "$CONVERT" "$band" -rotate -90 "$band"
  "$CONVERT" "$tmp/floor.png" "$band" -gravity northwest -compose over -composite "$tmp/edge.png"
  shrink "$tmp/edge.png" "$1"
}
edge "$G/wall_e.png" E 'rgba(5,5,12,0.85)' 44
edge "$G/wall_s.png" S 'rgba(5,5,12,0.85)' 44
edge "$G/green_e.png" E 'rgba(60,150,80,0.85)' 36
edge "$G/green_s.png" S 'rgba(60,150,80,0.85)' 36
edge "$G/water_e.png" E 'rgba(40,130,200,0.85)' 36
edge "$G/water_s.png" S 'rgba(40,130,200,0.85)' 36

# ---------------------------------------------------------------------------------------------
echo "== Objects, enemies and the player"
O=$out/GFX/OBJECTS
icon() {  # icon OUT MVG-FILE: draw on a transparent 128 x 128 canvas, reduce, key on white
  "$CONVERT" -size ${T}x${T} xc:none -draw "$(cat "$2")" -filter box -resize 32x32! "$tmp/icon.png"
  key_white "$tmp/icon.png" "$1"
}
cat > "$tmp/gem.mvg" <<'EOF'
stroke #06283a stroke-width 8 stroke-linejoin round fill #2cc8f0
polygon 64,16 106,52 64,114 22,52
stroke none fill #a8f3ff polygon 64,22 84,52 64,52 44,52
fill #6fe0ff polygon 64,22 44,52 28,52
fill #12a0d0 polygon 64,22 100,52 84,52
fill #0e86b4 polygon 84,52 100,52 64,106
fill #5fd8ff polygon 44,52 84,52 64,106
fill #e8fbff circle 52,38 56,38
EOF
icon "$O/gem.png" "$tmp/gem.mvg"

{ echo "stroke #4a2b00 stroke-width 8 stroke-linejoin round fill #ffcf2e"
  geo star 64 66 52 22 5
  echo "stroke none fill #fff0a0"
  geo star 60 60 24 10 5
} > "$tmp/star.mvg"
icon "$O/star.png" "$tmp/star.mvg"

cat > "$tmp/clock.mvg" <<'EOF'
stroke #0a1a3a stroke-width 8 fill #3d7bff circle 64,68 64,18
stroke none fill #f1f0e6 circle 64,68 64,30
stroke #0a1a3a stroke-width 5 line 64,36 64,44 line 64,92 64,100 line 32,68 40,68 line 88,68 96,68
stroke-width 8 stroke-linecap round line 64,68 64,44 line 64,68 84,78
stroke none fill #ff4a4a circle 64,68 64,62
fill #0a1a3a rectangle 52,6 76,16
EOF
icon "$O/clock.png" "$tmp/clock.mvg"

cat > "$tmp/bomb.mvg" <<'EOF'
stroke #a06a2a stroke-width 8 fill none stroke-linecap round path 'M 84,40 Q 96,18 110,20'
stroke #08080e stroke-width 8 fill #2b2f40 circle 58,74 58,30
stroke none fill #6a7294 ellipse 44,60 12,8 0,360
fill #c0c8e8 circle 40,56 43,56
stroke #08080e stroke-width 6 fill #3b4058 rectangle 72,32 92,48
EOF
geo star 110 20 18 6 8 >> "$tmp/bomb.mvg"
sed -i '$ s/^/stroke none fill #ffd23a /' "$tmp/bomb.mvg"
echo "fill #fff6c0 circle 110,20 114,20" >> "$tmp/bomb.mvg"
icon "$O/bomb.png" "$tmp/bomb.mvg"

{ echo "stroke #6a0c44 stroke-width 8 stroke-linejoin round fill #ff4fb4"
  geo blob 64 66 56 9 5
  echo "stroke none fill #ff9ad6"; geo blob 56 56 22 7 6
  echo "stroke #300018 stroke-width 4 fill #fbf4fa circle 48,62 48,48 circle 80,62 80,48"
  echo "stroke none fill #300018 circle 51,65 51,58 circle 83,65 83,58"
  echo "stroke #300018 stroke-width 6 stroke-linecap round line 36,44 56,52 line 92,44 72,52"
} > "$tmp/blot.mvg"
icon "$O/blot.png" "$tmp/blot.mvg"

{ echo "stroke #0f1a22 stroke-width 7 stroke-linejoin round fill #b9c8d6"
  geo gear 64 64 58 44 8
  echo "fill #3fd6c2 circle 64,64 64,30"
  echo "stroke none fill #c9fff4 path 'M 64,64 L 64,34 A 30,30 0 0,1 94,64 Z'"
  echo "fill #0f1a22 circle 64,64 64,54"
} > "$tmp/wiper.mvg"
icon "$O/wiper.png" "$tmp/wiper.mvg"

# The player: a glowing ring with four notches, drawn with additive blending while it turns.
"$CONVERT" -size ${T}x${T} xc:black -fill none -stroke '#3cc8ff' -strokewidth 10 -draw "circle 64,64 64,22" \
  -stroke '#bff0ff' -strokewidth 8 -draw "line 64,8 64,30 line 64,98 64,120 line 8,64 30,64 line 98,64 120,64" \
  \( +clone -blur 0x8 \) -compose screen -composite -compose over \
  -fill none -stroke '#e6fbff' -strokewidth 4 -draw "circle 64,64 64,22" \
  -filter box -resize 32x32! "$tmp/cursor.png"
black_to_white "$tmp/cursor.png" "$out/GFX/PLAYER/cursor.png"

# ---------------------------------------------------------------------------------------------
echo "== Font"
# The character list: one line of Latin-1 characters. Glyph images are named after the
# characters, except the symbol characters and lower-case letters, which have image names.
F=$out/GFX/FONT
{
  printf '%s' ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789
  printf '%s' '.?-:()*&+!,'"'"'_#=;"[]@'
  printf '\366\326\304\344\r\n'   # o-umlaut, O-umlaut, A-umlaut, a-umlaut
} > "$out/DATA/FONT/CHARS.TXT"

GW=18; GH=26        # glyph size; symbol glyphs are wider
"$CONVERT" -size 1x$((GH * 4)) gradient:'#fffbe6'-'#ffa020' -scale $((GW * 4))x$((GH * 4))! "$tmp/fontfill.png"
glyph() {  # glyph CHARACTER IMAGE-NAME
  local text=$1
  [ "$text" = % ] && text=%%
  "$CONVERT" -size $((GW * 4))x$((GH * 4)) xc:none -font "$FONT" -pointsize 88 -gravity center \
    -stroke '#1a0d05' -strokewidth 13 -fill '#1a0d05' -annotate +0+0 "$text" \
    -stroke none -tile "$tmp/fontfill.png" -annotate +0+0 "$text" \
    -filter box -resize ${GW}x${GH}! "$tmp/glyph.png"
  key_white "$tmp/glyph.png" "$F/$2.png" '#1a0d05'
}
for c in {A..Z} {0..9} '!' ',' "'" '_' '#' '=' ';'; do glyph "$c" "$c"; done
for c in {a..z}; do glyph "$c" "_$c"; done
glyph . POINT; glyph '?' ASK; glyph - MINUS; glyph : POINTPOINT
glyph '(' LEFT; glyph ')' RIGHT; glyph + PLUS

SW=24
symbol() {  # symbol IMAGE-NAME MVG-FILE: drawn on a 96 x 104 canvas
  "$CONVERT" -size $((SW * 4))x$((GH * 4)) xc:none -draw "$(cat "$2")" -filter box -resize ${SW}x${GH}! "$tmp/sym.png"
  key_white "$tmp/sym.png" "$F/$1.png" '#100a10'
}
cat > "$tmp/s_bomb.mvg" <<'EOF'
stroke #b07a3a stroke-width 7 fill none stroke-linecap round path 'M 62,34 Q 70,16 82,18'
stroke #050508 stroke-width 8 fill #2b2f40 circle 44,62 44,28
stroke none fill #7a82a8 ellipse 34,52 9,6 0,360
stroke #050508 stroke-width 5 fill #3b4058 rectangle 52,28 68,42
stroke none fill #ffd23a circle 82,18 82,8
fill #fff3b0 circle 82,18 82,13
EOF
symbol BOMB "$tmp/s_bomb.mvg"
cat > "$tmp/s_nobomb.mvg" <<'EOF'
stroke #20242e stroke-width 8 fill #3a3f4e circle 44,62 44,30
stroke none fill #4a5064 circle 44,62 44,44
EOF
symbol NOBOMB "$tmp/s_nobomb.mvg"
cat > "$tmp/s_herz.mvg" <<'EOF'
stroke #3a0008 stroke-width 8 stroke-linejoin round fill #f0324a
path 'M 48,88 C 10,60 12,26 34,24 C 42,23 46,28 48,36 C 50,28 54,23 62,24 C 84,26 86,60 48,88 Z'
stroke none fill #ff9aa8 ellipse 32,38 7,5 0,360
EOF
symbol HERZ "$tmp/s_herz.mvg"
cat > "$tmp/s_life.mvg" <<'EOF'
stroke #062a0e stroke-width 8 stroke-linejoin round fill #45d46a
circle 48,30 48,14
path 'M 24,92 L 28,56 Q 48,42 68,56 L 72,92 Z'
stroke none fill #b8ffc8 circle 43,25 43,21
EOF
symbol LIFE "$tmp/s_life.mvg"
{ echo "stroke #4a2b00 stroke-width 7 stroke-linejoin round fill #ffcf2e"
  geo star 48 56 40 17 5
  echo "stroke none fill #fff0a0"; geo star 45 51 17 7 5
} > "$tmp/s_stern.mvg"
symbol STERN "$tmp/s_stern.mvg"
cat > "$tmp/s_fuel.mvg" <<'EOF'
stroke #2a0505 stroke-width 7 stroke-linejoin round fill #d83a2a
path 'M 20,36 L 38,18 L 76,18 L 76,92 L 20,92 Z'
fill none stroke-width 6 path 'M 50,18 L 50,10 L 66,10 L 66,18'
stroke #ffd0c0 stroke-width 5 line 32,48 64,80 line 64,48 32,80
EOF
symbol FUEL "$tmp/s_fuel.mvg"
floppy() {  # floppy NAME BODY
  cat > "$tmp/s_floppy.mvg" <<EOF
stroke #05080f stroke-width 7 stroke-linejoin round fill $2
path 'M 14,20 L 72,20 L 84,32 L 84,90 L 14,90 Z'
stroke none fill #d8dde8 rectangle 28,22 66,44
fill #05080f rectangle 54,26 62,40
fill #f0f0ea rectangle 26,58 72,88
stroke #9aa0b0 stroke-width 3 line 32,66 66,66 line 32,74 66,74 line 32,82 66,82
EOF
  symbol "$1" "$tmp/s_floppy.mvg"
}
floppy FLOPPY '#2f5fd0'
floppy FLOPPYB '#c02f7a'

# ---------------------------------------------------------------------------------------------
echo "== Glow sprites"
# Soft particles on black: black is their see-through colour, and they are drawn additively.
glow() {  # glow OUT SIZE COLOUR CORE: colour with a soft falloff, a small bright core
  local s=$2
  # The gradient reaches black at the corners; levelling at 29.3% makes it black at the edges.
  "$CONVERT" -size ${s}x${s} radial-gradient:white-black -level 29.3%,100% "$tmp/r.png"
  "$CONVERT" "$tmp/r.png" -evaluate pow 2.2 "$tmp/falloff.png"
  "$CONVERT" "$tmp/r.png" -evaluate pow 8 "$tmp/core.png"
  "$CONVERT" \( -size ${s}x${s} xc:"$3" "$tmp/falloff.png" -compose multiply -composite \) \
    \( -size ${s}x${s} xc:"$4" "$tmp/core.png" -compose multiply -composite \) \
    -compose screen -composite "$tmp/glow.png"
  save_rgb "$tmp/glow.png" "$1"
}
glow "$out/GFX/EFFECTS/spark_blue.png" 16 '#4f9dff' '#e0f0ff'
glow "$out/GFX/EFFECTS/spark_pink.png" 12 '#ff4fb4' '#ffe0f4'
glow "$out/GFX/EFFECTS/mote_gold.png" 10 '#ffc040' '#fff4d0'
glow "$out/GFX/SCREENFX/orb_blue.png" 64 '#1c4ec0' '#9cc8ff'
glow "$out/GFX/SCREENFX/orb_pink.png" 48 '#a01c78' '#ff9ad6'
glow "$out/GFX/SCREENFX/orb_cyan.png" 32 '#1c9cb0' '#b0f4ff'

# ---------------------------------------------------------------------------------------------
echo "== Screens"
S=$out/GFX/SCREENS
# Title backdrop: a night sky over a perspective floor of labyrinth tiles, some painted.
W=1024; H=768; HZ=470
{ echo "stroke none"; geo sky $W $((HZ - 10)) 260 3; } > "$tmp/sky.mvg"
geo grid $W $HZ $H 4 > "$tmp/grid.mvg"
"$CONVERT" -size ${W}x${HZ} gradient:'#04030f'-'#2a0c46' \
  -size ${W}x$((H - HZ)) gradient:'#160830'-'#030208' -append "$tmp/bg.png"
"$CONVERT" -size ${W}x${H} xc:black -draw "$(cat "$tmp/sky.mvg")" "$tmp/stars.png"
# A sun sinking behind the horizon, cut by dark bands.
"$CONVERT" -size ${W}x${H} xc:black -fill white -draw "circle 512,$((HZ - 10)) 512,$((HZ - 180))" \
  -fill black -draw "rectangle 0,$((HZ - 70)) $W,$((HZ - 64))" \
  -draw "rectangle 0,$((HZ - 48)) $W,$((HZ - 40))" -draw "rectangle 0,$((HZ - 26)) $W,$((HZ - 16))" \
  -draw "rectangle 0,$HZ $W,$H" -evaluate multiply 0.8 "$tmp/sunmask.png"
"$CONVERT" -size ${W}x${H} gradient:'#c0407a'-'#5a1050' "$tmp/sunmask.png" -alpha off \
  -compose copyopacity -composite "$tmp/sun.png"
"$CONVERT" -size ${W}x${H} xc:none "$tmp/empty.png"
draw_mvg "$tmp/empty.png" "$tmp/grid.png" "$tmp/grid.mvg"
"$CONVERT" "$tmp/bg.png" "$tmp/stars.png" -compose screen -composite \
  \( "$tmp/sun.png" -blur 0x30 \) -compose over -composite \
  "$tmp/sun.png" -compose over -composite \
  \( "$tmp/grid.png" -blur 0x6 \) -compose over -composite \
  "$tmp/grid.png" -compose over -composite \
  \( -size ${W}x90 gradient:'rgba(22,8,46,1)'-'rgba(22,8,46,0)' \) -geometry +0+$HZ -compose over -composite \
  \( -size ${W}x${H} xc:black -fill '#ff7ac8' -draw "rectangle 0,$((HZ - 1)) $W,$((HZ + 1))" -blur 0x4 \) \
  -compose screen -composite \
  \( -size ${W}x${H} radial-gradient:'rgba(0,0,0,0)'-'rgba(0,0,0,0.75)' \) -compose over -composite \
  "$tmp/title.png"
# The "HOW TO PLAY" panel, drawn with the shipped pick-up and enemy pictures, goes at the top of
# the title picture (above the highscore lines, which start at 0.2 of the height) and of both
# loading pictures (above the credit lines, which start at 0.3).
mkdir -p "$tmp/icons"
for icon in gem star clock bomb blot wiper; do
  "$CONVERT" "$O/$icon.png" -transparent white "$tmp/icons/$icon.png"
done
geo howto "$SANS" "$SANS_BOLD" "$tmp/icons" > "$tmp/howto.mvg"
"$CONVERT" -size 1008x144 xc:none "$tmp/howto_empty.png"
draw_mvg "$tmp/howto_empty.png" "$tmp/howto.png" "$tmp/howto.mvg"
"$CONVERT" "$tmp/title.png" "$tmp/howto.png" -geometry +8+2 -compose over -composite "$tmp/title.png"
save_rgb "$tmp/title.png" "$S/title.png"

# Loading pictures of the intro: a labyrinth drawn with the game's own tiles, dimmed so that the
# credit lines stand out; one in blue, one in pink.
for n in 0 1; do
  theme=blue; [ $n = 1 ] && theme=pink
  geo maze 32 24 $theme $((40 + n)) | sed "s|^|$G/|" > "$tmp/maze.txt"
  mapfile -t cells < "$tmp/maze.txt"
  "$MONTAGE" "${cells[@]}" -tile 32x24 -geometry 32x32+0+0 "$tmp/maze.png"
  "$CONVERT" "$tmp/maze.png" -modulate 68,95 \
    \( -size ${W}x${H} radial-gradient:'rgba(0,0,0,0.15)'-'rgba(0,0,0,0.85)' \) -compose over -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(0,0,0,0.4)' -draw "rectangle 0,210 $W,560 rectangle 0,590 $W,660" -blur 0x25 \) \
    -compose over -composite "$tmp/howto.png" -geometry +8+36 -compose over -composite "$tmp/load.png"
  save_rgb "$tmp/load.png" "$S/load$n.png"
done

# ---------------------------------------------------------------------------------------------
echo "== Sounds and music"
"$PYTHON" "$here/synth.py" "$tmp/snd"
serial=1
for wav in "$tmp"/snd/sfx/*.wav; do
  name=$(basename "$wav" .wav)
  oggenc -Q -q 2 --serial $serial -o "$out/SFX/$name.ogg" "$wav"
  serial=$((serial + 1))
done
# The music is mastered by synth.py (level, limiter, a reverb that wraps round the loop);
# here it is only encoded.
for wav in "$tmp"/snd/music/*.wav; do
  name=$(basename "$wav" .wav)
  oggenc -Q -q 2 --serial $serial -o "$out/MUSIC/$name.ogg" "$wav"
  serial=$((serial + 1))
done

# ---------------------------------------------------------------------------------------------
echo "== Second data set: ARENA"
# A hand-drawn level played in HARDCORE mode from its own folder, with the pictures above.
"$PYTHON" "$here/make_arena.py" "$out"

# ---------------------------------------------------------------------------------------------
echo "== Application icons"
"$here/make_icons.sh" "$icons"

echo "== Done"
du -sh "$out"
