#!/usr/bin/env bash
# 20 clips of 8 s (640x360 H.264/AAC) through tarnwick-cli to MP4 (MPEG-4)
# against the same encoder command lines run without it: --jobs 1 against
# the commands one after another (target ratio <= 1.03), --jobs auto
# against the best of xargs -P 1..cores over the same commands (target
# <= 1.05). The two sides run in turn, PAIRS pairs (default 5), and the
# median of the pairs' ratios is printed: pairing keeps the ratio fair when
# the machine's speed drifts. The same clips and commands as bench_window.
#   [PAIRS=n] bench_cli.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
encoder="$build/data/conv.exe"
cores=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/clips"
ffmpeg -nostdin -v error -f lavfi -i testsrc=size=640x360:rate=25:duration=8 -f lavfi -i sine=frequency=440:duration=8 \
  -c:v libx264 -c:a aac -shortest "$work/clips/clip01.mp4"
for i in $(seq -w 2 20); do cp "$work/clips/clip01.mp4" "$work/clips/clip$i.mp4"; done
pairs=${PAIRS:-5}

now() { date +%s.%N; }
# The two commands tarnwick-cli runs for one clip: the probe, then the
# conversion, their input the null device as tarnwick-cli gives them.
one_clip() { # clip out-folder
  "$encoder" -i "$1" < /dev/null > /dev/null 2>&1 || true
  "$encoder" -i "$1" -vcodec mpeg4 -vb 5000k "$2/${1##*/}" < /dev/null > /dev/null 2>&1
}
export -f one_clip
export encoder

# A new output folder for each run (called in a subshell, so no counter).
fresh() { mktemp -d "$work/out.XXXXXX"; }
timed() { local start; start=$(now); "$@" > /dev/null; echo "$(now) - $start" | bc -l; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# paired A B: median seconds of A, of B, and the median of A/B over the pairs
paired() {
  local a b as=() bs=() rs=()
  for _ in $(seq "$pairs"); do
    a=$(timed $1); b=$(timed $2)
    as+=("$a"); bs+=("$b"); rs+=("$(echo "$a / $b" | bc -l)")
  done
  echo "$(median "${as[@]}") $(median "${bs[@]}") $(median "${rs[@]}")"
}

direct_serial() { local out; out=$(fresh); for c in "$work"/clips/*.mp4; do one_clip "$c" "$out"; done; made "$out"; }
# Every clip must have its output, or the run measured nothing.
made() { local n; n=$(find "$1" -type f | wc -l); [ "$n" -eq 20 ] || echo "only $n of 20 outputs in $1" >&2; }
cli_serial() { local out; out=$(fresh); "$cli" -j 1 -o "$out" "$work/clips"; made "$out"; }
xargs_p() { local out; out=$(fresh); printf '%s\n' "$work"/clips/*.mp4 | xargs -P "$1" -I{} bash -c 'one_clip "$1" "$2"' _ {} "$out"; made "$out"; }
cli_auto() { local out; out=$(fresh); "$cli" -j auto -o "$out" "$work/clips"; made "$out"; }

read -r c d ratio < <(paired cli_serial direct_serial)
printf 'cores: %d\n' "$cores"
printf 'jobs 1:    tarnwick-cli %.2f s, commands one after another %.2f s, ratio %.3f (target <= 1.03)\n' \
  "$c" "$d" "$ratio"

best=
for p in $(seq 1 "$cores"); do
  xs=(); for _ in 1 2 3; do xs+=("$(timed xargs_p "$p")"); done
  x=$(median "${xs[@]}")
  if [ -z "$best" ] || (( $(echo "$x < $best" | bc -l) )); then best=$x; bestp=$p; fi
done
xargs_best() { xargs_p "$bestp"; }
read -r a x ratio < <(paired cli_auto xargs_best)
printf 'jobs auto: tarnwick-cli %.2f s, best xargs (-P %d) %.2f s, ratio %.3f (target <= 1.05)\n' \
  "$a" "$bestp" "$x" "$ratio"
