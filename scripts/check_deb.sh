#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, and runs the installed vt350ctl.
set -euo pipefail
cd "$(dirname "$0")/.."
./build.sh build
(cd build && cpack -G DEB)
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
deb=$(ls "$PWD"/build/vt350-config_*.deb | head -n 1)
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --reinstall "$deb"
/usr/bin/vt350ctl --version
/usr/bin/vt350ctl --demo read
test -f /usr/lib/udev/rules.d/70-vt350.rules
test -f /usr/share/applications/vt350-config.desktop
test -f /usr/share/mime/packages/vt350-config.xml
