#!/usr/bin/env bash
# Builds everything (with AddressSanitizer and UBSan) and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARIDEX_SANITIZE=ON -DVARIDEX_TESTS=ON
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
