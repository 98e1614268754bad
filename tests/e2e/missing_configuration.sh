#!/usr/bin/env bash
# The real game, given a data folder without DATA/ini.txt (--data), shows the configuration
# error naming the folder in a message box (and on stderr) before any window opens, and ends
# with exit code 1 once the box is answered. Needs an X display (the test suite runs under
# xvfb-run) and xdotool.
set -u
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$game" --data "$work" 2> "$work/stderr.txt" > /dev/null &
pid=$!
trap 'kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT

# Wait for the message, then answer the box with Return.
for _ in $(seq 1 100); do
  grep -q "Could not open" "$work/stderr.txt" 2>/dev/null && break
  sleep 0.1
done
grep -qF "ERROR :  Could not open DATA/ini.txt in any of: $work/" "$work/stderr.txt" || {
  echo "stderr did not carry the message:"; cat "$work/stderr.txt"; exit 1; }
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  # SDL shows the box in a window of its own; answer it with Return.
  for box in $(xwininfo -root -children 2>/dev/null | grep -F '"ERROR "' | awk '{print $1}'); do
    xdotool key --window "$box" Return 2>/dev/null
  done
  sleep 0.2
done
kill -0 $pid 2>/dev/null && { echo "the game did not end after the box was answered"; exit 1; }
wait $pid
code=$?
[ $code -eq 1 ] || { echo "exit code $code, expected 1"; cat "$work/stderr.txt"; exit 1; }
echo "message shown, exit code 1"
