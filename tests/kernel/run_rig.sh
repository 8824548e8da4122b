#!/usr/bin/env bash
# Runs one kernel test in the emulated machine of the shared USB gadget rig.
#   run_rig.sh RIG BUILD_DIR link|cli|hub|window|wine|power-cut|udev-rule|udev-norule|udev-flood|udev-provision|udev-swap|udev-search
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
    wine)
        # The Windows build (scripts/windows.sh) and its wine prefix, made on this machine.
        windows=$(cd "$build/.." && pwd)/build-windows
        prefix=$windows/wineprefix
        if [ ! -x "$windows/src/vt350ctl.exe" ] || [ ! -d "$prefix/drive_c" ]; then
            echo "no Windows build in $windows (scripts/windows.sh makes it): skipped"; exit 77
        fi
        # Wine 8 starts its udev/hidraw bus only with its SDL bus off.
        WINEPREFIX=$prefix WINEDEBUG=-all wine reg add \
            'HKLM\System\CurrentControlSet\Services\winebus' /v "Enable SDL" /t REG_DWORD \
            /d 0 /f > /dev/null 2>&1
        WINEPREFIX=$prefix wineserver -w
        exec bash "$rig" --host-root --add "$build/src/vt350-sim" \
            --add "$(dirname "$0")/wine_in_guest.sh" \
            --device "/bin/vt350-sim --hidg /dev/hidg0" \
            --run "/bin/wine_in_guest.sh $windows $prefix" --timeout 1200
        ;;
    hub)
        exec bash "$rig" --gadgets 4 --add "$build/src/vt350-sim" --add "$build/src/vt350ctl" \
            --add "$(dirname "$0")/hub_in_guest.sh" \
            --device 'for k in 0 1 2 3; do /bin/vt350-sim --hidg /dev/hidg$k & done; wait' \
            --run "/bin/hub_in_guest.sh" --timeout 150
        ;;
    window)
        # The window on a virtual display in that machine, driven by xdotool from this
        # machine's root.
        command -v xdotool > /dev/null ||
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool > /dev/null
        exec bash "$rig" --gadgets 3 --host-root --add "$build/src/vt350-sim" \
            --add "$(dirname "$0")/window_in_guest.sh" \
            --device 'for k in 0 1 2; do /bin/vt350-sim --hidg /dev/hidg$k & done; wait' \
            --run "/bin/window_in_guest.sh $(cd "$build" && pwd)" --timeout 240
        ;;
    power-cut)
        # A read and a store said done, the power cut at once; then, booted again on that
        # disk, both entries and their copies are there.
        disk=$(mktemp --suffix=.img)
        trap 'rm -f "$disk"' EXIT
        truncate -s 64M "$disk" && mkfs.ext4 -q -F "$disk" || exit 1
        rig_on_disk() {
            bash "$rig" --disk "$disk" --add "$build/src/vt350-sim" --add "$build/src/vt350ctl" \
                --add "$(dirname "$0")/power_cut_in_guest.sh" \
                --device "/bin/vt350-sim --hidg /dev/hidg0" --run "/bin/power_cut_in_guest.sh $1" \
                --timeout 90
        }
        rig_on_disk cut
        cut=$?
        # No exit line: the machine went out in the middle, as it should.
        [ "$cut" -eq 124 ] || { echo "FAIL the machine was not cut (exit $cut)"; exit 1; }
        rig_on_disk check
        exit $?
        ;;
    cli)
        exec bash "$rig" --add "$build/src/vt350-sim" --add "$build/src/vt350ctl" \
            --add "$(dirname "$0")/cli_in_guest.sh" \
            --device "/bin/vt350-sim --hidg /dev/hidg0" --run "/bin/cli_in_guest.sh" --timeout 90
        ;;
esac
echo "unknown kernel test $what"
exit 2
