#!/usr/bin/env bash
# What aiming at a size costs: the two passes tarnwick-cli runs for
# --size against the one pass of --bitrate at the same picture rate, for
# every format that encodes, on one 6-second 720p H.264/AAC clip. Each
# pass is the command the dry run prints, run as it is, so that a
# corrected encode (rare) does not count. Per format and over all formats
# the time of two passes as a ratio to one, measured in the same run, the
# two taken in turn so that a busy machine weighs on both alike.
# Target: at most 1.7 over all formats (SVT-AV1 takes one pass: 1).
#   bench_passes.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=1280x720:rate=30:duration=6 \
  -f lavfi -i sine=frequency=440:duration=6 -ac 2 -c:v libx264 -preset veryfast -c:a aac "$work/clip.mkv"
size=3M # about 4 Mb/s: a 720p picture a phone would send

now() { date +%s.%N; }
commands() { # options... -> the commands the dry run prints, one a line
  "$cli" -n -o "$work/out" "$@" "$work/clip.mkv" | grep -v '^#' | tail -n +2
}
run() { # file of commands -> seconds
  local start end
  rm -rf "$work/out"
  mkdir -p "$work/out"
  start=$(now)
  while IFS= read -r line; do
    # x265 and SVT-AV1 print their own banners whatever FFmpeg is told.
    eval "${line/ -i / -nostdin -v error -i }" < /dev/null 2> /dev/null
  done < "$1"
  end=$(now)
  echo "$end - $start" | bc -l
}

printf "%-10s %6s %8s %8s %8s\n" format kb/s one two ratio
all_one=0
all_two=0
for format in $("$cli" --list-formats | awk '/^[^ ]/ && $1 != "copy" {print $1}'); do
  commands -f "$format" --size "$size" > "$work/two"
  kilobits=$(grep -o -- '-vb [0-9]*k' "$work/two" | tail -1 | tr -dc 0-9)
  commands -f "$format" -b "$kilobits" > "$work/one"
  one=$(run "$work/one")
  two=$(run "$work/two")
  all_one=$(echo "$all_one + $one" | bc -l)
  all_two=$(echo "$all_two + $two" | bc -l)
  printf "%-10s %6s %8.2f %8.2f %8.3f\n" "$format" "$kilobits" "$one" "$two" "$(echo "$two / $one" | bc -l)"
done
echo
printf "two passes against one, all formats: %.3f (target <= 1.700)\n" "$(echo "$all_two / $all_one" | bc -l)"
