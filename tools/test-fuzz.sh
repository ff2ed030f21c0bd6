#!/bin/sh
# Builds the libFuzzer targets with clang in build/fuzz and runs the
# configuration-language fuzzer for a bounded time (FUZZ_SECONDS, default
# 60) from the seed corpus in fuzz/corpus, after replaying every saved
# regression input in fuzz/regressions. Fails on any crash, leak, timeout or
# broken invariant; the input that caused it is left in
# build/fuzz/run/artifacts.
#
# The run is repeatable: a fixed seed, a fresh working corpus made from the
# seeds each time, one process.
set -eu
cd "$(dirname "$0")/.."

build=build/fuzz
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_BUILD_JOBS:-2}
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link $sanitize -fno-omit-frame-pointer" \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $sanitize -fno-omit-frame-pointer" \
    "-DCMAKE_EXE_LINKER_FLAGS=$sanitize" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$sanitize" \
    -DJOTWELL_FUZZ=ON -DJOTWELL_BUILD_TESTS=OFF -DJOTWELL_BUILD_BENCH=OFF \
    -DJOTWELL_BUILD_EXAMPLES=OFF -DJOTWELL_BUILD_GLOSSAPACK=OFF -DJOTWELL_INSTALL=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target config_parse_fuzzer

fuzzer=$build/fuzz/config_parse_fuzzer
run=$build/run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/artifacts"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Every input that once broke the target must keep passing.
if [ -d fuzz/regressions ] && [ -n "$(ls fuzz/regressions 2>/dev/null)" ]; then
    "$fuzzer" -runs=1 -timeout=10 -rss_limit_mb=2048 fuzz/regressions/*
fi

"$fuzzer" "$run/corpus" fuzz/corpus/config_parse \
    -seed=1 -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/config.dict -artifact_prefix="$run/artifacts/" -print_final_stats=1
