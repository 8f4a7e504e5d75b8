#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and runs the
# project's main program. Until the monitoring program exists that is the
# platform demo: the canvas reference sheet (build/canvas_demo.png) and the
# demo window. Without a display the window runs on a virtual X server and
# leaves a screenshot in build/demo_window.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

BUILD=build/release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVX_BUILD_TESTS=OFF -DQVX_BUILD_BENCH=OFF
cmake --build "$BUILD" -j2 --target canvas_demo demo_window

SHEET="$PWD/build/canvas_demo.png"
"$BUILD/demos/canvas_demo" "$SHEET"
echo "$SHEET"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$BUILD/demos/demo_window"
fi
SHOT="$PWD/build/demo_window.png"
xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/demos/demo_window" --screenshot "$SHOT"
echo "$SHOT"
