#!/usr/bin/env bash
# Takes a picture of every screen of the real game, played as a player plays it in an X server
# (Xvfb) with the shipped data, into docs/screenshots/ (PNG, 640 pixels wide).
#   scripts/take_screenshots.sh [game binary] [X display number]
# The binary defaults to build/release/orvante, the display to 99. Needs Xvfb, xdotool and
# ImageMagick. The game runs from a copy of data/; for the time-out that leads to the highscore
# screen and the game over, the copy's clock runs fast (WORLDREFRESH 10), everything else is as
# shipped.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$root/build/release/orvante}")
display=${2:-99}
out=$root/docs/screenshots
source "$root/tests/e2e/lib.bash"
title=ORVANTE
game_dir=$work/data

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'stop_game || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=":$display"
sleep 1

# A fresh copy of the shipped data with extra configuration lines ("KEY" "value" ...).
fresh_data() {
  rm -rf "$game_dir"
  cp -r "$root/data" "$game_dir"
  [ $# -eq 0 ] || printf '%s\r\n' "$@" >> "$game_dir/DATA/ini.txt"
}

# Saves the window as docs/screenshots/$1.png.
shot() {
  import -window "$window" png:- 2>/dev/null |
    convert - -resize 640x -strip -colors 256 "PNG8:$out/$1.png"
  echo "$out/$1.png"
}

# Holds an arrow key for $2 seconds.
walk() {
  xdotool keydown "$1" 2>/dev/null
  sleep "$2"
  xdotool keyup "$1" 2>/dev/null
}

mkdir -p "$out"
fresh_data
start_game "$binary"
sleep 3
shot intro
sleep 25  # the intro's loading pictures and sounds
shot title
press p
sleep 4
walk Right 1.5
walk Down 1.5
walk Right 1
shot level1
press p
sleep 0.5
shot pause
press x
sleep 0.5
press Escape
sleep 0.5
shot quit
press x
# Page Up builds the next level: one press per built level.
for _ in 1 2 3; do
  press Prior
  sleep 3
done
sleep 1
walk Down 1
walk Right 1.5
shot later_level
stop_game || true

fresh_data WORLDREFRESH 10
start_game "$binary"
sleep 28
press p
sleep 12  # the level announcement, then 15 fast time units
shot highscore
press p
sleep 0.4
shot game_over
stop_game || true
