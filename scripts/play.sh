#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it on its shipped data.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build/release -DCMAKE_BUILD_TYPE=Release -DORV_TESTS=OFF -DORV_BENCH=OFF
cd "$root/data"
exec "$root/build/release/orvante"
