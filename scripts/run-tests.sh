#!/usr/bin/env bash
# Builds the test build (AddressSanitizer and UndefinedBehaviorSanitizer) and runs every
# test, then checks the code's formatting.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELOCARTA_SANITIZE=ON \
      -DVELOCARTA_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1"
cmake --build build/test

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/test --output-on-failure -j "$(nproc)"

scripts/check-format.sh

# The RTF reader's fuzzer, briefly (clang, libFuzzer).
scripts/fuzz-smoke.sh
