#!/usr/bin/env bash
# The demo: builds the control panel demo as users get it, the i686 release build, runs it under wine in a
# 64-bit prefix as a 32-bit process under WOW64 (inside Xvfb when there is no display), saves a screenshot of
# the panel and ends the demo again. Installs what it needs (as root).
#   bash tools/demo.sh            -> prints the screenshot path
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
. tools/packages.sh
need_packages cmake ninja-build g++ libgtest-dev libgmock-dev nettle-dev libstb-dev \
    g++-mingw-w64-i686-posix mingw-w64-tools wine64 wine32:i386 xvfb x11-apps imagemagick

BUILD=$ROOT/build/demo-win32
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" \
    -DCMAKE_BUILD_TYPE=Release >"$BUILD.configure.log" 2>&1 || { cat "$BUILD.configure.log"; exit 1; }
cmake --build "$BUILD" --target TonvelDemo -j2
EXE=$BUILD/bin/TonvelDemo.exe
[ -f "$EXE" ] || { echo "TonvelDemo.exe was not built (the Win32 UI backend is missing)"; exit 1; }

STATE=$BUILD/demo
mkdir -p "$STATE"
# Without a display the harness brings up its own Xvfb; with one the demo shows there.
if [ -n "${DISPLAY:-}" ]; then export TONVEL_USE_DISPLAY=$DISPLAY; fi
bash tools/wine/up.sh "$STATE" wow64 >"$STATE/up.log" 2>&1 || { cat "$STATE/up.log"; exit 1; }
. tools/wine/common.sh
wine_env
wine_loader "$EXE" # wine32's loader: the i686 program runs as a 32-bit process under WOW64
echo "running $EXE ($(pe_machine "$EXE")) under WOW64 in the 64-bit prefix $WINEPREFIX"
# Wine's helpers keep standard output open: the demo writes into a file, never into a pipe. The demo ends
# itself after a while through the panel's exit message (its whole shutdown, as when the setup asks).
DEVICE=$EXE.device.txt
rm -f "$DEVICE"
TONVEL_DEMO_SECONDS=14 "$WINE" "$EXE" >"$STATE/demo.log" 2>&1 </dev/null &
DEMO=$!
sleep 8
SHOT=$BUILD/demo-screenshot.png
if command -v import >/dev/null; then
    import -display "$DISPLAY" -window root "$SHOT"
else
    xwd -display "$DISPLAY" -root -silent | convert xwd:- "$SHOT"
fi
for _ in $(seq 300); do kill -0 "$DEMO" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$DEMO" 2>/dev/null; then
    echo "the demo did not end by itself; ending it"
    "$WINESERVER" -k >/dev/null 2>&1 </dev/null || true
fi
wait "$DEMO" 2>/dev/null || true
bash tools/wine/down.sh "$STATE" >/dev/null 2>&1 || true
[ -f "$DEVICE" ] && echo "virtual device at exit: $DEVICE"
echo "screenshot: $SHOT"
