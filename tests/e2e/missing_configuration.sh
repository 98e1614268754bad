#!/usr/bin/env bash
# The real game, started in a folder without DATA/ini.txt, shows the configuration error in a
# message box (and on stderr) before any window opens, and ends with exit code 0 once the box is
# answered. Needs an X display (the test suite runs under xvfb-run) and xdotool.
set -u
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

timeout -s KILL 30 "$game" 2> "$work/stderr.txt" &
pid=$!

# Wait for the message, then answer the box with Return.
for _ in $(seq 1 100); do
  grep -q "Could not open" "$work/stderr.txt" 2>/dev/null && break
  sleep 0.1
done
grep -q "ERROR : Could not open $work/DATA" "$work/stderr.txt" || {
  echo "stderr did not carry the message:"; cat "$work/stderr.txt"; kill -9 $pid; exit 1; }
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  box=$(xdotool search --name '^ERROR $' 2>/dev/null | head -n 1)
  [ -n "$box" ] && xdotool windowactivate --sync "$box" key Return 2>/dev/null
  [ -z "$box" ] && xdotool key Return 2>/dev/null
  sleep 0.2
done
wait $pid
code=$?
[ $code -eq 0 ] || { echo "exit code $code, expected 0"; cat "$work/stderr.txt"; exit 1; }
echo "message shown, exit code 0"
