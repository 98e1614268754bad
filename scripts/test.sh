#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite: formatting and source
# rules, a short fuzzing run of every parser and decoder, the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the core and its tests built without SDL, then the tests of the
# optimised build, including those that run the real game in an X server (Xvfb), and last the
# browser version, played in headless Chromium beside the optimised native game. Every step
# fails when it ran no test: a build folder configured without tests, or a filter that matches
# nothing, is an error, not a success.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh

echo "== Formatting"
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'bench/*.cpp')
[ -n "$files" ] || { echo "no source files to check"; exit 1; }
clang-format --dry-run --Werror $files
scripts/check_sdl_includes.sh "$root"
scripts/check_layering.sh "$root"

echo "== Fuzzing (smoke run)"
CC=clang CXX=clang++ scripts/build.sh build/fuzz -DORV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
scripts/fuzz.sh build/fuzz "${FUZZ_SECONDS:-8}"

echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build/asan -DORV_SANITIZE=ON -DORV_TESTS=ON -DORV_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# System libraries below SDL (D-Bus) leak a little at exit.
export LSAN_OPTIONS=suppressions=$root/tests/sdl/lsan.supp
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build/asan --output-on-failure -j 2 \
  --no-tests=error -E '^EndToEnd\.'
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

echo "== The core and its tests without SDL"
# ORV_SDL=OFF leaves out the SDL platform, the game binary and the tests that need them; SDL is
# not even looked for, so a core file that reached for it would fail to build here.
scripts/build.sh build/nosdl -DORV_SDL=OFF -DORV_TESTS=ON -DORV_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
if grep -q '^SDL2_' build/nosdl/CMakeCache.txt; then
  echo "the build without SDL looked for SDL"
  exit 1
fi
ctest --test-dir build/nosdl --output-on-failure -j 2 --no-tests=error

echo "== Tests of the optimised build"
# ORV_TESTS and ORV_BENCH are given, so that a folder configured without them earlier gets them.
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DORV_TESTS=ON -DORV_BENCH=ON
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build/release --output-on-failure -j 2 \
  --no-tests=error

echo "== The browser version"
# The libraries for the browser are compiled once per machine and kept in the user's cache
# (docs/WEB.md); the game and its page are built in build/web.
scripts/build_web.sh
xvfb-run -a -s "-screen 0 1280x1024x24" tests/web/run.sh "$root/build/release/orvante"
