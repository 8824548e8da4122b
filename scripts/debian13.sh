#!/usr/bin/env bash
# Builds and tests the project on Debian 13 (trixie, GCC 14, Qt 6.8, CLI11 2.4, clang 19,
# appstream 1.0) from this Debian machine, in a Debian 13 root of its own:
#   scripts/debian13.sh        format check, build with warnings as errors, the tests
#                              without the kernel label, the package check (lintian)
#   scripts/debian13.sh shell  a shell in that root, the sources in /src
# The root is made once with debootstrap from Debian's own mirror and kept in
# $VT350_DEBIAN13_ROOT (default /var/tmp/vt350-debian13); every run brings its packages up
# to date and installs what the README's commands install, so a kept root is the fresh
# system of that day, and takes the sources anew as a clone of this work tree's HEAD.
# Only its ccache survives between runs. Needs root (debootstrap, chroot, mounts).
set -euo pipefail
cd "$(dirname "$0")/.."
root=${VT350_DEBIAN13_ROOT:-/var/tmp/vt350-debian13}
mirror=${VT350_DEBIAN_MIRROR:-http://deb.debian.org/debian}
if [ "$(id -u)" -ne 0 ]; then echo "debian13.sh: needs root (debootstrap, chroot)" >&2; exit 2; fi

if [ ! -f "$root/.vt350-root-ready" ]; then
    command -v debootstrap > /dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
    }
    # A half-made root (a run stopped during debootstrap) is made again; nothing is mounted
    # in it, since every mount below lives in a private namespace that ends with its run.
    rm -rf "$root"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase trixie "$root.new" "$mirror" > "$root.log" 2>&1 || {
        tail -20 "$root.log"; exit 1; }
    mv "$root.new" "$root"
    touch "$root/.vt350-root-ready"
fi

# run CMD...: CMD in the root, in a mount namespace of its own (proc, sys, a private pty
# space, tmpfs /tmp and /dev/shm), so that nothing stays mounted when it ends.
run() {
    unshare --mount --fork bash -c '
        r=$1; shift
        mount -t proc proc "$r/proc"
        mount -t sysfs sysfs "$r/sys"
        mount -t tmpfs tmpfs "$r/tmp"
        mount -t tmpfs tmpfs "$r/dev/shm"
        mount -t devpts -o newinstance,ptmxmode=0666 devpts "$r/dev/pts"
        cp /etc/resolv.conf "$r/etc/resolv.conf"
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
