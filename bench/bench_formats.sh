#!/usr/bin/env bash
# What each format costs: one 10-second 720p H.264/AAC clip through
# tarnwick-cli in every format, each format's time as a ratio to
# MP4 (H.264) measured in the same run, and the size of what it wrote.
# The copy re-encodes nothing: its target is at most a tenth of MP4 (H.264).
#   bench_formats.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=1280x720:rate=30:duration=10 \
  -f lavfi -i sine=frequency=440:duration=10 -ac 2 -c:v libx264 -preset veryfast -c:a aac "$work/clip.mkv"

now() { date +%s.%N; }
seconds() { # format -> seconds, the output in $work/out-<format>
  local start end
  rm -rf "$work/out-$1"
  start=$(now)
  "$cli" -f "$1" -o "$work/out-$1" "$work/clip.mkv" > /dev/null
  end=$(now)
  echo "$end - $start" | bc -l
}

# The baseline, twice: the faster run counts, as for every format.
base=$(seconds mp4-h264)
again=$(seconds mp4-h264)
base=$(echo "if ($again < $base) $again else $base" | bc -l)
printf "%-10s %8s %8s %10s\n" format seconds ratio "size KiB"
for format in $("$cli" --list-formats | awk '/^[^ ]/ {print $1}'); do
  t=$(seconds "$format")
  size=$(du -k "$work/out-$format"/* | awk '{print $1}')
  printf "%-10s %8.2f %8.3f %10s\n" "$format" "$t" "$(echo "$t / $base" | bc -l)" "$size"
  if [ "$format" = copy ]; then
    copy_ratio=$(echo "$t / $base" | bc -l)
  fi
done
echo
printf "copy against MP4 (H.264): %.3f (target <= 0.100)\n" "$copy_ratio"
