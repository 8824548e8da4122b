#!/bin/sh
# Runs inside the emulated machine as root (rig.sh --gadgets 3 --host-root): three
# controllers of one make (all serial 0001) on ports of their own, each served by a
# vt350-sim, and the window on a virtual display of this machine, started for the second
# port and driven with the mouse and keys as a person would (xdotool):
#   window_in_guest.sh BUILD_DIR
# The window keeps its controller while the other two are pulled and plugged back in, and
# its store goes into that one only; the others are read back with vt350ctl. A held Return
# stores nothing. Its history
# view gives the set before the last store back.
build=$1
work=/tmp/window-kernel  # inside the chroot of the host's root (its /tmp)
export RIG_HOST_ROOT_ENV="HOME=$work XDG_DATA_HOME=$work/data DISPLAY=:7 LANG=C.UTF-8"
fail=0 passed=0
ok() { echo "ok   $1"; passed=$((passed + 1)); }
bad() { echo "FAIL $1"; fail=$((fail + 1)); }
port_of() { basename "$(ls -d /sys/devices/platform/dummy_hcd.$(($1 - 1))/usb*/*-1)"; }
unplug() { echo > /sys/kernel/config/usb_gadget/g$1/UDC; }
plug() { echo "dummy_udc.$(($1 - 1))" > /sys/kernel/config/usb_gadget/g$1/UDC; }
nodes() { ls /dev/hidraw* 2> /dev/null | wc -l; }
wait_nodes() {  # wait_nodes N: at most 20 s
    i=0; while [ "$(nodes)" -ne "$1" ] && [ $i -lt 200 ]; do sleep 0.1; i=$((i + 1)); done
}
# The window's title, which names the controller it works with.
title() { rig-host-root sh -c 'xdotool getwindowname "$(xdotool search --name Cruise | head -1)"' 2> /dev/null; }
# A left click at a point of the window (its layout in pixels: GetConfig at 600,284).
click() {
    rig-host-root sh -c "xdotool mousemove --window \"\$(xdotool search --name Cruise | head -1)\" $1 $2 click 1"
}
keys() { rig-host-root xdotool key --delay 100 "$@"; }
# The continuous current a controller holds, read by vt350ctl on its port.
current_in() {
    rig-host-root "$build/src/vt350ctl" --port "$1" read --json 2> /dev/null |
        sed -n 's/.*"continuous_current_a": *\([0-9]*\).*/\1/p'
}
wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
    limit=$(($1 * 10)); shift
    i=0; while ! "$@" > /dev/null 2>&1 && [ $i -lt $limit ]; do sleep 0.1; i=$((i + 1)); done
    "$@" > /dev/null 2>&1
}
title_names() { title | grep -q "$1"; }

P1=$(port_of 1) P2=$(port_of 2) P3=$(port_of 3)
rig-host-root mkdir -p $work/data
rig-host-root Xvfb :7 -screen 0 1024x768x24 -nolisten tcp > /tmp/xvfb.log 2>&1 &
wait_for 60 rig-host-root xdotool getmouselocation || { echo "no X display"; cat /tmp/xvfb.log; }
begun=$(date +%s)
rig-host-root "$build/src/vt350-config" --port "$P2" > /tmp/window.log 2>&1 &
if wait_for 90 title_names "port $P2, serial 0001"; then ok "the window names its controller: $(title)"; else
    bad "the window's title: $(title)"; cat /tmp/window.log; fi
echo "(the window was up after $(( $(date +%s) - begun )) s)"
click 600 284  # GetConfig

