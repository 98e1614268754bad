#!/usr/bin/env bash
# The shipped data set (data/) as a newcomer meets it: after the intro and the title menu's own
# track, P starts play with an in-game track (game1.ogg to game3.ogg), not the title's or the
# highscore's. The music files the game opens are read from a system-call trace (strace).
set -u
source "$(dirname "$0")/lib.bash"
strace -f -o /dev/null true 2>/dev/null || { echo "SKIP: strace cannot trace here"; exit 77; }
game_dir=$(cd "$(dirname "$0")/../../data" && pwd)
title=ORVANTE
trace=$work/trace.txt
start_game "$(realpath "$1")" strace -f -qq --seccomp-bpf -e trace=openat -o "$trace"

# The music files opened so far, in order.
tracks() { grep -o 'MUSIC/[^"]*\.ogg"' "$trace" 2>/dev/null | tr -d '"'; }

# The title menu starts its track, then loads its picture and waits for P.
for _ in $(seq 1 300); do
  grep -q 'GFX/SCREENS/title.png' "$trace" 2>/dev/null && break
  running || fail "the game ended"
  sleep 0.1
done
tracks | grep -qx 'MUSIC/menu.ogg' || fail "the title menu's music did not start"
# P, again only while no level has started its music (a press can come before the menu reads
# keys); then the first level is built and announced.
after_title() { tracks | awk 'title; /menu\.ogg$/ { title = 1 }'; }
for _ in $(seq 1 10); do
  press p
  sleep 3
  [ -n "$(after_title)" ] && break
done
played=$(after_title)
[ -n "$played" ] || fail "no music after P"
echo "$played" | grep -qv '^MUSIC/game[0-9]*\.ogg$' && fail "play opened other tracks: $played"
wait_until_animating 100 || fail "play stands still after P"
echo "play music: $(echo $played)"
