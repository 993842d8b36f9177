#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs
# every test (unit, headless game, real-window under Xvfb, a short fuzz run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs="$(nproc)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON -DQM_BUILD_FUZZ=ON
cmake --build build/test -j"$jobs"
cd build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The same tests in one process: a second game in one run must start clean.
# The playthrough's cases are left to ctest: they start the program again
# themselves, their reward rows are exact only for a fresh program (some
# counters last the program's life by design), and they are the longest.
# So are the soak's random-key cases: each already plays its four seeds one
# game after another in its own process, and the replay case (kept here)
# compares a game played after others with the same game in a fresh one.
# It runs beside ctest (each test program works in its own folder), so that
# no core waits for it.
(cd tests && ./quillmarch_tests --gtest_brief=1 --gtest_filter='-Playthrough.*:Areas/Soak.*' > one_process.log 2>&1) &
one_process=$!
ctest_status=0
ctest --output-on-failure --no-tests=error -j"$jobs" --timeout 600 || ctest_status=$?
if ! wait "$one_process"; then
  grep -E '^\[  FAILED  \]|Failure' tests/one_process.log | head -40
  echo "the tests failed when run as one process (build/test/tests/one_process.log)" >&2
  exit 1
fi
# The replay test's child programs write their own summaries into the log
# before the run's own, which comes last.
echo "one process: $(grep -E '^\[  PASSED  \]' tests/one_process.log | tail -1 | tr -d '[]')"
exit "$ctest_status"
