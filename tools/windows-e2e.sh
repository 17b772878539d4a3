#!/usr/bin/env bash
# The Windows program, built and proven on Linux: installs what it needs when it is missing
# (mingw-w64, Wine, Xvfb, xdotool), cross-builds quibnote.exe and the tests with the "windows"
# preset, runs every unit test as a Windows executable under Wine, then the end-to-end test on a
# Wine desktop under Xvfb (tests/win32/e2e.sh).
#
#   tools/windows-e2e.sh [--screenshots DIR]
#
# With --screenshots the end-to-end test also saves pictures of the program's windows in DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
shots=""
if [ "${1:-}" = --screenshots ]; then
    shots=$(realpath -m "${2:?--screenshots needs a folder}")
fi

began=$SECONDS
lap=$SECONDS
timings=()
step_done() {
    timings+=("$1 $((SECONDS - lap)) s")
    lap=$SECONDS
}

packages=(cmake make googletest g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool)
[ -n "$shots" ] && packages+=(x11-apps imagemagick)
tools/deps.sh "${packages[@]}" >/dev/null
step_done install

# GoogleTest for Windows, from the sources Debian ships, once per build folder.
gtest=$root/build/windows-gtest
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest-build" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
    cmake --build "$gtest-build" -j "$(nproc)" >/dev/null
    cmake --install "$gtest-build" >/dev/null
fi
step_done googletest

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"
step_done build

# One X server and one Wine prefix for the whole run.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
export WINEPREFIX=$root/build/windows-wine
export WINEDEBUG=-all
# No Mono or Gecko download: the tests need neither .NET nor a browser engine.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for ((i = 0; i < 100; i++)); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    # Without a window manager Wine's windows are its own to place and decorate, as on Windows.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    # A crashing test ends with its exit code instead of waiting for a debugger forever.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
        /d false /f >/dev/null 2>&1
fi
# A server that made the prefix, or one left by an earlier run, lingers a while; a persistent
# one can start only after it is gone.
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p
# Wine's services start with the first program and keep its output open: started here, they do
# not hold the pipes of CTest's test discovery until its timeout.
wine cmd /c exit >/dev/null 2>&1 </dev/null
step_done wine-prefix

ctest --preset windows -j "$(nproc)"
step_done unit-tests

tests/win32/e2e.sh build/windows "$shots"
step_done end-to-end

echo "windows-e2e: ${timings[*]}; total $((SECONDS - began)) s"
