#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it on its shipped data. The game has a build
# folder of its own (build/play, without tests), so the test command's builds stay as they are.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build/play -DCMAKE_BUILD_TYPE=Release -DORV_TESTS=OFF -DORV_BENCH=OFF
cd "$root/data"
exec "$root/build/play/orvante"
