#!/bin/sh
# Builds and runs every test: the suite, the suite again under
# AddressSanitizer with UndefinedBehaviorSanitizer, and the threaded tests
# under ThreadSanitizer. Stops at the first failing stage.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
stage() { printf '\n===== %s =====\n' "$1"; }

for preset in default asan tsan; do
    stage "$preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    stage "$preset: test"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --preset "$preset" -j "$jobs"
done

# Further stages, each a script of its own: the bounded fuzzing run and the
# Windows build under Wine.
for extra in tools/test-fuzz.sh tools/test-windows.sh; do
    if [ -x "$extra" ]; then
        stage "$extra"
        "$extra"
    fi
done

stage "all stages passed"
