#!/usr/bin/env bash
# 20 clips through tarnwick-cli against the same encoder command lines run
# without it: --jobs 1 against the commands one after another (target ratio
# <= 1.03), --jobs auto against the best of xargs -P 1..cores over the same
# commands (target <= 1.05). Each side is timed three times, alternating, and
# the medians are compared.
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
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }

direct_serial() { local out; out=$(fresh); for c in "$work"/clips/*.mp4; do one_clip "$c" "$out"; done; }
cli_serial() { "$cli" -j 1 -o "$(fresh)" "$work/clips"; }
xargs_p() { local out; out=$(fresh); printf '%s\n' "$work"/clips/*.mp4 | xargs -P "$1" -I{} bash -c 'one_clip "$1" "$2"' _ {} "$out"; }
cli_auto() { "$cli" -j auto -o "$(fresh)" "$work/clips"; }

ds=(); cs=(); for _ in 1 2 3; do ds+=("$(timed direct_serial)"); cs+=("$(timed cli_serial)"); done
d=$(median "${ds[@]}"); c=$(median "${cs[@]}")
printf 'cores: %d\n' "$cores"
printf 'jobs 1:    tarnwick-cli %.2f s, commands one after another %.2f s, ratio %.3f (target <= 1.03)\n' \
  "$c" "$d" "$(echo "$c / $d" | bc -l)"

best=
for p in $(seq 1 "$cores"); do
  xs=(); for _ in 1 2 3; do xs+=("$(timed xargs_p "$p")"); done
  x=$(median "${xs[@]}")
  if [ -z "$best" ] || (( $(echo "$x < $best" | bc -l) )); then best=$x; bestp=$p; fi
done
as=(); for _ in 1 2 3; do as+=("$(timed cli_auto)"); done
a=$(median "${as[@]}")
printf 'jobs auto: tarnwick-cli %.2f s, best xargs (-P %d) %.2f s, ratio %.3f (target <= 1.05)\n' \
  "$a" "$bestp" "$best" "$(echo "$a / $best" | bc -l)"
