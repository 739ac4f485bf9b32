#!/usr/bin/env bash
# Configures and builds one build folder:
#   build.sh <folder> [cmake options...] [--target <target>]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
configure=()
build=()
while (($#)); do
  if [[ "$1" == "--target" ]]; then
    build+=(--target "$2")
    shift 2
  else
    configure+=("$1")
    shift
  fi
done
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja "${configure[@]}"
fi
cmake --build "$dir" "${build[@]}"
