#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and runs the
# project's main program. Until the monitoring program exists this is the
# canvas demo, which writes a reference sheet of every drawing primitive.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

BUILD=build/release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQVX_BUILD_TESTS=OFF
cmake --build "$BUILD" -j2 --target canvas_demo
OUT="$PWD/build/canvas_demo.png"
"$BUILD/demos/canvas_demo" "$OUT"
echo "$OUT"
