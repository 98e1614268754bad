#!/usr/bin/env bash
# Serves the browser version (built by scripts/build_web.sh) on this machine and prints its
# address: serve_web.sh [port], 8000 unless told otherwise.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}
[ -f "$root/build/web/index.html" ] || { echo "No build/web yet: run scripts/build_web.sh"; exit 1; }
echo "ORVANTE in the browser: http://localhost:$port/"
exec python3 "$root/scripts/web/serve.py" "$root/build/web" "$port"
