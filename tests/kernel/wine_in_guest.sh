#!/bin/sh
# Runs inside the emulated machine as root (rig.sh --host-root): the Windows programs under
# the host's wine, through wine's own HID stack, against vt350-sim on the gadget.
#   wine_in_guest.sh WINDOWS_BUILD PREFIX
# vt350ctl.exe list, read, write --yes --verify, diff against the device and one
# provision --count 1; the window's GetConfig with the controller plugged in at start. Each
# step prints what the program printed and how long it took. (Plug-ins while wine runs do
# not reach its HID stack in this machine: arrival and removal are tried with real UTF-16
# records sent to the message-only window in core_tests.exe instead.)
build=$1 prefix=$2
export RIG_HOST_ROOT_ENV="WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= HOME=/tmp"
exe="Z:$(echo "$build/src" | tr / '\\')"
work=/tmp/wine-kernel  # the same folder inside the chroot (its /tmp) as Z:\tmp\wine-kernel
rig-host-root mkdir -p $work
w='Z:\tmp\wine-kernel'
failed=0
# step NAME EXPECTED-STATUS COMMAND...: runs one command in the chroot, timed.
step() {
    name=$1 want=$2; shift 2
    begun=$(date +%s)
    rig-host-root "$@" > /tmp/step.log 2>&1
    got=$?
    echo "== $name: exit $got in $(( $(date +%s) - begun )) s"
    tr -d '\r' < /tmp/step.log | grep -v '^$' | head -20
    if [ "$got" -ne "$want" ]; then echo "FAIL $name (wanted exit $want)"; failed=$((failed + 1)); fi
}
# One wineserver for every step: the first start brings wine up, the later ones are quicker.
step "wine comes up" 0 sh -c 'wineserver -p && wineboot -u'
step "list" 0 wine "$exe\\vt350ctl.exe" list
step "read" 0 wine "$exe\\vt350ctl.exe" read -o "$w\\bike.qkf"
# 15 A continuous, 42 A peak, the rest as the factory set.
rig-host-root sh -c "printf '\\017\\052\\207\\156\\031\\001\\000\\000\\001\\000\\200\\000\\000\\000\\000' > $work/shop.qkf"
step "write --yes --verify" 0 wine "$exe\\vt350ctl.exe" write "$w\\shop.qkf" --yes --verify
step "diff against the device" 0 wine "$exe\\vt350ctl.exe" diff "$w\\shop.qkf" device
step "diff finds the old set" 1 wine "$exe\\vt350ctl.exe" diff "$w\\bike.qkf" device
step "provision --count 1" 0 wine "$exe\\vt350ctl.exe" provision "$w\\bike.qkf" --yes --count 1 \
    --log "$w\\log.jsonl"
rig-host-root cat $work/log.jsonl
step "the window's GetConfig" 0 env VT350_SMOKE_SCREENSHOT="$w\\window.png" \
    xvfb-run -a -s "-screen 0 1024x768x24" wine "$exe\\vt350-config.exe"
grep -q "status: GetConfig Success" /tmp/step.log || { echo "FAIL no GetConfig Success"; failed=$((failed + 1)); }
rig-host-root wineserver -k
if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
[ $failed -eq 0 ]
