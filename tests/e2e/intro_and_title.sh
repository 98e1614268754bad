#!/usr/bin/env bash
# The real game with the test font: the intro shows one of its two pictures, the title menu
# follows with its own picture, and P (START) leaves the menu, after which start-up goes on to
# the first level. Its level file is missing, so the game then ends with that message box.
# Needs an X display (the test suite runs under xvfb-run) and xdotool.
set -u
game=$1
fixtures=$(cd "$(dirname "$0")/../fixtures" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/DATA"
cp -r "$fixtures/font" "$work/FONT"
printf 'E\r\n' > "$work/FONT/list.txt"
printf '%s\r\n' APPNAME ORVANTE-E2E RESBASEW 320 RESBASEH 240 FONTPATH 'FONT\' \
  FONTSYSTEM 'FONT\list.txt' LOADSCREEN "$fixtures/screens/backdrop_#.png" \
  LOADINTROSCREEN "$fixtures/screens/title.png" > "$work/DATA/ini.txt"
cd "$work"

"$game" 2> "$work/stderr.txt" > /dev/null &
pid=$!
trap 'kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "$1"; cat "$work/stderr.txt"; exit 1; }

# The colour of a pixel near the top-left corner of the game window, as "r,g,b".
corner() {
  import -window "$1" png:- 2>/dev/null |
    convert - -crop 1x1+4+4 -depth 8 txt:- 2>/dev/null | sed -n 's/.*(\([0-9]*,[0-9]*,[0-9]*\).*/\1/p'
}

# Waits up to $2 tenths of a second for the corner to show one of the colours in $1.
wait_for_corner() {
  for _ in $(seq 1 "$2"); do
    case " $1 " in *" $(corner "$window") "*) return 0 ;; esac
    sleep 0.1
  done
  return 1
}

window=
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^ORVANTE-E2E$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no game window"

wait_for_corner "0,0,160 0,160,0" 100 || fail "the intro picture did not show"
echo "intro shown"
wait_for_corner "160,0,0" 300 || fail "the title menu did not follow the intro"
echo "title menu shown"

xdotool keydown p
sleep 0.5
xdotool keyup p

for _ in $(seq 1 100); do
  grep -q "Could not open topographic data" "$work/stderr.txt" 2>/dev/null && break
  sleep 0.1
done
grep -q "Could not open topographic data" "$work/stderr.txt" ||
  fail "START did not leave the title menu for the first level"
echo "START left the title menu"
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  for box in $(xwininfo -root -children 2>/dev/null | grep -F '"ERROR "' | awk '{print $1}'); do
    xdotool key --window "$box" Return 2>/dev/null
  done
  sleep 0.2
done
kill -0 $pid 2>/dev/null && fail "the game did not end after the box was answered"
wait $pid
code=$?
# A missing level file keeps the game from running: it ends with a failure status.
[ $code -eq 1 ] || fail "exit code $code, expected 1"
