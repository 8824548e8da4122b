#!/usr/bin/env bash
# The tool for Windows: cross-built with MinGW-w64 against a static Qt, SQLite and libpq (each
# built once by its scripts/build_*_mingw.sh), then tried under wine: the unit tests, the
# window's tests (real windows on a virtual X display, driven by key and mouse events), a
# vt350ctl round trip through a folder with a non-ASCII name, vt350ctl list through the real
# SetupAPI code, the shared record on a PostgreSQL server of its own reached over TCP, and
# a smoke run of the window that performs GetConfig against the virtual controller and
# saves a screenshot (build-windows/window-windows.png).
#   scripts/windows.sh            build and test
#   scripts/windows.sh build      build only
#   scripts/windows.sh package    then the release: installer, zip, SHA256SUMS, signed when a
#                                 key is given, and tried under wine (scripts/windows_package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
qt=${VT350_QT_MINGW:-/opt/vt350-qt6-mingw}
sqlite=${VT350_SQLITE_MINGW:-/opt/vt350-sqlite-mingw}
libpq=${VT350_LIBPQ_MINGW:-/opt/vt350-libpq-mingw}
. scripts/debian_packages.sh
install_missing g++-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-liberation xvfb xauth \
    libgtest-dev nlohmann-json3-dev libcli11-dev ninja-build ccache nsis osslsigncode openssl \
    xdotool imagemagick qt6-l10n-tools qt6-translations-l10n postgresql
scripts/build_qt_mingw.sh "$qt"
scripts/build_sqlite_mingw.sh "$sqlite"
scripts/build_libpq_mingw.sh "$libpq"
# ccache where it is installed; warnings as errors in CI.
options=()
command -v ccache > /dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ "${CI:-}" = true ] && options+=(-DVT350_WERROR=ON)
cmake -S . -B build-windows -G Ninja "${options[@]}" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$qt;$sqlite;$libpq" -DCMAKE_FIND_ROOT_PATH="$qt;$sqlite;$libpq" -DQT_HOST_PATH=/usr \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" > /dev/null
cmake --build build-windows
[ "${1:-}" = build ] && exit 0
[ "${1:-}" = package ] && exec scripts/windows_package.sh

export WINEPREFIX=$root/build-windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    timeout 300 wineboot --init > /dev/null 2>&1 || true
    timeout 60 wineserver -w || true
fi
# A bare prefix has no Arial, the layout's face: Liberation Sans, metrically the same,
# stands in for it as it does on Linux (Windows itself has Arial).
cp /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
for f in "$WINEPREFIX"/drive_c/windows/Fonts/LiberationSans-*.ttf; do
    style=$(basename "$f" .ttf)
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v "Liberation Sans ${style#LiberationSans-} (TrueType)" /t REG_SZ /d "$(basename "$f")" \
        /f > /dev/null 2>&1 || true
done
timeout 60 wineserver -w || true

passed=0 failed=0
check() {  # check DESCRIPTION EXPECTED-STATUS COMMAND...
    local what=$1 want=$2; shift 2
    local got=0
    timeout "${limit:-120}" "$@" > build-windows/last.log 2>&1 || got=$?
    if [ "$got" -eq "$want" ]; then
        echo "ok   $what"; passed=$((passed + 1))
    else
        echo "FAIL $what (exit $got, wanted $want)"; tail -30 build-windows/last.log
        failed=$((failed + 1))
    fi
}
bin=build-windows/src
check "unit tests" 0 wine build-windows/tests/core_tests.exe
dir="$WINEPREFIX/drive_c/Werkstatt Müller 工坊"
mkdir -p "$dir"
win='C:\Werkstatt Müller 工坊'
check "read to a file in a non-ASCII folder" 0 wine $bin/vt350ctl.exe --demo read -o "$win\\bike.qkf"
check "show it" 0 wine $bin/vt350ctl.exe show "$win\\bike.qkf"
check "its JSON form" 0 wine $bin/vt350ctl.exe show "$win\\bike.qkf" --json
sed 's/"peak_current_a": 30/"peak_current_a": 42/' build-windows/last.log | tr -d '\r' > "$dir/new.json"
check "import" 0 wine $bin/vt350ctl.exe import "$win\\new.json" -o "$win\\new.qkf"
check "write --verify" 0 wine $bin/vt350ctl.exe --demo write "$win\\new.qkf" --yes --verify
check "diff finds the change" 1 wine $bin/vt350ctl.exe diff "$win\\bike.qkf" "$win\\new.qkf"
# Sets through standard input and output, byte for byte: 0x1A first (26 A), 0x0A first (10 A).
printf '\x1a\x2a\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00' > "$dir/26a.qkf"
check "a set starting with 0x1A from standard input" 0 sh -c \
    "wine $bin/vt350ctl.exe show - --json < '$dir/26a.qkf' | grep -q '\"continuous_current_a\": 26'"