# store A: A amperes typed into the continuous current and stored, as a person does: Enter
# in the box presses Store/Save, a new press of Return answers the question. True when
# the controller in the window's port then holds it.
store() {
    click 164 156
    keys ctrl+a $(echo "$1" | sed 's/./& /g') Return
    wait_for 20 rig-host-root xdotool search --name '^Message$'
    # Without a window manager the keys go to the window under the pointer.
    rig-host-root sh -c "xdotool mousemove --window \"\$(xdotool search --name '^Message\$' | head -1)\" 30 30"
    keys Return
    i=0; while [ $i -lt 100 ]; do
        [ "$(current_in "$P2")" = "$1" ] && return 0
        sleep 0.2; i=$((i + 1))
    done
    return 1
}

# Return held down for 3 s in the continuous current box, the X server repeating it as a
# finger on the key does: the store question comes once and confirms nothing.
before=$(current_in "$P2")
click 164 156
keys ctrl+a 2 9
rig-host-root sh -c 'xdotool keydown Return; sleep 3; xdotool keyup Return'
sleep 2
if wait_for 10 rig-host-root xdotool search --onlyvisible --name '^Message$' &&
   [ "$(current_in "$P2")" = "$before" ]; then
    ok "a held Return asks once and stores nothing ($P2 holds $before A)"
else
    bad "a held Return: $P2 holds $(current_in "$P2") A (was $before)"
fi
rig-host-root sh -c "xdotool mousemove --window \"\$(xdotool search --name '^Message\$' | head -1)\" 30 30"
keys Escape
click 164 156
keys ctrl+a $(echo "$before" | sed 's/./& /g')

# The others are pulled and plugged back in; the window stays with its own, and what it
# stores while one of them is away goes into its own.
amps=26
for n in 1 3; do
    unplug $n; wait_nodes 2
    sleep 1
    if title_names "port $P2, serial 0001" && ! title_names unplugged; then
        ok "gadget $n pulled: the window keeps $P2"; else bad "gadget $n pulled: $(title)"; fi
    amps=$((amps + 1))
    if store $amps; then ok "stored $amps A into $P2 while gadget $n was away"; else
        bad "the store of $amps A did not reach $P2"; cat /tmp/window.log; fi
    plug $n; wait_nodes 3
    sleep 1
    if title_names "port $P2, serial 0001"; then ok "gadget $n back: the window keeps $P2"; else
        bad "gadget $n back: $(title)"; fi
done
click 600 284  # GetConfig, with all three back
others="$(current_in "$P1") $(current_in "$P3")"
if [ "$others" = "15 15" ]; then ok "$P1 and $P3 still hold 15 A"; else
    bad "the others hold $others"; fi

# The set before the last store, found in the window's history view and put back: Ctrl+H
# lists the window's controller's entries newest first, the window's and vt350ctl's; the
# line under the last store is taken into the editors and stored.
sleep 1
under=$(rig-host-root "$build/src/vt350ctl" --port "$P2" history --json -n 100 2> /dev/null |
    grep -o '"event": "[a-z]*"' | grep -n stored | head -1 | cut -d: -f1)
keys ctrl+h
if wait_for 20 rig-host-root xdotool search --name '^History$'; then
    rig-host-root sh -c "xdotool mousemove --window \"\$(xdotool search --name '^History\$' | head -1)\" 30 30"
    keys $(seq "${under:-1}" | sed 's/.*/Down/') alt+t
    sleep 1
    click 600 432  # Store/Save
    wait_for 20 rig-host-root xdotool search --name '^Message$'
    rig-host-root sh -c "xdotool mousemove --window \"\$(xdotool search --name '^Message\$' | head -1)\" 30 30"
    keys Return
    i=0; while [ "$(current_in "$P2")" != 27 ] && [ $i -lt 100 ]; do sleep 0.2; i=$((i + 1)); done
    if [ "$(current_in "$P2")" = 27 ]; then ok "the set before the last store, put back from the history view"
    else bad "$P2 holds $(current_in "$P2") A after the history view (wanted 27)"; cat /tmp/window.log; fi
else
    bad "Ctrl+H opened no history view"
fi
echo "$passed passed, $fail failed"
[ $fail -eq 0 ]
