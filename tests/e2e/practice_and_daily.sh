#!/usr/bin/env bash
# Practice and the daily labyrinth as a player meets them, on the test data set: once level 3
# has been reached, L and Return on the title start a practice game on the data set's level 3
# (the golden level of WORLDRANDOM 5); T on the title and --daily both start the day's
# labyrinth, which is not the data set's level 1.
set -u
source "$(dirname "$0")/lib.bash"
prepare_data HIGHSCOREFILE scores.txt
export XDG_DATA_HOME="$work/share"
game=$(realpath "$1")
printf '#!/bin/sh\nexec "%s" --daily\n' "$game" > "$work/daily.sh"
chmod +x "$work/daily.sh"

# The labyrinth once a new level has been built and announced; fails when none shows.
level_map() {
  sleep 3
  wait_for_corner "$wall_grey" 100 && cell_map "$wall_grey"
}

start_game "$game"
wait_for_corner "$title_red" 300 || fail "the title menu did not follow the intro"
press l  # nothing reached yet: no practice
sleep 1
[ "$(corner)" = "$title_red" ] || fail "L left the title before any level was reached"
press p
normal1=$(level_map) || fail "P on the title did not start play"
records=$(sed -n 's/^orvante: best scores: \(.*\)\/scores.txt$/\1/p' "$work/stderr.txt")
[ -n "$records" ] || fail "the game did not say where it keeps its records"
mkdir -p "$records"
# A normal game that reached level 3 (Page Up does not count) is written down in its place.
printf 'ORVANTE REACHED LEVEL\n3\n' > "$records/reached-level"
stop_game

start_game "$game"
wait_for_corner "$title_red" 300 || fail "the title menu did not come back"
press l
sleep 0.5
press Return
practice3=$(level_map) || fail "no practice game after L and Return"
# The golden level's walls in the 20 x 15 cells of the window, the row below the level black.
golden=$( (sed -n '/^tiles:/,/^objects/p' "$fixtures/golden/level_5_3.txt" | sed '1d;$d' |
  cut -c1-20 | tr -c 'W\n' '.'; echo '....................') | head -n 15)
[ "$practice3" = "$golden" ] || fail "practice at level 3 is not the data set's level 3:
$golden
--
$practice3"
echo "practice started at the level reached, on its labyrinth"
stop_game

start_game "$work/daily.sh"
daily=$(level_map) || fail "--daily started no game"
[ "$daily" != "$normal1" ] || fail "--daily gave the data set's own level 1"
stop_game
start_game "$game"
wait_for_corner "$title_red" 300 || fail "the title menu did not show"
press t
again=$(level_map) || fail "T on the title started no game"
[ "$again" = "$daily" ] || fail "T on the title gave another labyrinth than --daily:
$daily
--
$again"
echo "--daily and T on the title give the same day's labyrinth"