wine $bin/vt350ctl.exe show "$win\\26a.qkf" --json | tr -d '\r' |
    sed 's/"continuous_current_a": 26/"continuous_current_a": 10/' > "$dir/10a.json"
check "a set holding 0x0A to standard output" 0 sh -c \
    "wine $bin/vt350ctl.exe import '$win\\10a.json' -o - > build-windows/10a.qkf &&
     [ \"\$(od -An -tx1 build-windows/10a.qkf | tr -d ' \n')\" = 0a2a876e1901000001008000000000 ]"
check "the window's --help where output is redirected" 0 sh -c \
    "wine $bin/vt350-config.exe --help | grep -q 'usage: vt350-config'"
check "list through SetupAPI: no controller" 3 wine $bin/vt350ctl.exe list
# The shared record through Windows' sockets: a server of the tests' own on a port of
# 127.0.0.1 that takes TLS only, made by the Windows build, an entry of a unit sent and read
# back; with the server away a store is not refused and its entry goes with the next sync.
pg=$(mktemp -d "${TMPDIR:-/tmp}/vt350-windows-pg.XXXXXX")
chmod 755 "$pg"  # the server runs as nobody when this runs as root
trap 'tests/server/postgres.sh stop "$pg/server" || true; rm -rf "$pg"' EXIT
export VT350_PG_TCP_PORT=$(shuf -i 20000-60000 -n 1)
tests/server/postgres.sh start "$pg/server"
# TLS with the server's certificate verified, the certificate named by a Windows path (a
# connection string takes a backslash as an escape: a path there is written with slashes).
tls="sslmode=verify-full sslrootcert=Z:$pg/server/server.crt"
owner="host=127.0.0.1 port=$VT350_PG_TCP_PORT dbname=vt350 user=vt350_owner $tls"
check "the shared record made" 0 env VT350_HISTORY_SERVER="$owner" wine $bin/vt350ctl.exe history server-init
psql -q "$(cat "$pg/server/conninfo")" -c "GRANT vt350_bench TO bench"
export VT350_HISTORY_SERVER="host=127.0.0.1 port=$VT350_PG_TCP_PORT dbname=vt350 user=bench $tls"
check "a unit's read sent to the shared record" 0 wine $bin/vt350ctl.exe --demo --unit "bike 42" read
tests/server/postgres.sh halt "$pg/server"
check "a store with the server away" 0 wine $bin/vt350ctl.exe --demo --unit "bike 42" write "$win\\new.qkf" --yes
check "its entry waits" 5 wine $bin/vt350ctl.exe --demo history sync
tests/server/postgres.sh resume "$pg/server"
check "and goes with the next sync" 0 wine $bin/vt350ctl.exe --demo history sync
check "the unit's entries read from the shared record" 0 sh -c \
    "wine $bin/vt350ctl.exe history --unit 'bike 42' > build-windows/unit.log 2>&1 &&
     grep -q 'of unit bike 42, from the shared record' build-windows/unit.log &&
     grep -q 'stored .*unit bike 42' build-windows/unit.log"
check "without TLS the server is not read" 0 sh -c \
    "VT350_HISTORY_SERVER='host=127.0.0.1 port=$VT350_PG_TCP_PORT dbname=vt350 user=bench sslmode=disable' \
     wine $bin/vt350ctl.exe history --unit 'bike 42' 2>&1 | grep -q 'shared record cannot be read'"
unset VT350_HISTORY_SERVER
# The window's tests: about a minute on a quiet machine.
timeout 30 wineserver -k || true
limit=900 check "the window's tests" 0 xvfb-run -a -s "-screen 0 1024x768x24" \
    wine build-windows/tests/ui_tests.exe
grep -E "^\[  (PASSED|FAILED|SKIPPED) " build-windows/last.log || true
rm -f build-windows/window-windows.png
# The HID enumeration above leaves wine's device services running, and a window started
# next under a new X display then never finishes exiting: a fresh wineserver for it.
timeout 30 wineserver -k || true
sleep 1
check "the window's smoke run" 0 env VT350_SMOKE_SCREENSHOT='Z:'"$(echo "$root/build-windows/window-windows.png" | tr / '\\')" \
    xvfb-run -a -s "-screen 0 1024x768x24" timeout 90 wine $bin/vt350-config.exe --demo
grep -q "status: GetConfig Success; screenshot saved" build-windows/last.log &&
    [ -s build-windows/window-windows.png ] ||
    { echo "FAIL the smoke run did not reach GetConfig Success"; cat build-windows/last.log; failed=$((failed + 1)); }
timeout 30 wineserver -k || true
echo "windows: $passed passed, $failed failed"
[ $failed -eq 0 ]
