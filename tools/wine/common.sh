# Shared by the wine harness scripts: where wine64 is and what state a build's prefix keeps.
# $1 of every script is the state folder (build/<preset>/wine).
find_wine64() {
    local w
    for w in "$(command -v wine64 2>/dev/null)" /usr/lib/wine/wine64 \
             $(dpkg -L wine64 2>/dev/null | grep -E '/wine64$'); do
        if [ -n "$w" ] && [ -x "$w" ]; then echo "$w"; return 0; fi
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
wine_env() {
    export WINEPREFIX="$STATE/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    [ -f "$STATE/display" ] && export DISPLAY="$(cat "$STATE/display")"
    WINE64=$(find_wine64) || { echo "wine64 not found (install the wine64 package)"; exit 2; }
    WINESERVER=$(find_wineserver) || { echo "wineserver not found"; exit 2; }
}
