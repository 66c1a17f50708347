#!/usr/bin/env bash
# Brings up the one wine prefix of a test run: an Xvfb display, a persistent wineserver, a booted prefix.
set -u
STATE=$1
mkdir -p "$STATE"
. "$(dirname "$0")/common.sh"
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
"$WINE64" wineboot -i >"$STATE/wineboot.log" 2>&1 </dev/null
rc=$?
"$WINESERVER" -w >/dev/null 2>&1 </dev/null &
echo "wine prefix $WINEPREFIX on display $DISPLAY (wineboot $rc)"
exit $rc
