#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: first under AddressSanitizer
# and UndefinedBehaviorSanitizer, then a short run of each fuzz target, then
# the normal build, whose CTest summary
# ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
# The sources the conversion tests make with real encoders, made once and
# shared by both builds' runs (a source is made again when its recipe changes).
export TARNWICK_CORPUS_DIR=$PWD/build-corpus

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON -DTARNWICK_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# A short, fixed-seed run of every fuzz target (clang and libFuzzer);
# bench/fuzz.sh runs them for longer.
bench/fuzz.sh --runs 20000

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"
