# Shared by the wine harness scripts: where wine is and what state a build's prefix keeps.
# $1 of every script is the state folder (build/<preset>/wine): the run's display, logs and, unless
# TONVEL_WINE_PREFIX names another folder, its prefix. tools/test.sh runs the wine and the wow64 tiers one
# after the other in one prefix that way (booting a fresh prefix takes ~15 s, booting it again ~1 s); two
# runs at the same time need a prefix each (wine_prefix_down ends every program of its prefix).
# The prefix is 64-bit, as 64-bit Windows: x86_64 programs run as 64-bit processes, i686 programs (the
# release) as 32-bit processes under WOW64, through wine32's loader (Debian's wine32:i386 package).
find_wine64() {
    local w
    for w in "$(command -v wine64 2>/dev/null)" /usr/lib/wine/wine64 \
             $(dpkg -L wine64 2>/dev/null | grep -E '/wine64$'); do
        if [ -n "$w" ] && [ -x "$w" ]; then echo "$w"; return 0; fi
    done
    return 1
}
# The 32-bit loader: /usr/lib/wine/wine of wine32:i386 (not the /usr/bin/wine wrapper of the "wine" package).
find_wine32() {
    local w
    for w in /usr/lib/wine/wine $(dpkg -L wine32:i386 2>/dev/null | grep -E '/wine$'); do
        if [ -n "$w" ] && [ -x "$w" ] && [ ! -L "$w" ]; then echo "$w"; return 0; fi
    done
    return 1
}
find_wineserver() {
    local w
    for w in "$(command -v wineserver 2>/dev/null)" /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver \
             $(dpkg -L wine64 2>/dev/null | grep -E '/wineserver(64)?$'); do
        if [ -n "$w" ] && [ -x "$w" ]; then echo "$w"; return 0; fi
    done
    return 1
}
# pe_machine FILE: "i386" or "amd64" for a PE executable, empty otherwise.
pe_machine() {
    local offset machine
    offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$offset" ] || return 0
    machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
    case $machine in
        014c) echo i386 ;;
        8664) echo amd64 ;;
    esac
}
# wine_loader PROGRAM: the loader that starts this program (into WINE): wine32's for an i686 executable,
# wine64 for the rest (wine64 itself, wineboot and the other built-in programs).
wine_loader() {
    WINE=$WINE64
    if [ -f "$1" ] && [ "$(pe_machine "$1")" = i386 ]; then
        WINE=$(find_wine32) || {
            echo "$1 is a 32-bit program: running it under WOW64 needs wine32 (apt-get install wine32:i386," \
                 "after dpkg --add-architecture i386; tools/test.sh does this)"
            exit 2
        }
    fi
}
wine_env() {
    export WINEPREFIX="${TONVEL_WINE_PREFIX:-$STATE/prefix}"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    [ -f "$STATE/display" ] && export DISPLAY="$(cat "$STATE/display")"
    WINE64=$(find_wine64) || { echo "wine64 not found (install the wine64 package)"; exit 2; }
    WINESERVER=$(find_wineserver) || { echo "wineserver not found"; exit 2; }
}
