#!/usr/bin/env bash
# Builds the browser version of the game into build/web: index.html, orvante.js, orvante.wasm
# and orvante.data (the shipped data), and the render benchmark page. The libraries are
# compiled for the browser once per machine and kept in the user's cache (see
# scripts/web/build_libs.sh). Serve the result with scripts/serve_web.sh.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/web/setup_web.sh"
export NODE_PATH=/usr/share/nodejs  # emcc's optimiser, whatever node comes first on the PATH
prefix=$("$root/scripts/web/build_libs.sh" | tail -n 1)
objects=$root/build/web-objects
out=$root/build/web
mkdir -p "$objects" "$out"
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:$prefix/share/pkgconfig
export PKG_CONFIG_PATH=
if [ ! -f "$objects/build.ninja" ] || [ "$(cat "$objects/libs" 2>/dev/null)" != "$prefix" ]; then
  emcmake cmake -S "$root" -B "$objects" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/web/node_run.sh" \
    -DCMAKE_CXX_FLAGS="-sDISABLE_EXCEPTION_CATCHING=0 -msimd128" \
    -DCMAKE_C_FLAGS="-msimd128" \
    -DORV_TESTS=OFF -DORV_BENCH=OFF > "$objects/configure.log" 2>&1 ||
    { cat "$objects/configure.log"; exit 1; }
  echo "$prefix" > "$objects/libs"
fi
nice cmake --build "$objects" -j "${ORV_JOBS:-2}"
for f in orvante.js orvante.wasm orvante.data bench_render_frame.js bench_render_frame.wasm; do
  cp "$objects/$f" "$out/$f"
done
cp "$root"/web/*.html "$out/"
echo "The browser version is in $out (serve it with scripts/serve_web.sh)"
