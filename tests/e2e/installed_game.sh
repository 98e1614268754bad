#!/usr/bin/env bash
# The game installed into a scratch prefix (cmake --install) as a player runs it: started as
# prefix/bin/orvante from / with a fresh home folder, it plays its installed data, F12 puts a
# screenshot into the player's pictures folder, Escape then B ends it with exit code 0, and the
# installed tree is byte for byte the same afterwards. The desktop entry and the AppStream
# metadata pass their validators where those are installed. Needs an X display and xdotool.
set -u
source "$(dirname "$0")/lib.bash"
build=$(dirname "$(realpath "$1")")
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.txt" 2>&1 ||
  { cat "$work/install.txt"; fail "cmake --install failed"; }
for file in bin/orvante bin/orvante-check bin/orvante-level share/orvante/DATA/ini.txt \
  share/orvante/README.md share/man/man6/orvante-check.6.gz share/man/man6/orvante-level.6.gz \
  share/applications/io.github.orvante.Orvante.desktop share/doc/orvante/copyright \
  share/metainfo/io.github.orvante.Orvante.metainfo.xml share/man/man6/orvante.6.gz \
  share/icons/hicolor/16x16/apps/orvante.png share/icons/hicolor/256x256/apps/orvante.png \
  share/icons/hicolor/scalable/apps/orvante.svg; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
find "$prefix/share/orvante/LOG" "$prefix/share/orvante/SHOTS" -type f 2>/dev/null | grep -q . &&
  fail "files the game wrote in the source tree were installed"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/io.github.orvante.Orvante.desktop" ||
    fail "desktop-file-validate"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/io.github.orvante.Orvante.metainfo.xml" ||
    fail "appstreamcli validate"
fi

# Every file of the installed tree with its checksum, and every folder.
tree_state() { (cd "$prefix" && find . -type f -print0 | sort -z | xargs -0 sha256sum && find . | sort); }
before=$(tree_state)

# A fresh player: an empty home with a Pictures folder, no XDG variables, no ORVANTE_DATA.
export HOME=$work/home
unset ORVANTE_DATA XDG_DATA_HOME XDG_STATE_HOME XDG_CONFIG_HOME XDG_PICTURES_DIR
mkdir -p "$HOME/Pictures"
game_dir=/ title=ORVANTE start_game "$prefix/bin/orvante"
pid=$game_pid

# Past the intro and the title menu; a START that reached play opened the pause dialog, which
# X closes.
for _ in $(seq 1 40); do
  kill -0 $pid 2>/dev/null || fail "the game ended before play"
  press p
  sleep 0.4
done
press x
sleep 0.3

shots=$HOME/Pictures/orvante
for _ in $(seq 1 10); do
  press F12
  sleep 0.5
  ls "$shots" 2>/dev/null | grep -qE '[0-9]{14}\.bmp$' && break
done
ls "$shots" 2>/dev/null | grep -qE '[0-9]{14}\.bmp$' || fail "no screenshot in $shots"
grep -q "screenshots: $shots/" "$work/stderr.txt" || fail "the game did not say where it writes"

press Escape
sleep 0.5
for _ in $(seq 1 20); do
  kill -0 $pid 2>/dev/null || break
  press b
  sleep 0.5
  kill -0 $pid 2>/dev/null || break
  press Escape
  sleep 0.3
done
kill -0 $pid 2>/dev/null && fail "the game did not end after Escape and B"
wait $pid
code=$?
game_pid=
launcher=
[ $code -eq 0 ] || fail "exit code $code, expected 0"
[ "$(tree_state)" = "$before" ] || fail "the installed tree changed"
echo "installed game: screenshot $(ls "$shots"), exit code 0, installed tree unchanged"
