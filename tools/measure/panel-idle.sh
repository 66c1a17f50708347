#!/usr/bin/env bash
# Measures the control panel against an empty Win32 window under wine, in one fresh prefix (the i686
# release under WOW64): CPU while idle in the tray over 20 s, resident memory in the tray, and the start-up
# to a visible, painted window (the demo). Prints medians and ratios. Not part of the tests.
#   tools/measure/panel-idle.sh [BUILD [PANEL_FOLDER]]
# BUILD is the Windows build that holds measure/EmptyWindow.exe and measure/StartClock.exe (default
# build/win32); PANEL_FOLDER the panel's install layout (default BUILD/bin), so that another build's panel
# can be measured against the same yardstick. RUNS (default 3) idle runs and STARTS (default 5) start-ups
# of each program; IDLE_SECONDS (default 20) the idle window, after SETTLE_SECONDS (default 15) for the start.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/win32}" && pwd)
panel=$(cd "${2:-$build/bin}" && pwd)
runs=${RUNS:-3}
starts=${STARTS:-5}
idle=${IDLE_SECONDS:-20}
settle=${SETTLE_SECONDS:-15}
STATE=$build/measure-wine
rm -rf "$STATE"
mkdir -p "$STATE"
for f in "$build/measure/EmptyWindow.exe" "$build/measure/StartClock.exe" "$panel/Tonvel.exe" \
         "$panel/TonvelDemo.exe"; do
    [ -f "$f" ] || { echo "missing $f (build the Windows preset first)"; exit 2; }
done
"$root/tools/wine/up.sh" "$STATE" wow64 >"$STATE/up.log" 2>&1 || { cat "$STATE/up.log"; exit 2; }
trap '"$root/tools/wine/down.sh" "$STATE" >/dev/null 2>&1' EXIT
. "$root/tools/wine/common.sh"
wine_env
WINE32=$(find_wine32) || exit 2
drive=$WINEPREFIX/drive_c
mkdir -p "$drive/Tonvel" "$drive/measure"
cp -r "$panel"/. "$drive/Tonvel/"
cp "$build/measure/EmptyWindow.exe" "$build/measure/StartClock.exe" "$drive/measure/"
hz=$(getconf CLK_TCK)

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2];
                                           else printf "%.4f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null; }

# idle_run NAME WINDOWS-PATH: one start; after the settling time, the CPU over the idle window (% of a core)
# and the resident memory at its end (MB), appended to $STATE/NAME.cpu and NAME.rss.
idle_run() {
    local name=$1 program=$2 pid before after
    "$WINE32" "$program" >>"$STATE/$name.log" 2>&1 </dev/null &
    pid=$!
    sleep "$settle"
    before=$(cpu_ticks "$pid")
    sleep "$idle"
    after=$(cpu_ticks "$pid")
    if [ -z "$before" ] || [ -z "$after" ]; then
        echo "$name ended early" >&2
    else
        awk -v d=$((after - before)) -v hz="$hz" -v s="$idle" 'BEGIN { printf "%.3f\n", 100 * d / hz / s }' \
            >>"$STATE/$name.cpu"
        awk -v kb="$(rss_kb "$pid")" 'BEGIN { printf "%.1f\n", kb / 1024 }' >>"$STATE/$name.rss"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    sleep 1
}

# start_run NAME WINDOWS-PATH: the start-up to the first visible window and to its first wait for input
# after it (shown and painted), in ms, appended to $STATE/NAME.start.
start_run() {
    local name=$1 program=$2 out
    out=$(mktemp "$STATE/start.XXXXXX")
    "$WINE32" 'C:\measure\StartClock.exe' "$program" >"$out" 2>&1 </dev/null
    awk 'NF == 2 && $1 + 0 > 0 { print $2 / 1000 }' "$out" >>"$STATE/$name.start"
    rm -f "$out"
    sleep 1
}

# A first start of each, not counted: the prefix's first loads of the DLLs and the user's configuration.
start_run warm-empty 'C:\measure\EmptyWindow.exe'
start_run warm-demo 'C:\Tonvel\TonvelDemo.exe'
for _ in $(seq "$runs"); do
    idle_run empty 'C:\measure\EmptyWindow.exe'
    idle_run panel 'C:\Tonvel\Tonvel.exe'
done
for _ in $(seq "$starts"); do
    start_run empty 'C:\measure\EmptyWindow.exe'
    start_run demo 'C:\Tonvel\TonvelDemo.exe'
done

m() { [ -f "$STATE/$1" ] && median <"$STATE/$1" || echo nan; }
cpu_panel=$(m panel.cpu) cpu_empty=$(m empty.cpu)
rss_panel=$(m panel.rss) rss_empty=$(m empty.rss)
start_demo=$(m demo.start) start_empty=$(m empty.start)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 > 0) printf "%.2f", a / b; else printf "-" }'; }
echo "panel: $panel"
printf '| %-48s | %10s | %12s | %6s |\n' "" Tonvel "empty window" ratio
printf '| %-48s | %8s %% | %10s %% | %6s |\n' "CPU while idle in the tray, ${idle} s (% of a core)" \
    "$cpu_panel" "$cpu_empty" "$(ratio "$cpu_panel" "$cpu_empty")"
printf '| %-48s | %7s MB | %9s MB | %6s |\n' "resident memory in the tray" "$rss_panel" "$rss_empty" \
    "$(ratio "$rss_panel" "$rss_empty")"
printf '| %-48s | %8s s | %10s s | %6s |\n' "start-up to a visible window (demo, median of $starts)" \
    "$start_demo" "$start_empty" "$(ratio "$start_demo" "$start_empty")"
echo "runs: idle $(tr '\n' ' ' <"$STATE/panel.cpu" 2>/dev/null)/ $(tr '\n' ' ' <"$STATE/empty.cpu" 2>/dev/null)" \
     "rss $(tr '\n' ' ' <"$STATE/panel.rss" 2>/dev/null)/ $(tr '\n' ' ' <"$STATE/empty.rss" 2>/dev/null)" \
     "start $(tr '\n' ' ' <"$STATE/demo.start" 2>/dev/null)/ $(tr '\n' ' ' <"$STATE/empty.start" 2>/dev/null)"
