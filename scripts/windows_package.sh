#!/usr/bin/env bash
# The Windows release, from the MinGW build with the static Qt (scripts/windows.sh sets up
# both): stripped programs without test hooks, signed when a key is given, in an installer
# (NSIS) and a portable zip, with SHA256SUMS. Then, under wine, the installer is tried as a
# user would: silent install, the files, the Start-menu entry and the .qkf association,
# the installed programs run, silent uninstall, nothing left but the user's data.
#   scripts/windows_package.sh            build, sign, package and try
#   scripts/windows_package.sh build      build, sign and package only
# Signing: VT350_SIGN_CERT (PEM certificate chain) and VT350_SIGN_KEY (PEM private key,
# VT350_SIGN_PASS its password if any) sign both programs and the installer with
# osslsigncode; VT350_SIGN_TIMESTAMP names a time-stamping server. Without them the
# release is unsigned. VT350_SIGN_SELFTEST=1 (CI) makes a throwaway certificate first, so
# that the signing step is exercised and verified on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
qt=${VT350_QT_MINGW:-/opt/vt350-qt6-mingw}
sqlite=${VT350_SQLITE_MINGW:-/opt/vt350-sqlite-mingw}
version=$(sed -n 's/^project(vt350-config VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=$root/build-windows/release
stage=$out/stage
mkdir -p "$out"

options=()
command -v ccache > /dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ "${CI:-}" = true ] && options+=(-DVT350_WERROR=ON)
cmake -S . -B build-windows-release -G Ninja "${options[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$qt;$sqlite" -DCMAKE_FIND_ROOT_PATH="$qt;$sqlite" -DQT_HOST_PATH=/usr \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DCMAKE_EXE_LINKER_FLAGS_RELEASE="-s" -DVT350_TEST_HOOKS=OFF -DVT350_BUILD_TESTS=OFF > /dev/null
cmake --build build-windows-release --target vt350-config vt350ctl

rm -rf "$stage"
mkdir -p "$stage"
cp build-windows-release/src/vt350-config.exe build-windows-release/src/vt350ctl.exe "$stage/"
# Text files as Notepad shows them.
sed 's/$/\r/' README.md > "$stage/README.txt"
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"
cp resources/vt350-config.ico "$stage/"

if [ "${VT350_SIGN_SELFTEST:-}" = 1 ] && [ -z "${VT350_SIGN_KEY:-}" ]; then
    # A throwaway code-signing certificate, made now and never kept.
    openssl req -x509 -newkey rsa:3072 -nodes -days 2 -subj "/CN=vt350-config test signing" \
        -addext "extendedKeyUsage=codeSigning" -keyout "$out/test-key.pem" \
        -out "$out/test-cert.pem" 2> /dev/null
    export VT350_SIGN_KEY=$out/test-key.pem VT350_SIGN_CERT=$out/test-cert.pem
fi
sign() {  # sign FILE: signs it in place when a key is given
    [ -n "${VT350_SIGN_KEY:-}" ] && [ -n "${VT350_SIGN_CERT:-}" ] || return 0
    local extra=()
    [ -n "${VT350_SIGN_PASS:-}" ] && extra+=(-pass "$VT350_SIGN_PASS")
    [ -n "${VT350_SIGN_TIMESTAMP:-}" ] && extra+=(-ts "$VT350_SIGN_TIMESTAMP")
    osslsigncode sign -certs "$VT350_SIGN_CERT" -key "$VT350_SIGN_KEY" "${extra[@]}" \
        -n "VT-350 configuration" -h sha256 -in "$1" -out "$1.signed" > /dev/null
    mv "$1.signed" "$1"
    osslsigncode verify -CAfile "$VT350_SIGN_CERT" -in "$1" > "$out/verify.log" 2>&1 ||
        { cat "$out/verify.log"; echo "the signature of $1 does not verify"; exit 1; }
    echo "signed and verified: $(basename "$1")"
}
sign "$stage/vt350-config.exe"
sign "$stage/vt350ctl.exe"

setup=$out/vt350-config-$version-setup.exe
zip=$out/vt350-config-$version-windows-x64.zip
rm -f "$setup" "$zip" "$out/SHA256SUMS"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
    packaging/windows/vt350-config.nsi
sign "$setup"
folder=vt350-config-$version-windows-x64
rm -rf "${out:?}/$folder"
mkdir -p "$out/$folder"
cp "$stage"/vt350-config.exe "$stage"/vt350ctl.exe "$stage"/README.txt "$stage"/LICENSE.txt \
    "$out/$folder/"
