#!/usr/bin/env bash
# Builds the RTF reader's fuzzer with clang (AddressSanitizer, UndefinedBehaviorSanitizer,
# libFuzzer) and runs it for a minute from the test documents; fails on any crash, leak or
# hang it finds. FUZZ_SECONDS sets another duration.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVELOCARTA_SANITIZE=ON -DVELOCARTA_FUZZERS=ON \
      -DVELOCARTA_TESTS=OFF -DVELOCARTA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target rtf_fuzzer

# The fuzzer adds what it finds to the corpus folder; the test documents stay as they are.
corpus="$build/rtf-corpus"
mkdir -p "$corpus" "$build/artifacts"
cp tests/rtf/data/corpus/*.rtf "$corpus/"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/bin/rtf_fuzzer" "$corpus" -dict=fuzz/rtf.dict -max_total_time="${FUZZ_SECONDS:-60}" \
    -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/"
echo "Fuzzing: no crash found."
