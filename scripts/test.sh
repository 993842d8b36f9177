#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs
# every test (unit, headless game, real-window under Xvfb, a short fuzz run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON -DQM_BUILD_FUZZ=ON
cmake --build build/test -j"$jobs"
cd build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$jobs" --timeout 600
