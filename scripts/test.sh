#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: once in the ordinary
# build (build/ or $BUILD_DIR), once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/ or $ASAN_BUILD_DIR). Exits non-zero when a test fails in either.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
export QT_QPA_PLATFORM=offscreen
source scripts/env.sh
BUILD_DIR="${BUILD_DIR:-build}"
ASAN_BUILD_DIR="${ASAN_BUILD_DIR:-build-asan}"
status=0

# No debug information in the ordinary test build: it is the larger part of the compile time, and a
# failing test is looked into in a build of one's own.
# Both builds compile the sources of a library together a few at a time (unity build): most of
# a file's compile time goes into the Qt headers it includes, and this way they are read once for
# several files (sixteen to a batch). Each test program runs as four processes, each taking a share of its cases
# (CD_TEST_SHARDS).
BUILD_DIR="$BUILD_DIR" bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DCD_TEST_SHARDS=4
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 300 || status=1

# The sanitizer build is for finding faults, not for speed or debugging: -O1 with line tables
# only keeps its compile time near the ordinary build's, and it has no benchmarks.
BUILD_DIR="$ASAN_BUILD_DIR" bash scripts/build.sh -DCD_SANITIZE=ON -DCD_BUILD_BENCH=OFF -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DCD_TEST_SHARDS=4 \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1"
# Leaks are checked at the end of every test program (see tests/asan_webengine.cpp for the one
# kind of program that is let off).
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1"
ctest --test-dir "$ASAN_BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout 300 || status=1

exit "$status"
