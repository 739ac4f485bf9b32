#!/usr/bin/env bash
# What even loudness costs: a 60-second 720p clip with quiet speech, to MP4
# by the format's own command, against the same conversion after the
# measurement of its sound (decoding the sound only) with the gain in its
# sound's filters (to -23 LUFS); and the worst case, a sound brought to
# -14 LUFS that needs the limiter: the measurement, the two limited trials,
# the gain and the true-peak limiter. The runs are taken in turn so that a
# busy machine weighs on all alike; the faster of two counts.
# Target: at most 1.10 for the gain.
#   bench_loudness.sh
set -euo pipefail
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
meter() { # chain, name, peak option
  echo "[0:a:0]aformat=channel_layouts=stereo$1,ebur128@$2=${3-peak=true:}framelog=verbose[$2]"
}
limit="alimiter=limit=0.6683:level=false:latency=1"
limited="volume=+33.0dB,aresample=192000,$limit,aresample=48000"
convert() { # extra options...
  ffmpeg -nostdin -v error -y -i "$work/clip.mp4" -vcodec mpeg4 -vb 5000k "$@" "$work/out.mp4"
}
plain() {
  local start end
  start=$(now)
  convert
  end=$(now)
  echo "$end - $start" | bc -l
}
measure() {
  ffmpeg -nostdin -hide_banner -nostats -vn -sn -dn -i "$work/clip.mp4" -filter_complex "$(meter "" m0)" \
    -map "[m0]" -f null - 2> /dev/null
}
gain() {
  local start end
  start=$(now)
  measure
  convert -af "aformat=channel_layouts=stereo,volume=+17.0dB"
  end=$(now)
  echo "$end - $start" | bc -l
}
limited() {
  local start end
  start=$(now)
  measure
  ffmpeg -nostdin -hide_banner -nostats -vn -sn -dn -i "$work/clip.mp4" \
    -filter_complex "$(meter ",volume=+33.0dB,$limit" m0 "");$(meter ",volume=+36.0dB,$limit" m1 "")" \
    -map "[m0]" -f null - -map "[m1]" -f null - 2> /dev/null
  convert -af "aformat=channel_layouts=stereo,$limited"
  end=$(now)
  echo "$end - $start" | bc -l
}
faster() { echo "if ($1 < $2) $1 else $2" | bc -l; }

a=$(plain)
b=$(gain)
c=$(limited)
a=$(faster "$a" "$(plain)")
b=$(faster "$b" "$(gain)")
c=$(faster "$c" "$(limited)")
printf "%-40s %8s\n" conversion seconds
printf "%-40s %8.2f\n" "as it is" "$a" "measured, gain" "$b" "measured, tried, gain and limiter" "$c"
echo
printf "even loudness against none: %.3f (target <= 1.100)\n" "$(echo "$b / $a" | bc -l)"
printf "with the limiter:           %.3f\n" "$(echo "$c / $a" | bc -l)"
