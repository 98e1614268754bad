#!/usr/bin/env bash
# The shipped data set's title left alone: within 35 seconds it plays a demo game (the game says
# which recording on its standard error, the window shows play with DEMO over it, drawing new
# frames), and a key brings the title back at once. The player's folders are the scratch
# folder's, so no score or setting of the real home is touched; the intro is skipped.
set -u
source "$(dirname "$0")/lib.bash"
game_dir=$(cd "$(dirname "$0")/../../data" && pwd)
title=ORVANTE
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_STATE_HOME=$work/home/.local/state
mkdir -p "$XDG_CONFIG_HOME/orvante"
printf 'INTRO\nSKIPPED\n' > "$XDG_CONFIG_HOME/orvante/settings.txt"
start_game "$(realpath "$1")"

# The title: its picture stands (the fading texts aside) until the demo.
sleep 3
title_corner=$(corner)
start=$SECONDS
until grep -q '^orvante: demo: DEMO/' "$work/stderr.txt" 2>/dev/null; do
  running || fail "the game ended on the title"
  [ $((SECONDS - start)) -le 36 ] || fail "no demo after 35 seconds of idle title"
  sleep 0.2
done
echo "demo after $((SECONDS - start + 3)) s: $(grep -o 'DEMO/.*' "$work/stderr.txt" | head -n 1)"
wait_until_animating 100 || fail "the demo stands still"
import -window "$window" "$work/demo.png" 2>/dev/null
[ "$(corner)" != "$title_corner" ] || fail "the demo shows the title's picture"

press x
wait_for_corner "$title_corner" 20 || fail "a key did not bring the title back"
echo "the title is back"
grep -q 'scores' "$work/stderr.txt" && [ -e "$XDG_DATA_HOME/orvante/records" ] &&
  find "$XDG_DATA_HOME/orvante/records" -name 'scores.txt' | grep -q . &&
  fail "the demo entered the table"
echo "PASS"
