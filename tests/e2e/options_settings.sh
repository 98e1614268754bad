#!/usr/bin/env bash
# The OPTIONS screen as a player meets it, on the shipped data: O on the title opens it, ten
# Lefts set MUSIC to 0 and the title music falls silent at once while an effect (EFFECTS changed)
# still sounds; Escape keeps the setting, and the next start plays the title silently. The mix
# is captured with SDL's disk audio driver (raw 16-bit stereo at 44.1 kHz) and read by offset.
set -u
source "$(dirname "$0")/lib.bash"
game_dir=$(cd "$(dirname "$0")/../../data" && pwd)
title=ORVANTE
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share XDG_STATE_HOME=$work/state
export SDL_AUDIODRIVER=disk
mkdir -p "$XDG_CONFIG_HOME/orvante"
settings=$XDG_CONFIG_HOME/orvante/settings.txt
printf 'INTRO\nSKIPPED\n' > "$settings"  # straight to the title, which the test is about

size() { stat -c %s "$SDL_DISKAUDIOFILE" 2>/dev/null || echo 0; }
# Non-zero samples between two byte offsets of the capture.
loud_samples() {
  python3 - "$SDL_DISKAUDIOFILE" "$1" "$2" <<'PY'
import array, sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]) & ~3:int(sys.argv[3]) & ~3]
samples = array.array("h", data)
print(sum(1 for s in samples if s != 0))
PY
}
tap() {  # tap KEY [TIMES]
  for _ in $(seq 1 "${2:-1}"); do
    press "$1"
    sleep 0.15
  done
}

export SDL_DISKAUDIOFILE=$work/first.raw
start_game "$(realpath "$1")"
sleep 4
running || fail "the game ended"
before_options=$(size)
[ "$(loud_samples 0 "$before_options")" -gt 1000 ] || fail "no title music before the options"
tap o
sleep 0.5
tap Left 10
sleep 0.5
muted_from=$(size)
sleep 1.5
muted_to=$(size)
tap Down
tap Left   # EFFECTS 9: a step sound
sleep 1
effect_to=$(size)
tap Escape
sleep 0.5
running || fail "the game ended in the options"
quiet=$(loud_samples "$muted_from" "$muted_to")
[ "$quiet" -eq 0 ] || fail "$quiet loud samples after MUSIC was set to 0"
[ "$(loud_samples "$muted_to" "$effect_to")" -gt 100 ] || fail "the effect was not heard"
grep -qx 'MUSICVOLUME' "$settings" && sed -n '/^MUSICVOLUME$/{n;p}' "$settings" | grep -qx 0 ||
  fail "settings.txt does not keep MUSICVOLUME 0: $(cat "$settings")"
sed -n '/^EFFECTSVOLUME$/{n;p}' "$settings" | grep -qx 9 || fail "EFFECTSVOLUME not kept"
stop_game

# The next start reads the setting: the title music plays, silently.
export SDL_DISKAUDIOFILE=$work/second.raw
start_game "$(realpath "$1")"
sleep 4
running || fail "the second start ended"
[ "$(size)" -gt 100000 ] || fail "no sound captured on the second start"
[ "$(loud_samples 0 "$(size)")" -eq 0 ] || fail "the title music is heard after a restart"
stop_game
grep -q 'settings' "$work/stderr.txt" && fail "settings.txt was reported: $(cat "$work/stderr.txt")"
echo "music muted and kept; effect heard"
