#!/usr/bin/env bash
# The native game's pictures that the browser version must show too, taken in an X server:
# native_pictures.sh <game binary> <data folder> <output folder>. Writes title.rgb (the title
# menu) and then play.rgb (play, eight seconds after P), raw 8-bit RGB of the 1024x768 window,
# each as soon as it is taken. Needs Xvfb (or a display), xdotool and ImageMagick.
set -eu
binary=$(realpath "$1")
data=$2
out=$3
work=$(mktemp -d)
mkdir -p "$out" "$work/home"
cp -r "$data" "$work/data"
pid=
trap '[ -n "$pid" ] && kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
# A scratch home, so the player's own best scores and settings play no part.
(cd "$work/data" && HOME=$work/home XDG_CONFIG_HOME=$work/home/config \
  XDG_DATA_HOME=$work/home/data XDG_STATE_HOME=$work/home/state SDL_AUDIODRIVER=dummy \
  exec "$binary" > "$work/stdout.txt" 2> "$work/stderr.txt") &
pid=$!
window=
for _ in $(seq 1 600); do
  window=$(xdotool search --all --pid "$pid" --name '^ORVANTE$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "native_pictures: no game window"; cat "$work/stderr.txt"; exit 1; }
take() {
  import -window "$window" -depth 8 "rgb:$out/$1.tmp" 2>/dev/null
  mv "$out/$1.tmp" "$out/$1.rgb"
}
sleep 35  # the intro's loading pictures, then the title menu
take title
xdotool windowfocus "$window" keydown p 2>/dev/null
sleep 0.15
xdotool keyup p 2>/dev/null
sleep 8  # the level announcement, then play with its status line
take play
