#!/usr/bin/env bash
# Runs one kernel test in the emulated machine of the shared USB gadget rig.
#   run_rig.sh RIG BUILD_DIR link|cli|udev-rule|udev-norule|udev-flood|udev-provision|udev-swap|udev-search
# Exit 77 (skipped) where the rig cannot run: not root, or no rig beside the project.
set -u
rig=$1 build=$2 what=$3
if [ ! -x "$rig" ] && [ ! -f "$rig" ]; then echo "no USB gadget rig at $rig: skipped"; exit 77; fi
if [ "$(id -u)" -ne 0 ]; then echo "the USB gadget rig needs root: skipped"; exit 77; fi
case "$what" in
    link)
        exec bash "$rig" --add "$build/src/vt350-sim" --add "$build/tests/vt350-linktest" \
            --device "/bin/vt350-sim --hidg /dev/hidg0" --run "/bin/vt350-linktest" --timeout 90
        ;;
    udev-rule|udev-norule|udev-flood|udev-provision|udev-swap|udev-search)
        exec bash "$rig" --add "$build/src/vt350-sim" --add "$build/tests/vt350-plugtest" \
            --add "$build/src/vt350ctl" \
            --add /bin/udevadm=/bin/systemd-udevd --add /bin/udevadm \
            --add /usr/bin/setpriv=/bin/setpriv \
            --add "$(dirname "$0")/../../packaging/70-vt350.rules=/etc/vt350/70-vt350.rules" \
            --add "$(dirname "$0")/plug_in_guest.sh" \
            --device "/bin/vt350-sim --hidg /dev/hidg0" \
            --run "/bin/plug_in_guest.sh ${what#udev-}" --timeout 240
        ;;
    cli)
        exec bash "$rig" --add "$build/src/vt350-sim" --add "$build/src/vt350ctl" \
            --add "$(dirname "$0")/cli_in_guest.sh" \
            --device "/bin/vt350-sim --hidg /dev/hidg0" --run "/bin/cli_in_guest.sh" --timeout 90
        ;;
esac
echo "unknown kernel test $what"
exit 2
