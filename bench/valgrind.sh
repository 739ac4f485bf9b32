#!/usr/bin/env bash
# Runs the process and batch tests (the last two through the window) under Valgrind's memcheck:
#   bench/valgrind.sh [test name ...]
# Fails on any memory error and on any leak that is definitely or indirectly
# lost; the encoder children are not traced (they are FFmpeg or the stand-in).
# Logs in build/valgrind/<test>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
tests=("$@")
if ((${#tests[@]} == 0)); then
  tests=(tst_ConsoleCommand tst_ProcessRunner tst_BatchDriver tst_BatchLanes tst_exitDuringBatch
         tst_frmMainBatch tst_frmMainHostile)
fi
mkdir -p build/valgrind
failed=()
for t in "${tests[@]}"; do
  log=build/valgrind/$t.log
  echo "== $t"
  if QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' \
      valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
        --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
        --suppressions=bench/valgrind.supp --num-callers=30 --log-file="$log" \
        build/tests/bin/"$t" > build/valgrind/"$t".out 2>&1; then
    :
  else
    failed+=("$t")
    tail -20 build/valgrind/"$t".out
  fi
  grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost" "$log" | sed 's/^==[0-9]*== /   /'
done
if ((${#failed[@]})); then
  echo "failed under memcheck: ${failed[*]} (logs in build/valgrind/)"
  exit 1
fi
echo "memcheck: no errors, no leaks from the project's code"
