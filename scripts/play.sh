#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in its game folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF
cmake --build build/release -j"$(nproc)" --target quillmarch
cd build/release/game
exec ./quillmarch "$@"
