#!/usr/bin/env bash
# Builds Quibnote and starts it on the simulated desktop, driven by a quibnote-sim script from
# the arguments or standard input (see docs/simulated-desktop.md). On an X desktop ($DISPLAY
# set), run from a terminal without arguments, it starts the Linux program instead
# (docs/linux.md; its packages: tools/x11-e2e.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
if [[ -n "${DISPLAY:-}" && $# -eq 0 && -t 0 ]]; then
  cmake --preset x11 >/dev/null
  cmake --build --preset x11 -j "$(nproc)" --target quibnote
  exec build/x11/src/platform/x11/quibnote
fi
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target quibnote-sim
exec build/release/src/app/quibnote-sim "$@"
