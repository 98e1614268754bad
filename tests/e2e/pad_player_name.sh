#!/usr/bin/env bash
# A player with a game pad alone, on the shipped data: pad Y on the title opens OPTIONS, the
# D-pad goes down to PLAYER NAME, A opens the name entry, Up makes an "A", Right moves on, two
# Ups make a "B", A keeps "AB" and Back leaves OPTIONS (settings.txt keeps the name); Back on
# the title then opens the quit dialog and B ends the program with exit status 0. The pad is
# SDL's virtual game controller, driven frame by frame through the game's test hook; the
# presents traced on stderr tell the test which frame the game is at.
# Needs an X display, xdotool and ImageMagick.
set -u
source "$(dirname "$0")/lib.bash"
game_dir=$(cd "$(dirname "$0")/../../data" && pwd)
title=ORVANTE
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share XDG_STATE_HOME=$work/state
export SDL_AUDIODRIVER=dummy ORV_TRACE_PRESENTS=1 ORVANTE_TEST_PAD=$work/pad.txt
mkdir -p "$XDG_CONFIG_HOME/orvante"
settings=$XDG_CONFIG_HOME/orvante/settings.txt
printf 'INTRO\nSKIPPED\n' > "$settings"  # straight to the title

# Presses at frame $1 the buttons $2..., each held for 6 frames (a tenth of a second), 30
# frames apart.
frame=0
tap() {
  local at=$1
  shift
  for button in "$@"; do
    printf '%d %s down\n%d %s up\n' "$at" "$button" $((at + 6)) "$button" >> "$ORVANTE_TEST_PAD"
    at=$((at + 30))
  done
  frame=$at
}
: > "$ORVANTE_TEST_PAD"
tap 300 Y                                            # the title has long been shown: OPTIONS
tap $((frame + 30)) DOWN DOWN DOWN DOWN DOWN DOWN DOWN # MUSIC ... COLOUR ASSIST, PLAYER NAME
tap $((frame + 30)) A UP RIGHT UP UP                 # the name entry: "AB"
shown=$((frame + 30))
tap $((frame + 90)) A                                # keeps "AB"
tap $((frame + 30)) BACK                             # leaves OPTIONS
tap $((frame + 60)) BACK                             # the quit dialog
tap $((frame + 60)) B                                # ends the program
last=$frame

frames() { grep -c ' frame$' "$work/stderr.txt" 2>/dev/null; }
# Waits up to $2 tenths of a second for the game to present frame $1.
wait_for_frame() {
  for _ in $(seq 1 "$2"); do
    [ "$(frames)" -ge "$1" ] && return 0
    running || return 1
    sleep 0.1
  done
  return 1
}

start_game "$(realpath "$1")"
wait_for_frame "$shown" 600 || fail "the game did not reach frame $shown"
import -window "$window" "$work/name_entry.png" 2>/dev/null
for _ in $(seq 1 300); do
  running || break
  sleep 0.1
done
running && fail "the game still runs at frame $(frames) after pad B at frame $last"
wait "$launcher"
code=$?
launcher=
[ $code -eq 0 ] || fail "exit code $code after pad Back then B on the title, expected 0"
grep -q 'ORVANTE_TEST_PAD' "$work/stderr.txt" && fail "the pad script was refused"
sed -n '/^PLAYERNAME$/{n;p}' "$settings" | grep -qx 'AB' ||
  fail "settings.txt does not keep PLAYERNAME AB: $(cat "$settings")"
echo "pad alone: OPTIONS, name AB entered and kept, quit dialog, exit status 0"
