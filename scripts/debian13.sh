#!/usr/bin/env bash
# Builds and tests the project on Debian 13 (trixie, GCC 14, Qt 6.8, CLI11 2.4, clang 19,
# appstream 1.0) from this Debian machine, in a Debian 13 root of its own:
#   scripts/debian13.sh        format check, build with warnings as errors, the tests
#                              without the kernel label, the package check (lintian)
#   scripts/debian13.sh shell  a shell in that root, the sources in /src
# The root is made once with debootstrap from Debian's own mirror and kept in a folder of
# root's own, $VT350_DEBIAN13_HOME (default /var/lib/vt350-debian13, mode 0700), as root/;
# every run brings its packages up to date and installs what the README's commands install,
# so a kept root is the fresh system of that day, and takes the sources anew as a clone of
# this work tree's HEAD. Only its ccache survives between runs. One run at a time (a second
# waits for the first); a root half made by a killed run is made again. Needs root
# (debootstrap, chroot, mounts).
set -euo pipefail
cd "$(dirname "$0")/.."
home=${VT350_DEBIAN13_HOME:-/var/lib/vt350-debian13}
root=$home/root
mirror=${VT350_DEBIAN_MIRROR:-http://deb.debian.org/debian}
if [ "$(id -u)" -ne 0 ]; then echo "debian13.sh: needs root (debootstrap, chroot)" >&2; exit 2; fi

# A place nobody else can write into, so that nobody can plant a root, a link or a file there
# for this script to run or to write through.
owned_by_root() {  # owned_by_root PATH: a real folder of root's that no one else may write
    [ -d "$1" ] && [ ! -L "$1" ] && [ "$(stat -c %u "$1")" = 0 ] &&
        [ $(( 0$(stat -c %a "$1") & 022 )) -eq 0 ]
}
mkdir -p "$(dirname "$home")"
owned_by_root "$(dirname "$home")" || {
    echo "debian13.sh: $(dirname "$home") must be root's and writable by root alone" >&2; exit 2; }
mkdir -p -m 0700 "$home"
owned_by_root "$home" || { echo "debian13.sh: $home must be root's and writable by root alone" >&2; exit 2; }
exec 9> "$home/lock"
flock -n 9 || { echo "debian13.sh: another run is going; waiting for it"; flock 9; }

# Mounts a killed run left under a path (debootstrap mounts proc and sys in its target),
# innermost first.
unmount_under() {
    awk -v p="$1" '$5 == p || index($5, p "/") == 1 {print $5}' /proc/self/mountinfo |
        sort -r | while read -r m; do umount -l "$m" || true; done
}

if [ ! -f "$root/.vt350-root-ready" ] || ! owned_by_root "$root"; then
    command -v debootstrap > /dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
    }
    unmount_under "$root"
    unmount_under "$root.new"
    rm -rf --one-file-system "$root" "$root.new"
    # In a mount namespace of its own: what debootstrap mounts ends with it, killed or not.
    unshare --mount --fork debootstrap --variant=minbase trixie "$root.new" "$mirror" \
        > "$home/debootstrap.log" 2>&1 || { tail -20 "$home/debootstrap.log"; exit 1; }
    mv "$root.new" "$root"
    touch "$root/.vt350-root-ready"  # last: a root without it is made again
fi

# run CMD...: CMD in the root, in a mount namespace of its own (proc, sys, a private pty
# space, tmpfs /tmp and /dev/shm), so that nothing stays mounted when it ends. The name
# servers are written from inside the root, where a link resolves within it.
run() {
    unshare --mount --fork bash -c '
        r=$1; shift
        mount -t proc proc "$r/proc"
        mount -t sysfs sysfs "$r/sys"
        mount -t tmpfs tmpfs "$r/tmp"
        mount -t tmpfs tmpfs "$r/dev/shm"
        mount -t devpts -o newinstance,ptmxmode=0666 devpts "$r/dev/pts"
        chroot "$r" /bin/sh -c "rm -f /etc/resolv.conf && cat > /etc/resolv.conf" < /etc/resolv.conf
        exec chroot "$r" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            HOME=/root LANG=C.UTF-8 CI="${CI:-}" CCACHE_DIR=/var/cache/ccache "$@"
    ' bash "$root" "$@"
}

run bash -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get -y -qq dist-upgrade &&
             DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git ca-certificates' > /dev/null
rm -rf "$root/src"
git clone -q --no-local "$PWD" "$root/src"
echo "Debian 13 root: $(cat "$root/etc/debian_version"), sources at $(git rev-parse --short HEAD)"
if [ "${1:-}" = shell ]; then run bash -c 'cd /src && exec bash -i'; exit; fi
# apt's lines of every package it fetches and unpacks are left out; the rest is shown.
run bash -c 'cd /src && ./build.sh format && ./build.sh test -LE kernel && scripts/check_deb.sh' |
    grep --line-buffered -v -E '^(Get:|Selecting|Preparing|Unpacking|Setting up|Processing triggers|Created symlink|\(Reading database)'
