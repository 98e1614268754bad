#!/usr/bin/env bash
# A game on a level file (USESELFCREATEBASE 0) as a player meets it: P on the title menu starts
# play on the level file's room, which plays for several time units before the time runs out;
# after the highscore screen and the title menu the next game plays the room again, as long.
set -u
source "$(dirname "$0")/lib.bash"
# Half a second per time unit at 60 frames a second; the room gets six units or more.
prepare_data USESELFCREATEBASE 0 APPENTRY 'DATA\ROOMS\' WORLDREFRESH 30
start_game "$(realpath "$1")"

# Plays the room: drawn, running, and still there after four time units (two seconds or more).
plays_the_room() {
  wait_for_corner "$wall_grey" 50 || fail "$1: P did not start play on the room"
  wait_until_animating 100 || fail "$1: play stands still"
  sleep 2
  [ "$(corner)" = "$wall_grey" ] || fail "$1: the game ended within four time units"
  animating 0.3 || fail "$1: play stopped within four time units"
  echo "$1: plays for several time units"
}

wait_for_corner "$title_red" 300 || fail "the title menu did not follow the intro"
press p
plays_the_room "first game"
next_game_after_time_out
plays_the_room "next game"
