#!/usr/bin/env bash
# Builds libpq, PostgreSQL's client library, for 64-bit Windows, static, with the OpenSSL it
# speaks TLS through, each from Debian's own source (the versions the Linux build's libpq and
# libssl come from), once, into a folder outside the checkout; a later run finds them there
# and does nothing.
#   scripts/build_libpq_mingw.sh [PREFIX]   default: $VT350_LIBPQ_MINGW or /opt/vt350-libpq-mingw
# About four minutes on two cores; 12 MB kept.
set -euo pipefail
prefix=${1:-${VT350_LIBPQ_MINGW:-/opt/vt350-libpq-mingw}}
if [ -f "$prefix/lib/libpq.a" ] && [ -f "$prefix/lib/libssl.a" ] &&
    [ -f "$prefix/include/libpq-fe.h" ] && [ -f "$prefix/share/licenses/openssl.txt" ]; then
    echo "libpq for Windows is already in $prefix"
    exit 0
fi
. "$(dirname "$0")/debian_packages.sh"
install_missing gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev make bison flex perl
work=$(mktemp -d "${TMPDIR:-/tmp}/vt350-libpq-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
# OpenSSL's libraries and headers, no programs, no engines or modules loaded from a disk.
mkdir "$work/openssl"
unpack_source openssl "$work/openssl"
(cd "$work/openssl/src" &&
    ./Configure mingw64 no-shared no-tests no-module no-engine \
        --cross-compile-prefix=x86_64-w64-mingw32- --prefix="$work/ssl" --libdir=lib &&
    make -j"$(nproc)" build_libs && make install_dev) > "$work/openssl.log" 2>&1 ||
    { tail -40 "$work/openssl.log"; exit 1; }
source=$(apt-cache showsrc libpq-dev | sed -n 's/^Package: //p' | grep '^postgresql' | head -1)
unpack_source "$source" "$work"
mkdir "$work/build"
cd "$work/build"
../src/configure --host=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix --without-readline \
    --without-zlib --without-icu --with-ssl=openssl --without-gssapi --without-ldap \
    CPPFLAGS="-I$work/ssl/include" LDFLAGS="-L$work/ssl/lib" LIBS="-lws2_32 -lgdi32 -lcrypt32" \
    > configure.log 2>&1 || { tail -40 configure.log; exit 1; }
{ make -C src/include && make -C src/common -j"$(nproc)" && make -C src/port -j"$(nproc)" &&
    make -C src/interfaces/libpq -j"$(nproc)" all-static-lib; } > make.log 2>&1 || { tail -40 make.log; exit 1; }
# For Windows the library's own build makes only a DLL; the static library is made here from
# the same objects and the two helper libraries they were linked with. Its threads' stand-ins
# (pthread_mutex_lock and the like, written for libpq alone) are renamed so that they never
# meet the real ones of the program's thread library.
objects=$(ls src/interfaces/libpq/*.o | grep -v win32ver.o)
renames=()
for symbol in $(x86_64-w64-mingw32-nm src/interfaces/libpq/pthread-win32.o | awk '$2 == "T" {print $3}'); do
    renames+=(--redefine-sym "$symbol=vt350_pq_$symbol")
done
mkdir objects
for o in $objects src/common/libpgcommon_shlib.a src/port/libpgport_shlib.a; do
    case $o in
    *.a) (cd objects && x86_64-w64-mingw32-ar x "../$o") ;;
    *) cp "$o" objects/ ;;
    esac
done
for o in objects/*.o; do x86_64-w64-mingw32-objcopy "${renames[@]}" "$o"; done
"${sudo[@]}" mkdir -p "$prefix/lib" "$prefix/include"
"${sudo[@]}" x86_64-w64-mingw32-ar rcs "$prefix/lib/libpq.a" objects/*.o
"${sudo[@]}" cp "$work/ssl/lib/libssl.a" "$work/ssl/lib/libcrypto.a" "$prefix/lib/"
# Their licences, which go with every copy of a program linked with them.
"${sudo[@]}" mkdir -p "$prefix/share/licenses"
{ echo "The program includes PostgreSQL's client library, libpq, under this licence:"; echo
    cat ../src/COPYRIGHT; } | "${sudo[@]}" tee "$prefix/share/licenses/libpq.txt" > /dev/null
{ echo "The program includes OpenSSL, under this licence:"; echo
    cat "$work/openssl/src/LICENSE.txt"; } | "${sudo[@]}" tee "$prefix/share/licenses/openssl.txt" > /dev/null
"${sudo[@]}" cp ../src/src/interfaces/libpq/libpq-fe.h ../src/src/include/postgres_ext.h \
    src/include/pg_config_ext.h "$prefix/include/"
echo "libpq for Windows installed in $prefix ($(du -sh "$prefix" | cut -f1))"
