#!/usr/bin/env bash
# Configures and builds one configuration: build.sh <dir> [cmake options...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
mkdir -p "$root/$dir"
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" > "$root/$dir/configure.log" 2>&1 \
  || { cat "$root/$dir/configure.log"; exit 1; }
rm -f "$root/$dir/configure.log"
cmake --build "$root/$dir" -j "$(nproc)"
