#!/usr/bin/env bash
# Records the title's demo games of the shipped data set into data/DEMO/: the bot plays one
# game in each of the styles below (the labyrinths are the same in every game of a data set;
# the way through them differs; the bot rests once level 1 is complete, which keeps the games
# short), and each game's recording (a kept game) is written there.
# Run it again after any change to the rules or the data (the recordings no longer verify
# then).
#
# Usage: tools/data/make_demos.sh [build folder [data folder]]
#   (defaults: build/release, which must hold orvante-bot and orvante, and data/)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build/release}
data=${2:-$root/data}
bot=$build/tools/bot/orvante-bot
game=$build/orvante
for tool in "$bot" "$game"; do
  [ -x "$tool" ] || { echo "missing $tool: build it first" >&2; exit 1; }
done
mkdir -p "$data/DEMO"
rm -f "$data/DEMO"/demo-*.txt
n=1
for style in "--profile expert" "--aim greedy --pace 2" "--aim nearest --pace 1"; do
  out=$data/DEMO/demo-$n.txt
  # shellcheck disable=SC2086 # the style is several options
  nice -n 10 "$bot" demo --data "$data" --out "$out" $style --min-level 2 --rest-after 1
  # Every demo must play back to its recorded score on the data as shipped.
  nice -n 10 "$game" --data "$data" --verify "$out"
  n=$((n + 1))
done
