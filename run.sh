#!/usr/bin/env bash
# Builds the program and starts it; without a display it runs on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARIDEX_TESTS=OFF -DVARIDEX_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target varidex625
program="$PWD/$build/app/varidex625"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running Varidex625 on a virtual X display (xvfb-run)."
  exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
