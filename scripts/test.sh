#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs
# every test (unit, headless game, real-window under Xvfb, a short fuzz run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs="$(nproc)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON -DQM_BUILD_FUZZ=ON
cmake --build build/test -j"$jobs"
# The README's benchmark command builds the release folder. Run here first,
# before any test, the README's check then runs it on a built tree and times
# the commands alone: a compile inside the check, beside the other tests on a
# machine of two cores, took most of the check's time limit. The command is
# the README's own line, so the two cannot drift apart.
release_build="$(grep -m1 -E '^    cmake -S \. -B build/release .*--target quillmarch_bench' README.md || true)"
if [ -n "$release_build" ]; then
  bash -ec "${release_build#    }"
fi
cd build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Every test, the run of the same tests in one process among them (a ctest
# case of its own, so that no more programs run at once than there are cores).
exec ctest --output-on-failure --no-tests=error -j"$jobs" --timeout 600
