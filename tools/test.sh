#!/usr/bin/env bash
# The whole test suite: installs what it needs, builds the three presets and runs the native tier, the wine
# tier (the x86_64 build as 64-bit processes) and the wow64 tier (the i686 release as 32-bit processes under
# WOW64, as most users run it).
set -eu
cd "$(dirname "$0")/.."
. tools/packages.sh
need_packages cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev libinih-dev nettle-dev libstb-dev librapidcheck-dev \
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine32:i386 xvfb x11-apps \
    imagemagick

werror=-DTONVEL_WERROR=ON
# The wow64 and the wine tier run one after the other in one 64-bit prefix (booted once).
export TONVEL_WINE_PREFIX=$(pwd)/build/wine-prefix
step() { echo; echo "===== $* ====="; }

step "native: configure, build, test"
cmake --preset native $werror >/dev/null
cmake --build --preset native
ctest --preset native

step "win32 (i686 release): configure, build, wow64 tier"
cmake --preset win32 $werror >/dev/null
cmake --build --preset win32
ctest --preset wow64

step "win64: configure, build, wine tier"
cmake --preset win64 $werror >/dev/null
cmake --build --preset win64
ctest --preset wine

step "native-asan: the native tier under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-asan $werror >/dev/null
cmake --build --preset native-asan
ctest --preset native-asan

step "fuzz: a short run of every fuzz target (clang, libFuzzer)"
bash tools/fuzz.sh