(cd "$out" && cmake -E tar cf "$zip" --format=zip "$folder")
(cd "$out" && sha256sum "$(basename "$setup")" "$(basename "$zip")" > SHA256SUMS)
ls -l "$setup" "$zip" "$stage"/*.exe | awk '{print $5, $9}'
cat "$out/SHA256SUMS"
[ "${1:-}" = build ] && exit 0

# The installer under wine, in a prefix of its own.
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
timeout 300 wineboot --init > /dev/null 2>&1 || true
passed=0 failed=0
expect() {  # expect DESCRIPTION COMMAND...: the command's success is the expectation
    local what=$1; shift
    if "$@" > "$out/last.log" 2>&1; then
        echo "ok   $what"; passed=$((passed + 1))
    else
        echo "FAIL $what"; tail -20 "$out/last.log"; failed=$((failed + 1))
    fi
}
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v Public | head -1)
home="$WINEPREFIX/drive_c/users/$user"
local_app="$home/AppData/Local"
[ -d "$local_app" ] || local_app="$home/Local Settings/Application Data"
installed="$local_app/Programs/vt350-config"
data="$home/AppData/Roaming/vt350-config"
start_menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
reg_has() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | grep -qF "$2"; }

expect "silent install without administrator rights" timeout 120 wine "$setup" /S
timeout 60 wineserver -w || true
expect "the programs in the user's programs folder" \
    test -f "$installed/vt350-config.exe" -a -f "$installed/vt350ctl.exe" -a -f "$installed/uninstall.exe"
expect "the Start-menu entry" test -f "$start_menu/VT-350 configuration.lnk"
expect ".qkf opens in the window" \
    reg_has 'HKCU\Software\Classes\vt350config.qkf\shell\open\command' 'vt350-config.exe" "%1"'
expect ".qkf carries the window's icon" \
    reg_has 'HKCU\Software\Classes\vt350config.qkf\DefaultIcon' 'vt350-config.exe,0'
expect "the uninstall entry" sh -c "wine reg query \
    'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vt350-config' /v QuietUninstallString | grep -q '/S'"
win_installed='C:\users\'"$user"'\AppData\Local\Programs\vt350-config'
expect "the installed vt350ctl reads the demo controller" \
    timeout 120 wine "$win_installed\\vt350ctl.exe" --demo read -o 'C:\users\'"$user"'\bike.qkf'
# The installed window, as a person uses it: start it and click GetConfig until the read
# lands in the demo's history in the user's data (never beside the programs). A fresh
# wineserver: one that served a program under another display keeps the new window from
# ending.
window_smoke() {
    timeout 30 wineserver -k || true
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        wine "$0\\vt350-config.exe" --demo &
        id=$(timeout 120 xdotool search --sync --name "Cruise Controller Programming")
        [ -n "$id" ] || exit 1
        i=0
        while ! ls "$1"/demo-history/*-read.qkf > /dev/null 2>&1 && [ $i -lt 120 ]; do
            xdotool mousemove --window "$id" 599 283 click 1  # GetConfig
            sleep 0.5; i=$((i + 1))
        done
        import -window root "$2"
        wineserver -k
        ls "$1"/demo-history/*-read.qkf > /dev/null 2>&1 && [ -e "$1/demo-history/history.db" ]' \
        "$win_installed" "$data" "$out/installed-window.png"
}
expect "the installed window's GetConfig, clicked" window_smoke
expect "its sets are kept in the user's data, not beside the programs" \
    sh -c "[ -d '$data' ] && [ ! -e '$installed/Demo.qkf' ] && [ ! -e '$installed/Data.qkf' ]"
echo precious > "$data/shop.qkf"
expect "silent uninstall" timeout 120 wine "$installed/uninstall.exe" /S
timeout 60 wineserver -w || true
expect "the programs are gone" test ! -e "$installed"
expect "the Start-menu entry is gone" test ! -e "$start_menu/VT-350 configuration.lnk"
expect "the association is gone" sh -c "! wine reg query 'HKCU\\Software\\Classes\\vt350config.qkf' > /dev/null 2>&1"
expect "the user's sets and history are kept" test -f "$data/shop.qkf" -a -d "$data/demo-history"
timeout 30 wineserver -k || true
echo "windows package: $passed passed, $failed failed"
[ $failed -eq 0 ]
