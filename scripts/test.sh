#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-test/ and runs every test; GUI tests run on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFUP_SANITIZE=ON
cmake --build build-test --parallel 2
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-test --output-on-failure --parallel 2 --timeout 600
