#!/usr/bin/env bash
# What the look at the pictures costs against the conversion it comes
# before, both as tarnwick-cli runs them, to MP4 (the first format): a
# 60-second and a 10-minute 720p clip with black bars asked for (the
# look a progressive clip gets), and a 60-second interlaced DVD title with
# them asked for too (its fields looked at as well: the most the look
# does). The look's cost is a dry run that looks less a dry run that
# cannot (the copy's); the conversion's is the run less the look. Both in
# processor seconds, so that a busy machine weighs on both alike; the
# dry runs' median of three counts. Target: at most 0.05.
#   bench_look.sh [build folder] [work folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
work=${2:-$(mktemp -d)}
mkdir -p "$work"

clip="$work/clip60.mp4"
[ -f "$clip" ] || ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=1280x720:rate=30:duration=60 \
  -f lavfi -i sine=duration=60 -c:v libx264 -preset fast -b:v 3M -c:a aac "$clip"
long="$work/clip600.mp4"
[ -f "$long" ] || { for i in $(seq 10); do echo "file '$clip'"; done > "$work/ten.txt"
  ffmpeg -nostdin -v error -f concat -safe 0 -i "$work/ten.txt" -c copy "$long"; }
title="$work/title60.vob"
[ -f "$title" ] || ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=720x576:rate=50:duration=60 \
  -f lavfi -i sine=duration=60 -vf "tinterlace=interleave_top,setfield=tff" -c:v mpeg2video -b:v 6M \
  -flags +ilme+ildct -top 1 -c:a mp2 -f vob "$title"

cpu() { # command... -> processor seconds of user and system, its children's included
  local times
  times=$(mktemp)
  /usr/bin/time -f '%U %S' -o "$times" "$@" > /dev/null 2>&1
  awk '{print $1 + $2}' "$times"
  rm -f "$times"
}
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }

printf "%-12s %10s %8s %7s\n" source conversion look ratio
for src in "$clip" "$long" "$title"; do
  looking=() plain=()
  for _ in 1 2 3; do
    looking+=("$(cpu "$cli" --dry-run --crop -f mp4 "$src")")
    plain+=("$(cpu "$cli" --dry-run -f copy "$src")")
  done
  look=$(echo "$(median "${looking[@]}") - $(median "${plain[@]}")" | bc -l)
  out=$(mktemp -d "$work/out.XXXXXX")
  run=$(cpu "$cli" --crop -f mp4 -o "$out" "$src")
  rm -rf "$out"
  convert=$(echo "$run - $look" | bc -l)
  printf "%-12s %10.2f %8.2f %7.3f\n" "$(basename "$src")" "$convert" "$look" "$(echo "$look / $convert" | bc -l)"
done
echo "target: look / conversion <= 0.050"
