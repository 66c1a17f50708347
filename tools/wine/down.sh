#!/usr/bin/env bash
# Ends the run's wineserver and Xvfb.
set -u
STATE=$1
. "$(dirname "$0")/common.sh"
wine_env
"$WINESERVER" -k >/dev/null 2>&1 </dev/null
if [ -f "$STATE/xvfb.pid" ]; then kill "$(cat "$STATE/xvfb.pid")" 2>/dev/null; rm -f "$STATE/xvfb.pid"; fi
exit 0
