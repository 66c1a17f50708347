#!/usr/bin/env bash
# Runs one Windows program that shows windows in the run's prefix and takes a screenshot of the display for
# it; passes the program's exit code on.
#   screenshot.sh STATE SHOT.png program.exe [args...]
# The program finds the screenshot's path (as a Windows path) in TONVEL_SCREENSHOT. When its windows are
# ready it writes SHOT.png.ready; the screenshot then appears at SHOT.png (whole, never half-written), and
# the program reads it back.
set -u
STATE=$1; SHOT=$2; shift 2
. "$(dirname "$0")/common.sh"
wine_env
[ -d "$WINEPREFIX" ] || { echo "no wine prefix at $WINEPREFIX (the wine_prefix fixture did not run)"; exit 2; }
mkdir -p "$(dirname "$SHOT")"
SHOT=$(cd "$(dirname "$SHOT")" && pwd)/$(basename "$SHOT")
rm -f "$SHOT" "$SHOT.ready" "$SHOT.tmp.png"
export TONVEL_SCREENSHOT="Z:${SHOT//\//\\}"
wine_loader "$1"
log=$(mktemp "$STATE/run.XXXXXX")
"$WINE" "$@" >"$log" 2>&1 </dev/null &
pid=$!
for _ in $(seq 600); do
    [ -e "$SHOT.ready" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -e "$SHOT.ready" ]; then
    if command -v import >/dev/null; then
        import -display "$DISPLAY" -window root "$SHOT.tmp.png"
    else
        xwd -display "$DISPLAY" -root -silent | convert xwd:- "$SHOT.tmp.png"
    fi
    mv "$SHOT.tmp.png" "$SHOT"
    echo "screenshot: $SHOT"
fi
wait "$pid"
rc=$?
cat "$log"
rm -f "$log"
exit $rc
