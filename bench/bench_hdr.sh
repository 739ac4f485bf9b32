#!/usr/bin/env bash
# What the tone map costs: one 8-second 1080p picture, graded SDR and the
# same picture mastered into HLG, both HEVC Main 10, each to MP4 (H.264)
# through tarnwick-cli. The two runs differ only in the tone map; its
# time as a ratio to the SDR clip's, measured in the same run, the runs
# taken in turn so that a busy machine weighs on both alike.
# Target: at most 1.5.
#   bench_hdr.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

picture=testsrc2=size=1920x1080:rate=30:duration=8
sound=sine=frequency=440:duration=8
# The picture as BT.709 video, its light as a BT.1886 screen shows it, SDR
# white at 203 nits: how SDR is mastered into HDR (ITU-R BT.2408).
light="zscale=tin=bt709:pin=bt709:min=bt709:rin=tv:t=linear:p=bt709:npl=100,format=gbrpf32le"
master() { # name, filter chain, colour tags...
  local name=$1 chain=$2
  shift 2
  ffmpeg -nostdin -v error -f lavfi -i "$picture" -f lavfi -i "$sound" -vf "$chain" \
    -c:v libx265 -preset ultrafast -crf 20 -x265-params log-level=error "$@" -c:a aac "$work/$name.mp4"
}
master sdr "zscale=tin=bt709:pin=bt709:min=bt709:rin=tv:t=bt709:p=bt709:m=bt709:r=tv,format=yuv420p10le" \
  -color_primaries bt709 -color_trc bt709 -colorspace bt709
master hlg "$light,zscale=p=bt2020:t=smpte2084:npl=203,zscale=t=arib-std-b67:m=bt2020nc:r=tv:npl=1000,format=yuv420p10le" \
  -color_primaries bt2020 -color_trc arib-std-b67 -colorspace bt2020nc

now() { date +%s.%N; }
seconds() { # clip -> seconds
  local start end
  rm -rf "$work/out-$1"
  start=$(now)
  "$cli" -f mp4-h264 -o "$work/out-$1" "$work/$1.mp4" > /dev/null
  end=$(now)
  echo "$end - $start" | bc -l
}
faster() { echo "if ($1 < $2) $1 else $2" | bc -l; }

# Each twice, in turn: the faster run of each counts.
sdr=$(seconds sdr)
hlg=$(seconds hlg)
sdr=$(faster "$sdr" "$(seconds sdr)")
hlg=$(faster "$hlg" "$(seconds hlg)")
"$cli" -n -f mp4-h264 -o "$work/out-hlg" "$work/hlg.mp4" | grep '^# added' || true
printf "%-22s %8s\n" clip seconds
printf "%-22s %8.2f\n" "SDR 10-bit" "$sdr" "HLG 10-bit, tone-mapped" "$hlg"
echo
printf "tone map against SDR: %.3f (target <= 1.500)\n" "$(echo "$hlg / $sdr" | bc -l)"
