#!/usr/bin/env bash
# Builds Qt (Core, Gui, Widgets) for 64-bit Windows, static, from Debian's own qtbase
# source, once, into a folder outside the checkout; a later run finds it there and does
# nothing. The host tools (moc, rcc, uic) are Debian's (qt6-base-dev-tools).
#   scripts/build_qt_mingw.sh [PREFIX]      default: $VT350_QT_MINGW or /opt/vt350-qt6-mingw
# About 13 minutes and 1.8 GB of build tree (deleted afterwards) on two cores; 98 MB kept.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-${VT350_QT_MINGW:-/opt/vt350-qt6-mingw}}
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
    echo "Qt for Windows is already in $prefix"
    exit 0
fi
. "$here/scripts/debian_packages.sh"
install_missing g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-base-dev ninja-build cmake dpkg-dev
work=$(mktemp -d "${TMPDIR:-/tmp}/vt350-qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The source of the same qtbase the host tools come from.
unpack_source qt6-base "$work"
off=(opengl dynamicgl vulkan dbus sql network printsupport testlib concurrent xml tabletevent freetype
     jpeg direct2d directwrite3 icu zstd pkg_config system_zlib system_png system_jpeg
     system_pcre2 system_harfbuzz system_doubleconversion system_freetype system_libb2
     system_textmarkdownreader sql_sqlite androiddeployqt)
flags=()
for f in "${off[@]}"; do flags+=("-DFEATURE_$f=OFF"); done
cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    "${flags[@]}" > "$work/configure.log" 2>&1 || { tail -60 "$work/configure.log"; exit 1; }
cmake --build "$work/build" -j"$(nproc)"
"${sudo[@]}" cmake --install "$work/build" > /dev/null
echo "Qt for Windows installed in $prefix ($(du -sh "$prefix" | cut -f1))"
