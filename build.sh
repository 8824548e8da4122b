#!/usr/bin/env bash
# Sets up, builds and runs the tool or its tests on Debian 12.
#   ./build.sh run [ARGS...]   install what is missing, build, start vt350-config ARGS
#   ./build.sh test            install what is missing, build, run every test through CTest
#   ./build.sh sanitize        the same tests in a second build with ASan and UBSan
#   ./build.sh build           install what is missing and build only
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config qt6-base-dev libhidapi-dev libudev-dev
          libasound2-dev libgtest-dev nlohmann-json3-dev libcli11-dev libssl-dev fonts-liberation xvfb xauth dpkg-dev file)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j"$(nproc)"
}

cmd=${1:-run}
[ $# -gt 0 ] && shift
install_missing
case "$cmd" in
    run)
        build build
        exec build/src/vt350-config "$@"
        ;;
    test)
        build build
        ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
        ;;
    sanitize)
        build build-asan -DVT350_SANITIZE=ON
        ctest --test-dir build-asan --output-on-failure -j"$(nproc)" "$@"
        ;;
    build)
        build build
        ;;
    *)
        echo "usage: $0 run|test|sanitize|build" >&2
        exit 2
        ;;
esac
