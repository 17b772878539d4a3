#!/usr/bin/env bash
# The Linux desktop program end to end: installs the Debian packages it needs when they are
# missing, builds the x11 preset, starts an Xvfb, and runs the X11 backend's tests and the
# end-to-end script (tests/x11/e2e.sh) on it.
#   --screenshots   also keeps the screenshots in docs/screenshots
#   --measure       then runs the performance measurement (tests/x11/measure.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
screenshots=""
measure=false
for arg in "$@"; do
  case $arg in
  --screenshots) screenshots=docs/screenshots ;;
  --measure) measure=true ;;
  *) echo "usage: tools/x11-e2e.sh [--screenshots] [--measure]" >&2; exit 2 ;;
  esac
done

packages=(libfltk1.3-dev libx11-dev libxtst-dev libxi-dev xvfb xauth x11-utils xdotool xclip xdg-utils)
# The real applications of the end-to-end script, and setxkbmap for its French layout.
packages+=(xterm mousepad x11-xkb-utils)
[[ -n "$screenshots" ]] && packages+=(imagemagick)
tools/deps.sh "${packages[@]}"

cmake --preset x11 >/dev/null
cmake --build --preset x11 -j "$(nproc)"

display=90
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

ctest --test-dir build/x11 --output-on-failure \
  -R '^(InputBatch|KeyNames|KeyState|KeyboardMap|Labels|ProgramFolder|Processes|Autostart|X11DesktopTest)\.'
tests/x11/e2e.sh build/x11 $screenshots
if $measure; then tests/x11/measure.sh build/x11; fi
