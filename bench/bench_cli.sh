#!/usr/bin/env bash
# 20 clips through tarnwick-cli against the same encoder command lines run
# without it: --jobs 1 against the commands one after another (target ratio
# <= 1.03), --jobs auto against the best of xargs -P 1..cores over the same
# commands (target <= 1.05). The two sides run in turn, nine pairs, and the
# median of the pairs' ratios is printed: pairing keeps the ratio fair when the
# machine's speed drifts.
#   bench_cli.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cli="$build/tarnwick-cli"
encoder="$build/data/conv.exe"
cores=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/clips"
for i in $(seq -w 1 20); do
  ffmpeg -nostdin -v error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -c:v mpeg4 "$work/clips/clip$i.mp4"
done

now() { date +%s.%N; }
# The two commands tarnwick-cli runs for one clip: the probe, then the conversion.
one_clip() { # clip out-folder
  "$encoder" -i "$1" > /dev/null 2>&1 || true
  "$encoder" -i "$1" -vcodec mpeg4 -vb 5000k "$2/$(basename "$1" .mp4)_direct.mp4" > /dev/null 2>&1
}
export -f one_clip
export encoder

round=0
fresh() { round=$((round + 1)); mkdir -p "$work/out$round"; echo "$work/out$round"; }
timed() { local start; start=$(now); "$@" > /dev/null; echo "$(now) - $start" | bc -l; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# paired A B: median seconds of A, of B, and the median of A/B over nine pairs
paired() {
  local a b as=() bs=() rs=()
  for _ in 1 2 3 4 5 6 7 8 9; do
    a=$(timed $1); b=$(timed $2)
    as+=("$a"); bs+=("$b"); rs+=("$(echo "$a / $b" | bc -l)")
  done
  echo "$(median "${as[@]}") $(median "${bs[@]}") $(median "${rs[@]}")"
}

direct_serial() { local out; out=$(fresh); for c in "$work"/clips/*.mp4; do one_clip "$c" "$out"; done; }
cli_serial() { "$cli" -j 1 -o "$(fresh)" "$work/clips"; }
xargs_p() { local out; out=$(fresh); printf '%s\n' "$work"/clips/*.mp4 | xargs -P "$1" -I{} bash -c 'one_clip "$1" "$2"' _ {} "$out"; }
cli_auto() { "$cli" -j auto -o "$(fresh)" "$work/clips"; }

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
