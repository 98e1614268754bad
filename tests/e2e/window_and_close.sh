#!/usr/bin/env bash
# The real game on the test data set opens a borderless window of its design size (640 x 480)
# centred on the 1280 x 1024 screen of the test X server, and ends with exit code 0 when the
# desktop asks it to close (SIGTERM, as a session manager or `kill` sends it).
set -u
game=$(realpath "$1")
data=$(cd "$(dirname "$0")/../fixtures/data" && pwd)
work=$(mktemp -d)
cp -r "$data/DATA" "$work/DATA"
cd "$work"
"$game" 2> "$work/stderr.txt" > /dev/null &
pid=$!
trap 'kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "$1"; cat "$work/stderr.txt"; exit 1; }

win=""
for _ in $(seq 1 100); do
  win=$(xwininfo -root -children 2>/dev/null | awk '/"ORVANTE TEST"/ {print $1; exit}')
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no game window appeared"
sleep 0.5
info=$(xwininfo -id "$win")
x=$(echo "$info" | awk '/Absolute upper-left X/ {print $4}')
y=$(echo "$info" | awk '/Absolute upper-left Y/ {print $4}')
w=$(echo "$info" | awk '/Width:/ {print $2}')
h=$(echo "$info" | awk '/Height:/ {print $2}')
[ "$w" = 640 ] && [ "$h" = 480 ] || fail "window is ${w}x${h}, expected 640x480"
[ "$x" = 320 ] && [ "$y" = 272 ] || fail "window is at $x,$y, expected 320,272 (centred)"

kill -TERM $pid
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the game did not end on SIGTERM"
wait $pid
code=$?
[ $code -eq 0 ] || fail "exit code $code, expected 0"
echo "window ${w}x${h} at $x,$y; closed with exit code 0"
