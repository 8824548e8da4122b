#!/usr/bin/env bash
# Prints what a screen reader is told of the window: every accessible object of
# vt350-config --demo under its parent, with its role, name, value and description, as the
# desktop's accessibility bus (AT-SPI) carries them. Run by hand; needs Xvfb, a D-Bus
# session, at-spi2-core and python3-pyatspi (Debian packages of those names).
#   scripts/atspi_dump.sh [BUILD-DIR]        default: build
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/src/vt350-config" ] || { echo "no $build/src/vt350-config: build first" >&2; exit 2; }
exec dbus-run-session -- bash -s "$build" <<'INNER'
set -euo pipefail
build=$1
display=:$((90 + RANDOM % 100))
Xvfb "$display" -noreset -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
app=""
trap 'kill $app $xvfb 2> /dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
"$build/src/vt350-config" --demo > /dev/null 2>&1 &
app=$!
/usr/bin/python3 - <<'PY'
import sys, time
import pyatspi

def find_app():
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and "vt350" in (a.name or ""):
                return a
        time.sleep(0.1)
    sys.exit("the window did not appear on the accessibility bus")

def value_of(node):
    try:
        v = node.queryValue()
        return " value=%g (%g..%g)" % (v.currentValue, v.minimumValue, v.maximumValue)
    except NotImplementedError:
        return ""

def walk(node, depth):
    desc = node.description or ""
    print("%s%s \"%s\"%s%s" % ("  " * depth, node.getRoleName(), node.name or "", value_of(node),
                               "  -- " + desc if desc else ""))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1)

app = find_app()
time.sleep(1.0)  # the first poll ticks and the window's layout
walk(app, 0)
PY
INNER
