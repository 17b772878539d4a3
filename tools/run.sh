#!/usr/bin/env bash
# Builds Quibnote and starts it on the simulated desktop, driven by a quibnote-sim script from
# the arguments or standard input (see docs/simulated-desktop.md).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target quibnote-sim
exec build/release/src/app/quibnote-sim "$@"
