#!/usr/bin/env bash
# The browser tests: the WebAssembly SIMD pixel loops checked under node, and the web build
# (build/web, from scripts/build_web.sh) served on this machine and played in headless
# Chromium, its pictures compared with the native game's (build/release/orvante unless told
# otherwise) taken at the same time in an X server.
#   tests/web/run.sh [native game binary]
# Needs a display for the native game (run it under xvfb-run), node and Chromium; the test
# driver (playwright-core from npm) is installed once into the user's cache. Pictures of the
# browser go to build/web-test/.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
native=${1:-$root/build/release/orvante}
[ -f "$root/build/web/index.html" ] || { echo "no build/web: run scripts/build_web.sh"; exit 1; }
[ -x "$native" ] || { echo "no native game at $native"; exit 1; }

driver=${XDG_CACHE_HOME:-$HOME/.cache}/orvante-web/node-playwright-1.58.0
if [ ! -d "$driver/node_modules/playwright-core" ]; then
  mkdir -p "$driver"
  npm install --prefix "$driver" --no-audit --no-fund --silent playwright-core@1.58.0
fi
export NODE_PATH=$driver/node_modules

out=$root/build/web-test
rm -rf "$out"
mkdir -p "$out/native"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 "$root/scripts/web/serve.py" "$root/build/web" "$port" &
server=$!
"$root/tests/web/native_pictures.sh" "$native" "$root/data" "$out/native" > "$out/native.log" 2>&1 &
pictures=$!
trap 'kill $server $pictures 2>/dev/null || true' EXIT

status=0
# The browser build's own pixel loops give the portable loops' pixels.
"$root/scripts/web/node_run.sh" "$root/build/web-objects/pixel_loops_check.js" || status=1
node "$root/tests/web/browser_test.js" "http://127.0.0.1:$port/index.html" "$out/native" "$out" ||
  status=$?
wait $pictures || { echo "the native pictures failed:"; cat "$out/native.log"; status=1; }
exit $status
