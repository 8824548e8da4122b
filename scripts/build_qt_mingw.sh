#!/usr/bin/env bash
# Builds Qt (Core, Gui, Widgets, Test) for 64-bit Windows, static, from Debian's own qtbase
# source, once, into a folder outside the checkout; a later run finds it there and does
# nothing. The host tools (moc, rcc, uic) are Debian's (qt6-base-dev-tools).
#   scripts/build_qt_mingw.sh [PREFIX]      default: $VT350_QT_MINGW or /opt/vt350-qt6-mingw
# About 13 minutes and 1.8 GB of build tree on two cores; 100 MB kept. The build tree
# ($VT350_QT_MINGW_BUILD, default /var/tmp/vt350-qt6-mingw-build) stays until the install
# succeeds, so a build stopped by a time limit or a crash goes on where it stopped.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-${VT350_QT_MINGW:-/opt/vt350-qt6-mingw}}
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] &&
   [ -f "$prefix/lib/cmake/Qt6Test/Qt6TestConfig.cmake" ]; then
    echo "Qt for Windows is already in $prefix"
    exit 0
fi
. "$here/scripts/debian_packages.sh"
install_missing g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-base-dev ninja-build cmake dpkg-dev
work=${VT350_QT_MINGW_BUILD:-/var/tmp/vt350-qt6-mingw-build}
mkdir -p "$work"
# The source of the same qtbase the host tools come from; a tree left by a stopped run is
# used as it is.
if [ ! -f "$work/src/CMakeLists.txt" ]; then
    rm -rf "$work/src"
    unpack_source qt6-base "$work"
fi
off=(opengl dynamicgl vulkan dbus sql network printsupport concurrent xml tabletevent freetype
     jpeg direct2d directwrite3 icu zstd pkg_config system_zlib system_png system_jpeg
     system_pcre2 system_harfbuzz system_doubleconversion system_freetype system_libb2
     system_textmarkdownreader sql_sqlite androiddeployqt)
flags=()
for f in "${off[@]}"; do flags+=("-DFEATURE_$f=OFF"); done
if [ ! -f "$work/build/build.ninja" ]; then
cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    "${flags[@]}" > "$work/configure.log" 2>&1 ||
    { tail -60 "$work/configure.log"; rm -rf "$work/build"; exit 1; }
fi
# Ninja's own status, shown at each tenth of the way and for the first step (which tells
# how much a resumed build has left); the full log stays in the build tree.
echo "Building Qt for Windows in $work/build"
NINJA_STATUS="[%f/%t] " cmake --build "$work/build" -j"$(nproc)" 2>&1 | tee "$work/build.log" |
    awk -F'[][/]' '/^\[[0-9]+\/[0-9]+\]/ { done = $2; all = $3; tenth = int(10 * done / all)
        if (!started++ || tenth > shown) { printf "  Qt: %d of %d steps (%d%%)\n", done, all, 100 * done / all
                                        shown = tenth; fflush() } }
        /FAILED|error:/ { print; fflush() }'
"${sudo[@]}" cmake --install "$work/build" > /dev/null
rm -rf "$work"
echo "Qt for Windows installed in $prefix ($(du -sh "$prefix" | cut -f1))"
