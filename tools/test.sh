#!/usr/bin/env bash
# Builds and runs the whole test suite: unit tests and end-to-end scripts on the simulated
# desktop. With "asan", the same under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
tools/deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
