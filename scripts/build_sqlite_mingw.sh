#!/usr/bin/env bash
# Builds SQLite for 64-bit Windows, static, from Debian's own sqlite3 source (the version
# the Linux build links), once, into a folder outside the checkout; a later run finds it
# there and does nothing. The amalgamation is made with the source's own tools (tclsh).
#   scripts/build_sqlite_mingw.sh [PREFIX]   default: $VT350_SQLITE_MINGW or /opt/vt350-sqlite-mingw
# About a minute on two cores; 2 MB kept.
set -euo pipefail
prefix=${1:-${VT350_SQLITE_MINGW:-/opt/vt350-sqlite-mingw}}
if [ -f "$prefix/lib/libsqlite3.a" ] && [ -f "$prefix/include/sqlite3.h" ]; then
    echo "SQLite for Windows is already in $prefix"
    exit 0
fi
. "$(dirname "$0")/debian_packages.sh"
install_missing gcc-mingw-w64-x86-64-posix tcl dpkg-dev make
work=$(mktemp -d "${TMPDIR:-/tmp}/vt350-sqlite-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
unpack_source sqlite3 "$work"
mkdir "$work/build"
(cd "$work/build" && ../src/configure --disable-tcl > configure.log 2>&1 &&
    make sqlite3.c > make.log 2>&1) || { tail -40 "$work/build/make.log"; exit 1; }
# The options a program of our kind wants: threads as the library defaults to, no
# extension loading (nothing outside the program is ever loaded into the history).
x86_64-w64-mingw32-gcc-posix -O2 -DNDEBUG -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_THREADSAFE=1 \
    -c "$work/build/sqlite3.c" -o "$work/build/sqlite3.o"
"${sudo[@]}" mkdir -p "$prefix/lib" "$prefix/include"
"${sudo[@]}" x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$work/build/sqlite3.o"
"${sudo[@]}" cp "$work/build/sqlite3.h" "$work/build/sqlite3ext.h" "$prefix/include/"
echo "SQLite for Windows installed in $prefix ($(du -sh "$prefix" | cut -f1))"
