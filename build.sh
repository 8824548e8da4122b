#!/usr/bin/env bash
# Sets up, builds and runs the tool or its tests on Debian 12 or 13.
#   ./build.sh run [ARGS...]   install what is missing, build, start vt350-config ARGS
#   ./build.sh test            install what is missing, build, run every test through CTest
#   ./build.sh sanitize        the same tests in a second build with ASan and UBSan
#   ./build.sh build           install what is missing and build only
#   ./build.sh format          check that every source file is formatted as .clang-format says
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-l10n-tools qt6-translations-l10n
          libhidapi-dev libudev-dev
          libasound2-dev libsqlite3-dev libpq-dev postgresql libgtest-dev nlohmann-json3-dev libcli11-dev nettle-dev fonts-liberation xvfb xauth xdotool openbox dpkg-dev file
          ccache)

# What every build of the project shares: ccache, where it is installed, so that a second
# build of the same sources costs little; warnings as errors in CI.
common_options() {
    command -v ccache > /dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    [ "${CI:-}" = true ] && echo "-DVT350_WERROR=ON"
    return 0
}

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
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo $(common_options) "$@"
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
    format)
        command -v clang-format > /dev/null || {
            [ "$(id -u)" -eq 0 ] || sudo=sudo
            ${sudo:-} apt-get install -y -qq clang-format
        }
        git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
        echo "format: every source file is formatted"
        ;;
    *)
        echo "usage: $0 run|test|sanitize|build|format" >&2
        exit 2
        ;;
esac
