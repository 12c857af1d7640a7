#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). Options given here are applied to an existing
# build folder too.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ "$#" -gt 0 ]; then
    cmake -S . -B "$BUILD_DIR" "$@" >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
