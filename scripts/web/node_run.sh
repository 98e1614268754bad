#!/usr/bin/env bash
# Runs an emcc-built test program under node for CMake's configure checks. Newer node versions
# have fetch(), with which the program would try to load its .wasm from a URL; without it, it
# reads the file.
if node --no-experimental-fetch -e 0 2> /dev/null; then
  exec node --no-experimental-fetch "$@"
fi
exec node "$@"
