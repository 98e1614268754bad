# Helpers of the end-to-end scripts, sourced by them: the real game in a scratch folder, its
# window, keys held as a player holds them, and the colours the window shows.
# Needs an X display (the test suite runs under xvfb-run), xdotool and ImageMagick.

fixtures=$(cd "$(dirname "${BASH_SOURCE[0]}")/../fixtures" && pwd)
work=$(mktemp -d)
game_pid=
launcher=
trap 'stop_game; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $1"
  cat "$work/stderr.txt" 2>/dev/null
  exit 1
}

# A copy of the test data set in the scratch folder, with extra configuration lines ("KEY"
# "value" ...) appended: the last value of a key wins. The title and highscore screens show the
# fixture's red title picture.
prepare_data() {
  rm -rf "$work/DATA"
  cp -r "$fixtures/data/DATA" "$work/DATA"
  printf '%s\r\n' LOADINTROSCREEN "$fixtures/screens/title.png" "$@" >> "$work/DATA/ini.txt"
}

# Starts the game ($1, the binary) in the folder $game_dir (the scratch folder unless set); any
# further words go before it (a tracer, say). Sets game_pid (the game's own process, also under
# a tracer) and window (its window, titled $title).
start_game() {
  local binary=$1
  shift
  (cd "${game_dir:-$work}" && exec "$@" "$binary" 2> "$work/stderr.txt" > /dev/null) &
  launcher=$!
  game_pid=$launcher
  window=
  # A generous minute: a start-up stalled on a desktop service (D-Bus calls time out after
  # 25 s) still gets its window checked, and the report below says what held it up.
  local deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ]; do
    [ $# -gt 0 ] && game_pid=$(pgrep -P "$launcher" | head -n 1)
    [ -n "$game_pid" ] && window=$(xdotool search --all --pid "$game_pid" \
      --name "^${title:-ORVANTE TEST}\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && return 0
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
  done
  describe_missing_window
  fail "no game window"
}

# What the game was doing when its window did not show: its exit status, or where it waits.
describe_missing_window() {
  if ! kill -0 "$launcher" 2>/dev/null; then
    wait "$launcher"
    echo "the game ended with status $? before showing its window"
    launcher=
    return
  fi
  echo "the game runs but shows no window titled ${title:-ORVANTE TEST}; its windows:"
  xdotool search --all --pid "$game_pid" --name '.*' getwindowname %@ 2>&1 | head -n 5
  ps -o pid,stat,wchan:20,etime,args -p "$game_pid" 2>&1
  command -v gdb > /dev/null &&
    timeout 60 gdb -p "$game_pid" -batch -ex 'thread apply all bt 12' 2>&1 | grep -E '^(#|Thread)'
}

stop_game() {
  kill -9 $game_pid $launcher 2>/dev/null
  wait $launcher 2>/dev/null
  game_pid=
  launcher=
}

running() { kill -0 "$game_pid" 2>/dev/null; }

# Holds a key for 0.1 s, as a player does: a bare key press can fall between two frames.
press() {
  xdotool windowfocus "$window" 2>/dev/null
  xdotool keydown "$1" 2>/dev/null
  sleep 0.1
  xdotool keyup "$1" 2>/dev/null
}

# "r,g,b" of a pixel near the top-left corner of the window.
corner() {
  import -window "$window" -crop 1x1+4+4 -depth 8 txt:- 2>/dev/null |
    awk -F'[,: ()]+' 'NR == 2 { print $3 "," $4 "," $5 }'
}

# Waits up to $2 tenths of a second for the corner to show one of the colours in $1.
wait_for_corner() {
  for _ in $(seq 1 "$2"); do
    case " $1 " in *" $(corner) "*) return 0 ;; esac
    running || return 1
    sleep 0.1
  done
  return 1
}

# The cells of the play field that show the colour $1 ("r,g,b") in their middle, as a map of
# "W" and "." with one line per row of 32-pixel cells.
cell_map() {
  import -window "$window" png:- 2>/dev/null | convert - -sample 3.125% -depth 8 txt:- |
    awk -F'[,: ()]+' -v c="$1" '
      NR == 1 { match($0, /: [0-9]+/); columns = substr($0, RSTART + 2, RLENGTH - 2); next }
      { printf "%s", ($3 "," $4 "," $5 == c ? "W" : "."); if ($1 + 1 == columns) print "" }'
}

# True when two pictures of the window taken $1 seconds apart differ: the game is drawing new
# frames, not holding one (a dialog draws over a frozen picture).
animating() {
  local first
  first=$(import -window "$window" rgb:- 2>/dev/null | md5sum)
  sleep "$1"
  [ "$first" != "$(import -window "$window" rgb:- 2>/dev/null | md5sum)" ]
}

# Waits up to $1 tenths of a second for the game to draw new frames (a level announcement, for
# one, holds its picture for a while).
wait_until_animating() {
  for _ in $(seq 1 $(($1 / 3))); do
    animating 0.3 && return 0
    running || return 1
  done
  return 1
}

# Waits for the time to run out, then presses P on the highscore screen and on the title menu
# until a new game shows its level (the wall grey corner).
next_game_after_time_out() {
  wait_for_corner "$title_red" 600 || fail "the time did not run out"
  for _ in $(seq 1 10); do
    press p
    sleep 1.5
    [ "$(corner)" = "$wall_grey" ] && return 0
  done
  fail "no new game after the time ran out"
}

# Colours of the test data set and the title picture.
title_red="160,0,0"
wall_grey="96,96,96"
