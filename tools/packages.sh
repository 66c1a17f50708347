# need_packages NAME...: installs the Debian packages that are missing (as root, with apt-get). A name may
# carry an architecture ("wine32:i386"); a foreign architecture that is not known to dpkg yet is added
# first (dpkg --add-architecture), before the one update of the package lists.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    local arch
    for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*:\([a-z0-9]*\)$/\1/p' | sort -u); do
        [ "$arch" = "$(dpkg --print-architecture)" ] && continue
        if ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            echo "adding the $arch architecture to dpkg"
            $sudo dpkg --add-architecture "$arch"
        fi
    done
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
