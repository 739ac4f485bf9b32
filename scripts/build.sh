#!/usr/bin/env bash
# Configures and builds one build folder: build.sh <folder> [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja "$@"
fi
cmake --build "$dir"
