#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and starts the program on the sample disc:
# installs the packages, builds, writes the sample content disc, runs velocarta.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DVELOCARTA_TESTS=OFF -DVELOCARTA_BENCHMARKS=OFF
cmake --build build/release

# The program looks for its content disc in the folders named here first.
export VELOCARTA_DRIVES="$PWD/build/release/sample-disc${VELOCARTA_DRIVES:+:$VELOCARTA_DRIVES}"
exec build/release/bin/velocarta "$@"
