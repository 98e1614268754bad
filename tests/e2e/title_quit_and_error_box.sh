#!/usr/bin/env bash
# The way out of the title menu, and the error box that never outlives the game. On the title,
# Escape opens the quit dialog, X returns to the title and Escape then B ends the program with
# exit code 0. An error box (a data set without its base file) closes with the game when
# the game gets SIGTERM or SIGINT, and the box's own process ends when the game is killed.
# Needs an X display, xdotool and ImageMagick.
set -u
game=$(realpath "$1")
source "$(dirname "$0")/lib.bash"

prepare_data
start_game "$game"
wait_for_corner "$title_red" 600 || fail "the title menu did not show"
press Escape
sleep 0.5
running || fail "Escape alone ended the game"
import -window "$window" "$work/dialog.png" 2>/dev/null
press x
sleep 0.5
running || fail "X in the quit dialog ended the game"
wait_for_corner "$title_red" 50 || fail "X did not return to the title menu"
press Escape
sleep 0.5
press b
for _ in $(seq 1 50); do
  running || break
  sleep 0.1
done
running && fail "Escape then B on the title did not end the game"
wait "$launcher"
code=$?
launcher=
[ $code -eq 0 ] || fail "exit code $code after Escape then B, expected 0"
echo "title: Escape opens the quit dialog, X returns, Escape then B exits 0"

# The box's windows and the processes below the game.
box_windows() { xwininfo -root -children 2>/dev/null | grep -cF '"ERROR "'; }

# Starts the game on the data set without its base file, leaves the title and waits for the
# box that says the base file is missing; sets pid.
start_with_box() {
  prepare_data
  rm "$work/DATA/base.txt"
  start_game "$game"
  pid=$game_pid
  wait_for_corner "$title_red" 600 || fail "the title menu did not show"
  press p
  for _ in $(seq 1 100); do
    [ "$(box_windows)" -gt 0 ] && return 0
    sleep 0.1
  done
  fail "no error box"
}

# $1: the signal. The game must end at once, by that signal, and take its box with it.
for sig in TERM INT KILL; do
  start_with_box
  children=$(pgrep -P $pid | tr '\n' ' ')
  started=$(date +%s%N)
  kill -$sig $pid
  for _ in $(seq 1 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  kill -0 $pid 2>/dev/null && { kill -9 $pid; fail "SIG$sig did not end the game under its box"; }
  wait $launcher
  code=$?
  launcher=
  took=$((($(date +%s%N) - started) / 1000000))
  [ $code -ne 0 ] || fail "SIG$sig: exit code 0"
  for _ in $(seq 1 30); do
    [ "$(box_windows)" -eq 0 ] && break
    sleep 0.1
  done
  [ "$(box_windows)" -eq 0 ] || fail "SIG$sig: the box outlived the game"
  # A process that ended but was not reaped yet (a zombie) counts as gone.
  for child in $children; do
    state=$(ps -o stat= -p "$child" 2>/dev/null)
    [ -z "$state" ] || [ "${state#Z}" != "$state" ] ||
      { kill -9 "$child"; fail "SIG$sig: process $child ($state) outlived the game"; }
  done
  echo "SIG$sig under the error box: the game ended in ${took} ms with status $code, box and its process gone"
done
