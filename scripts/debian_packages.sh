# Sourced by the build scripts: Debian's packages and sources, as each script needs them.
sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)

# install_missing PACKAGE...: installs the ones not installed yet (after an apt-get update).
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# unpack_source PACKAGE DIR: Debian's own source of PACKAGE, unpacked as DIR/src (the
# source lists are added where the machine has none).
unpack_source() {
    if ! grep -rqs "deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
        "${sudo[@]}" sh -c 'sed "s/^Types: deb$/Types: deb-src/" /etc/apt/sources.list.d/debian.sources \
            > /etc/apt/sources.list.d/debian-src.sources'
        "${sudo[@]}" apt-get update -qq
    fi
    # The newest version first; where a mirror lacks it (a security update not mirrored yet),
    # the next one it lists.
    local version
    for version in "" $(apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -rV); do
        rm -f "$2"/*.dsc
        (cd "$2" && apt-get source -qq --download-only "$1${version:+=$version}" > /dev/null 2>&1) &&
            break
    done
    (cd "$2" && dpkg-source -x --no-check ./*.dsc src > /dev/null)
}
