#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no error and no warning may remain),
# installs it with apt, and runs the installed programs: vt350ctl, and vt350-config as root,
# which must leave nothing under /usr; the window's languages are in it.
set -euo pipefail
cd "$(dirname "$0")/.."
./build.sh build
(cd build && cpack -G DEB)
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
deb=$(ls "$PWD"/build/vt350-config_*.deb | head -n 1)
if ! command -v lintian >/dev/null; then
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq lintian
fi
lintian --fail-on error,warning "$deb"
echo "lintian: no error and no warning"
dpkg-deb -f "$deb" Depends | grep -q fonts-liberation  # the layout's font is not optional
dpkg-deb -f "$deb" Suggests | grep -q postgresql  # the shared record's server, not needed
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --reinstall "$deb"
/usr/bin/vt350ctl --version
/usr/bin/vt350ctl --demo read
test -f /usr/lib/udev/rules.d/70-vt350.rules
test -f /usr/share/applications/vt350-config.desktop
test -f /usr/share/mime/packages/vt350-config.xml
test -f /usr/share/bash-completion/completions/vt350ctl
test -f /usr/share/icons/hicolor/scalable/apps/vt350-config.svg
# The window's translations travel inside the program; Qt's own are recommended.
/usr/bin/vt350-config --help | grep -q "en, de, es, fr, it, nl, pl"
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n
grep -q "^Name\[de\]=" /usr/share/applications/vt350-config.desktop
# The installed window, run as root as people do when permissions fail, ends by SIGTERM
# and keeps its set in root's data folder, never beside /usr/bin/vt350-config.
marker=$(mktemp)
QT_QPA_PLATFORM=offscreen timeout -s TERM 3 "${sudo[@]}" /usr/bin/vt350-config --demo || true
left=$(find /usr -newer "$marker" -type f -name '*.qkf' 2>/dev/null || true)
rm -f "$marker"
if [ -n "$left" ]; then echo "the installed program wrote under /usr: $left"; exit 1; fi
echo "the installed program left nothing under /usr"
