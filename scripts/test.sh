#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
export QT_QPA_PLATFORM=offscreen
source scripts/env.sh
bash scripts/build.sh
BUILD_DIR="${BUILD_DIR:-build}"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 300
