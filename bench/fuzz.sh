#!/usr/bin/env bash
# Fuzzes each target with libFuzzer: bench/fuzz.sh [seconds per target]
# (default 120). With "--runs N" instead, each target runs N inputs from a
# fixed seed, which is what the test script does.
# Builds build-fuzz with clang; each target starts from its seed corpus and
# keeps what it learns in build-fuzz/corpus/<target>. An input that breaks a
# target is left in build-fuzz/crashes/<target>/ and the script fails: copy it
# to tests/fuzz/regressions/<target>/ once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=(-max_total_time="${1:-120}")
if [[ "${1:-}" == "--runs" ]]; then
  limit=(-runs="${2:?--runs needs a count}" -seed=1)
fi

scripts/build.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_FUZZ=ON \
  --target fuzzers

failed=()
for target in progress timetoken rotation commandtext setup options streams; do
  corpus=build-fuzz/corpus/$target
  crashes=build-fuzz/crashes/$target
  mkdir -p "$corpus" "$crashes"
  echo "== fuzz_$target ${limit[*]}"
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      build-fuzz/fuzz/fuzz_"$target" "${limit[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$crashes/" \
      "$corpus" tests/fuzz/corpus/"$target" 2> build-fuzz/fuzz_"$target".log; then
    failed+=("$target")
    tail -40 build-fuzz/fuzz_"$target".log
  fi
  grep -E "^stat::number_of_executed_units|^Done|cov:" build-fuzz/fuzz_"$target".log | tail -2
done
if ((${#failed[@]})); then
  echo "broken: ${failed[*]} (inputs in build-fuzz/crashes/)"
  exit 1
fi
echo "all fuzz targets held"
