#!/usr/bin/env bash
# Sets up, builds and starts Tarnwick.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Only what the window needs: the tests, fuzz targets and benchmarks are
# built by scripts/test.sh and the benchmark commands.
scripts/build.sh build --target tarnwick
exec build/tarnwick "$@"
