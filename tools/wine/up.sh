#!/usr/bin/env bash
# Brings up the one wine prefix of a test run: an Xvfb display, a persistent wineserver, a booted 64-bit
# prefix.
#   up.sh STATE [wine|wow64]
# With "wow64" (the i686 build's tier) the 32-bit side must be there: wine32's loader, and the prefix's
# SysWOW64 folder (a prefix booted before wine32 was installed lacks it and is made anew).
set -u
STATE=$1
TIER=${2:-wine}
mkdir -p "$STATE"
. "$(dirname "$0")/common.sh"
if [ "$TIER" = wow64 ] || find_wine32 >/dev/null; then
    find_wine32 >/dev/null || {
        echo "the wow64 tier runs 32-bit programs: it needs wine32 (apt-get install wine32:i386, after" \
             "dpkg --add-architecture i386; tools/test.sh does this)"
        exit 2
    }
    prefix=${TONVEL_WINE_PREFIX:-$STATE/prefix}
    if [ -d "$prefix" ] && [ ! -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "the prefix $prefix has no 32-bit side (booted without wine32): making it anew"
        rm -rf "$prefix"
    fi
fi
if [ -z "${TONVEL_USE_DISPLAY:-}" ]; then
    n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >"$STATE/xvfb.log" 2>&1 &
    echo $! >"$STATE/xvfb.pid"
    echo ":$n" >"$STATE/display"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
else
    echo "$TONVEL_USE_DISPLAY" >"$STATE/display"
fi
wine_env
"$WINESERVER" -p >/dev/null 2>&1 </dev/null
# Plain wineboot: the loader initialises a new prefix by itself, and "wineboot -i" on top of that starts
# a second services.exe, whose service database the programs would then see only half of the time.
"$WINE64" wineboot >"$STATE/wineboot.log" 2>&1 </dev/null
rc=$?
# The test machine is a Windows 10 machine: wine's default, Windows 7 with a service pack, is the one
# system on which the setup starts the Windows update it carries, a stand-in that no installer can open.
"$WINE64" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win10 /f >>"$STATE/wineboot.log" 2>&1 </dev/null
"$WINESERVER" -w >/dev/null 2>&1 </dev/null &
echo "wine prefix $WINEPREFIX on display $DISPLAY (wineboot $rc)"
exit $rc
