#!/usr/bin/env bash
# Runs one Windows program in the run's prefix (an i686 one under WOW64) and passes its exit code on.
# Wine's helper processes inherit standard output, so the program writes into a file that is shown after.
set -u
STATE=$1; shift
. "$(dirname "$0")/common.sh"
wine_env
[ -d "$WINEPREFIX" ] || { echo "no wine prefix at $WINEPREFIX (the wine_prefix fixture did not run)"; exit 2; }
wine_loader "$1"
log=$(mktemp "$STATE/run.XXXXXX")
"$WINE" "$@" >"$log" 2>&1 </dev/null
rc=$?
cat "$log"
rm -f "$log"
exit $rc
