#!/usr/bin/env bash
# The first game after launch and a game after the time ran out, as a player meets them, on the
# test data set: one press of P on the title menu starts play, with the level drawn and running
# (a pause dialog would freeze the picture); when the time has run out, P on the highscore
# screen and P on the title menu start a new game on the same labyrinth as the first.
set -u
source "$(dirname "$0")/lib.bash"
prepare_data WORLDREFRESH 90
start_game "$(realpath "$1")"

wait_for_corner "$title_red" 300 || fail "the title menu did not follow the intro"
press p
wait_for_corner "$wall_grey" 50 || fail "P on the title menu did not start play"
first=$(cell_map "$wall_grey")
wait_until_animating 100 || fail "play stands still after the first P: a dialog is open"
[ "$(corner)" = "$wall_grey" ] || fail "the level is not drawn after the first P"
echo "the first P started play"

# The time runs out: the highscore screen, then (P) the title menu, then (P) a new game.
next_game_after_time_out
again=$(cell_map "$wall_grey")
[ "$again" = "$first" ] || fail "the new game's labyrinth is not the first one's:
$first
--
$again"
wait_until_animating 100 || fail "the new game stands still"
echo "the game after the time-out started like the first"
