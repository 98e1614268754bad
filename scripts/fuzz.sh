#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a few seconds: fuzz.sh <build dir> <seconds>.
# Seeds come from tools/fuzz/corpus/<target> when present; findings are kept in build/fuzz-out.
# The random seed is fixed (FUZZ_SEED, default 1): a run from the same corpus repeats itself.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/$1
seconds=${2:-8}
seed=${FUZZ_SEED:-1}
out=$root/build/fuzz-out
mkdir -p "$out"
ran=0
for target in "$dir"/tools/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  ran=$((ran + 1))
  name=$(basename "$target")
  corpus=$out/corpus-$name
  mkdir -p "$corpus"
  seeds=$root/tools/fuzz/corpus/$name
  [ -d "$seeds" ] || seeds=""
  echo "-- $name (${seconds}s)"
  "$target" -seed="$seed" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=262144 \
    -artifact_prefix="$out/$name-" "$corpus" $seeds > "$out/$name.log" 2>&1 \
    || { tail -n 40 "$out/$name.log"; exit 1; }
  tail -n 1 "$out/$name.log"
done
[ "$ran" -gt 0 ] || { echo "no fuzz targets in $dir/tools/fuzz"; exit 1; }
