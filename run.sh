#!/usr/bin/env bash
# Builds the program and starts it; without a display it runs on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARIDEX_TESTS=OFF -DVARIDEX_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target varidex625
# The program finds its translation files and keeps its parameters file in its working
# directory: run it from the folder the build put them in.
tools="$PWD/tools"
cd "$build/app"
program="$PWD/varidex625"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No display: the window would be drawn where nobody sees it.
  exec "$tools/start-headless.sh" "$program" "$@"
fi
exec "$program" "$@"
