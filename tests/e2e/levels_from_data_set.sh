#!/usr/bin/env bash
# The real game on the test data set (tests/fixtures/data): it builds its first level from the
# base file and keeps running; with generated levels switched off it loads the level file and
# keeps running. Without the base file, or without the level file, it shows the error of each
# and ends with exit code 1 once the box is answered. Needs an X display xdotool and xwininfo.
set -u
game=$(realpath "$1")
data=$(cd "$(dirname "$0")/../fixtures/data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$1"; cat "$work/stderr.txt" 2>/dev/null; exit 1; }

# A fresh copy of the data set, with extra configuration lines appended.
prepare() {
  rm -rf "$work/DATA"
  cp -r "$data/DATA" "$work/DATA"
  printf '%s\n' "$@" >> "$work/DATA/ini.txt"
}

# Presses START (P) in the game window, to get past the intro and the title menu.
press_start() {
  local win
  win=$(xdotool search --name '^ORVANTE TEST$' 2>/dev/null | head -n 1)
  [ -n "$win" ] && xdotool key --window "$win" p 2>/dev/null
}

# The game must still run after a few seconds, without any message.
runs() {
  (cd "$work" && exec "$game" 2> "$work/stderr.txt") &
  local pid=$!
  for _ in $(seq 1 8); do
    press_start
    sleep 0.5
  done
  kill -0 $pid 2>/dev/null || fail "$1: the game ended"
  grep -q "ERROR" "$work/stderr.txt" && fail "$1: an error was shown"
  kill -9 $pid 2>/dev/null
  wait $pid 2>/dev/null
  echo "$1: runs"
}

# The game must show the message, and end with exit code 1 once the box is answered.
shows() {
  (cd "$work" && exec "$game" 2> "$work/stderr.txt") &
  local pid=$!
  for _ in $(seq 1 100); do
    grep -q "ERROR" "$work/stderr.txt" 2>/dev/null && break
    press_start
    sleep 0.1
  done
  grep -qF "$2" "$work/stderr.txt" || { kill -9 $pid; fail "$1: no message \"$2\""; }
  for _ in $(seq 1 50); do
    kill -0 $pid 2>/dev/null || break
    # Without a window manager the box is answered by a key sent to its window.
    box=$(xwininfo -root -tree 2>/dev/null | awk '/"ERROR "/ {print $1; exit}')
    [ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null
    sleep 0.2
  done
  kill -0 $pid 2>/dev/null && { kill -9 $pid; fail "$1: the game did not end"; }
  wait $pid
  local code=$?
  # A missing level or base file keeps the game from running: a failure, not a success.
  [ $code -eq 1 ] || fail "$1: exit code $code, expected 1"
  echo "$1: message shown, exit code 1"
}

prepare
runs "generated level"
prepare USESELFCREATEBASE 0
runs "level file"
prepare
rm "$work/DATA/base.txt"
shows "missing base file" "Could not open:$work/DATA/base.txt"
prepare USESELFCREATEBASE 0
rm "$work/DATA/LEVELS/LAB.ai42"
shows "missing level file" "Could not open topographic data"
