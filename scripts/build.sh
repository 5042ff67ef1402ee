#!/usr/bin/env bash
# Configures and builds the programs into build/ (release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUP_BUILD_TESTS=OFF -DFUP_BUILD_BENCH=OFF
cmake --build build --parallel 2
