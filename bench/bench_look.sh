#!/usr/bin/env bash
# What the look at the pictures costs against the conversion it comes
# before: a 60-second and a 10-minute 720p clip, each converted by the MP4
# format's command, and each looked at with the windows the look plans for
# it (fields and crop both, the most it does), in processor seconds so
# that a busy machine weighs on both alike.
# Target: the look at most 0.05 of the conversion.
#   bench_look.sh [work folder]
set -euo pipefail

cpu() { # command... -> processor seconds of user and system
  local times
  times=$(mktemp)
  /usr/bin/time -f '%U %S' -o "$times" "$@" > /dev/null 2>&1
  awk '{print $1 + $2}' "$times"
  rm -f "$times"
}

# The windows as the look plans them: about sqrt(length / 6) of them, 3 to
# 20, together a fortieth of the length, each 0.5 to 2 s.
look() { # source, seconds
  local src=$1 length=$2 args=() graph="" outs=() n count window start
  count=$(awk -v d="$length" 'BEGIN { c = int(sqrt(d / 6) + 0.5); if (c < 3) c = 3; if (c > 20) c = 20; print c }')
  window=$(awk -v d="$length" -v c="$count" 'BEGIN { w = 0.025 * d / c; if (w < 0.5) w = 0.5; if (w > 2) w = 2; print w }')
  for ((n = 0; n < count; n++)); do
    start=$(awk -v d="$length" -v c="$count" -v n="$n" -v w="$window" 'BEGIN { printf "%.3f", d * (n + 0.5) / c - w / 2 }')
    args+=(-noaccurate_seek -an -sn -dn -ss "$start" -t "$window" -i "$src")
    graph+="[$n:0]idet@w$n,lutyuv=y='gt(val,24)*255',cropdetect@w$n=limit=7:round=2:skip=0:reset=1[w$n];"
    outs+=(-map "[w$n]" -f null -)
  done
  ffmpeg -hide_banner -nostdin -nostats "${args[@]}" -filter_complex "${graph%;}" "${outs[@]}"
}

if [ "${1:-}" = --look ]; then
  look "$2" "$3"
  exit
fi
work=${1:-$(mktemp -d)}
mkdir -p "$work"
clip="$work/clip60.mp4"
[ -f "$clip" ] || ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=1280x720:rate=30:duration=60 \
  -f lavfi -i sine=duration=60 -c:v libx264 -preset fast -b:v 3M -c:a aac "$clip"
long="$work/clip600.mp4"
[ -f "$long" ] || { for i in $(seq 10); do echo "file '$clip'"; done > "$work/ten.txt"
  ffmpeg -nostdin -v error -f concat -safe 0 -i "$work/ten.txt" -c copy "$long"; }

printf "%-12s %10s %8s %7s\n" clip conversion look ratio
for pair in "$clip:60" "$long:600"; do
  src=${pair%:*}
  length=${pair##*:}
  convert=$(cpu ffmpeg -nostdin -y -i "$src" -vcodec mpeg4 -vb 5000k "$work/out.mp4")
  looked=$(cpu "$0" --look "$src" "$length")
  printf "%-12s %10.2f %8.2f %7.3f\n" "$(basename "$src")" "$convert" "$looked" "$(echo "$looked / $convert" | bc -l)"
done
echo "target: look / conversion <= 0.050"
