#!/usr/bin/env bash
# Size and speed of the browser version beside the native game, in one run:
#   bench/web/figures.sh [native bench_render_frame]
# after scripts/build_web.sh (and a native release build for the render figure). Reports the
# download (gzip -9 of what the page loads), the time from page load to the first intro
# picture in headless Chromium, and the median typical play frame (bench_render_frame's
# BM_RenderFrame) in the browser and natively.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
web=$root/build/web
native=${1:-$root/build/release/bench/bench_render_frame}
driver=${XDG_CACHE_HOME:-$HOME/.cache}/orvante-web/node-playwright-1.58.0
if [ ! -d "$driver/node_modules/playwright-core" ]; then
  mkdir -p "$driver"
  npm install --prefix "$driver" --no-audit --no-fund --silent playwright-core@1.58.0
fi
export NODE_PATH=$driver/node_modules

size() { stat -c %s "$1"; }
gz() { gzip -9 -c "$1" | wc -c; }
total=0
echo "file | bytes | gzip -9"
for f in index.html orvante.js orvante.wasm orvante.data; do
  printf '%s | %d | %d\n' "$f" "$(size "$web/$f")" "$(gz "$web/$f")"
  total=$((total + $(gz "$web/$f")))
done
echo "download, compressed: $total bytes ($(awk "BEGIN{printf \"%.2f\", $total/1048576}") MB)"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 "$root/scripts/web/serve.py" "$web" "$port" &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
node "$root/bench/web/figures.js" "http://127.0.0.1:$port"
if [ -x "$native" ]; then
  "$native" --benchmark_filter='BM_RenderFrame$' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ {print "native typical frame (bench_render_frame, median of 5 runs): " $2 " " $3}'
fi
