#!/usr/bin/env bash
# What even loudness costs as a user gets it: a 60-second 720p clip with
# quiet speech through tarnwick-cli to MP4, with --loudness against the same
# conversion without it. -23 LUFS (ebu) measures the sound (decoding the
# sound only) and adds a gain; -14 LUFS (stream) needs the limiter: the
# measurement, the two limited trials, the gain and the true-peak limiter.
# The runs are taken in turn so that a busy machine weighs on all alike;
# the faster of two counts. Target: at most 1.10 for the gain.
#   bench_loudness.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

speech="$work/speech.wav"
if command -v espeak-ng > /dev/null; then
  espeak-ng -w "$speech" "The family sat down to dinner at seven, and everyone laughed when the dog stole the bread."
else
  ffmpeg -nostdin -v error -f lavfi -i "sine=frequency=220:duration=6" "$speech"
fi
ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=1280x720:rate=30:duration=60 -stream_loop -1 -i "$speech" \
  -filter_complex "[1:a]volume=-20dB,aresample=48000,aformat=channel_layouts=stereo[a]" -map 0:v -map "[a]" \
  -t 60 -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "$work/clip.mp4"

now() { date +%s.%N; }
run() { # extra options...
  local start end out
  out=$(mktemp -d "$work/out.XXXXXX")
  start=$(now)
  "$cli" -f mp4 -o "$out" "$@" "$work/clip.mp4" > /dev/null
  end=$(now)
  rm -rf "$out"
  echo "$end - $start" | bc -l
}
faster() { echo "if ($1 < $2) $1 else $2" | bc -l; }

a=$(run)
b=$(run --loudness ebu)
c=$(run --loudness stream)
a=$(faster "$a" "$(run)")
b=$(faster "$b" "$(run --loudness ebu)")
c=$(faster "$c" "$(run --loudness stream)")
printf "%-40s %8s\n" conversion seconds
printf "%-40s %8.2f\n" "without a loudness" "$a" "--loudness ebu (gain)" "$b" "--loudness stream (gain and limiter)" "$c"
echo
printf "even loudness against none: %.3f (target <= 1.100)\n" "$(echo "$b / $a" | bc -l)"
printf "with the limiter:           %.3f\n" "$(echo "$c / $a" | bc -l)"
