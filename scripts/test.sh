#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: once in the ordinary
# build (build/ or $BUILD_DIR), once more under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/ or $ASAN_BUILD_DIR); then builds the libFuzzer targets with clang (build-fuzz/ or
# $FUZZ_BUILD_DIR) and runs each briefly on its corpus. Exits non-zero when a test fails, a fuzz
# target does not build or finds a fault, or our own code makes the compiler warn.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
export QT_QPA_PLATFORM=offscreen
source scripts/env.sh
BUILD_DIR="${BUILD_DIR:-build}"
ASAN_BUILD_DIR="${ASAN_BUILD_DIR:-build-asan}"
FUZZ_BUILD_DIR="${FUZZ_BUILD_DIR:-build-fuzz}"
LOG_DIR="$(mktemp -d)"
status=0
# A test program waits up to two minutes for an event it needs (a process's ready line, a reply),
# and a share of a large program runs many such cases under the sanitizers on a small machine.
TEST_TIMEOUT=1500

# Compiler warnings in our own sources (not in Qt's or the system's headers) of what was compiled.
count_own_warnings() {
    # grep finds nothing in a clean build: that is no failure of the script.
    { grep -E "^$(pwd)/.*: warning:" "$1" || true; } | { grep -vE "^$(pwd)/build[^/]*/" || true; } | sort -u | wc -l
}
# The cases that were skipped, with their reasons, from the test programs' own output.
list_skipped() {
    grep -ohE '\[  SKIPPED \] [A-Za-z0-9_./]+' "$1" | sort -u | sed 's/^/    /' || true
}

# No debug information in the ordinary test build: it is the larger part of the compile time, and a
# failing test is looked into in a build of one's own.
# Both builds compile the sources of a library together a few at a time (unity build): most of
# a file's compile time goes into the Qt headers it includes, and this way they are read once for
# several files (sixteen to a batch). Each test program runs as four processes, each taking a share of its cases
# (CD_TEST_SHARDS).
BUILD_DIR="$BUILD_DIR" bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DCD_TEST_SHARDS=4 \
    2>&1 | tee "$LOG_DIR/build.log"
warnings=$(count_own_warnings "$LOG_DIR/build.log")
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout "$TEST_TIMEOUT" \
    --test-output-size-passed 4000000 --output-junit "$LOG_DIR/tests.xml" || status=1

# The sanitizer build is for finding faults, not for speed or debugging: -O1 with line tables
# only keeps its compile time near the ordinary build's, and it has no benchmarks.
BUILD_DIR="$ASAN_BUILD_DIR" bash scripts/build.sh -DCD_SANITIZE=ON -DCD_BUILD_BENCH=OFF -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 -DCD_TEST_SHARDS=4 \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1"
# Leaks are checked at the end of every test program; what the web engine and the libraries under it
# keep until the end is suppressed by library (tests/lsan.supp).
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
ctest --test-dir "$ASAN_BUILD_DIR" --output-on-failure -j"$(nproc)" --timeout "$TEST_TIMEOUT" \
    --test-output-size-passed 4000000 --output-junit "$LOG_DIR/asan-tests.xml" || status=1

# The fuzz targets in a build of their own (clang, libFuzzer): only the targets and the libraries
# they link, so that a target that no longer compiles turns the run red. Each then fuzzes for a few
# seconds from its seed corpus (new inputs go to a scratch folder, not into the corpus).
if cmake -S . -B "$FUZZ_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCD_BUILD_FUZZ=ON \
        -DCD_BUILD_TESTS=OFF -DCD_BUILD_BENCH=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g0" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g0" >/dev/null \
    && cmake --build "$FUZZ_BUILD_DIR" -j"$(nproc)" --target fuzz_targets; then
    for target in "$FUZZ_BUILD_DIR"/fuzz/*_fuzz; do
        name="$(basename "$target")"
        scratch="$(mktemp -d)"
        if ! "$target" -max_total_time=3 -timeout=25 -rss_limit_mb=4096 "$scratch" "fuzz/corpus/$name" \
                >"$LOG_DIR/$name.log" 2>&1; then
            echo "fuzz target $name failed:"
            tail -n 40 "$LOG_DIR/$name.log"
            status=1
        fi
        rm -rf "$scratch"
    done
else
    echo "the fuzz targets do not build"
    status=1
fi

echo
echo "Skipped test cases (ordinary build):"
list_skipped "$LOG_DIR/tests.xml"
echo "Skipped test cases (sanitizer build):"
list_skipped "$LOG_DIR/asan-tests.xml"
echo "Warnings in our own code (ordinary build, files compiled in this run): $warnings"
if [ "$warnings" -gt 0 ]; then
    grep -E "^$(pwd)/.*: warning:" "$LOG_DIR/build.log" | grep -vE "^$(pwd)/build[^/]*/" | sort -u
    status=1
fi

exit "$status"
