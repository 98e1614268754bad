#!/usr/bin/env bash
# The real game on the test data set: START (P) leads past the intro and the title menu, the
# arrow keys walk the player, F12 saves a screenshot, P and B restart the level, Escape opens the
# quit dialog and B ends the game; the game-over sequence plays and the program ends with exit
# code 0. Needs an X display and xdotool.
set -u
game=$(realpath "$1")
data=$(cd "$(dirname "$0")/../fixtures/data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$1"; cat "$work/stderr.txt" 2>/dev/null; kill -9 "$pid" 2>/dev/null; exit 1; }

cp -r "$data/DATA" "$work/DATA"
# Eight seconds per time unit, so the level's time lasts through the whole session.
printf 'WORLDREFRESH\n480\n' >> "$work/DATA/ini.txt"
(cd "$work" && exec "$game" 2> "$work/stderr.txt") &
pid=$!

window() { xdotool search --name '^ORVANTE TEST$' 2>/dev/null | head -n 1; }
# Holds a key for a moment, so that the game sees it down in at least one frame.
press() {
  local win
  win=$(window)
  [ -n "$win" ] || return 0
  # Keys sent to a window are synthetic and may be dropped: focus it and type for real.
  xdotool windowfocus "$win" 2>/dev/null
  xdotool keydown "$1" 2>/dev/null
  sleep 0.15
  xdotool keyup "$1" 2>/dev/null
}

# The intro takes about eleven seconds before the title menu reads START.
for _ in $(seq 1 30); do
  kill -0 $pid 2>/dev/null || fail "the game ended before play"
  press p
  sleep 0.4
done
# A START that came after the title menu opened the pause dialog: X closes it and does nothing
# in play.
press x
sleep 0.3
for key in Right Right Down Down Left Up; do press "$key"; sleep 0.2; done
kill -0 $pid 2>/dev/null || fail "the game ended during play"
grep -q "ERROR" "$work/stderr.txt" && fail "an error was shown"

# F12 saves the screen from pixel (2, 2) on, named by the date, in the current folder (SCRSAVE is
# not set): 638 x 478 pixels of the 640 x 480 screen.
press F12
sleep 0.5
shot=$(ls "$work" | grep -E '^[0-9]{14}\.bmp$' | head -n 1)
[ -n "$shot" ] || fail "F12 saved no screenshot"
size=$(od -An -t d4 -j 18 -N 8 "$work/$shot" | xargs)
[ "$size" = "638 478" ] || fail "screenshot of $size pixels, expected 638 478"

# P pauses, B restarts the level; play goes on.
press p
sleep 0.3
press b
sleep 1
kill -0 $pid 2>/dev/null || fail "the game ended on a restart"

press Escape
sleep 0.5
kill -0 $pid 2>/dev/null || fail "Escape alone ended the game"
for _ in $(seq 1 20); do
  kill -0 $pid 2>/dev/null || break
  press b
  sleep 0.5
  kill -0 $pid 2>/dev/null || break
  press Escape  # in case the first Escape came before the game window took keys
  sleep 0.3
done
kill -0 $pid 2>/dev/null && fail "the game did not end after Escape and B"
wait $pid
code=$?
[ $code -eq 0 ] || fail "exit code $code, expected 0"
echo "quit with Escape and B: exit code 0"
