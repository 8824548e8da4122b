#!/usr/bin/env bash
# A held key on a real, busy X11 desktop: the window of the demo on Xvfb with a window
# manager, two busy loops beside them on one processor, and Return held down by xdotool for
# seconds at a time, so that the server repeats it as release-and-press pairs that reach the
# program late. A held Return asks the store question once and confirms nothing; only a new press
# stores; after a store the Return still held stores nothing more; a list of controllers
# opened under a held Return takes no controller.
#   held_keys_x11.sh VT350-CONFIG VT350CTL
set -u
program=$1 ctl=$2
for tool in Xvfb xdotool; do
    command -v $tool > /dev/null || { echo "skipped: no $tool"; exit 77; }
done
work=$(mktemp -d /tmp/vt350-held-keys.XXXXXX)
pids=()
cleanup() {
    [ ${#pids[@]} -gt 0 ] && kill "${pids[@]}" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# The desktop (X server, window manager, window) and two busy loops share one processor, as
# on a loaded machine; the other processors stay free for the tests beside this one.
pin=()
if command -v taskset > /dev/null; then
    cpu=$(taskset -cp $$ 2> /dev/null | sed 's/.*: //; s/[-,].*//')
    [ -n "$cpu" ] && pin=(taskset -c "$cpu")
fi
# A display of its own: Xvfb takes the first number free on this machine (sockets of other
# servers, in a chroot too, included) and says which. It never resets: by default it does
# when its last client leaves, and a client connecting then (the window manager after the
# first xdotool, on a loaded machine) is turned away.
"${pin[@]}" Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
    local limit=$(($1 * 10)) i=0; shift
    while ! "$@" > /dev/null 2>&1 && [ $i -lt $limit ]; do sleep 0.1; i=$((i + 1)); done
    "$@" > /dev/null 2>&1
}
wait_for 60 test -s "$work/display" || { echo "no X display"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(cat "$work/display")
wait_for 60 xdotool getmouselocation || { echo "no X display"; cat "$work/xvfb.log"; exit 1; }
# A window manager, as on a desktop; the window comes only once it manages the screen (a
# window mapped while it starts may stay unmapped).
# Should one not come up all the same, it gets a second start.
start_window_manager() {
    "${pin[@]}" openbox > "$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 10 xdotool get_num_desktops && return 0
    echo "(openbox did not come up)"
    cat "$work/openbox.log"
    kill $! 2> /dev/null
    return 1
}
if command -v openbox > /dev/null; then
    start_window_manager || start_window_manager
fi
# The window's own copy keeps its autosave beside itself; its history goes to the test's.
cp "$program" "$work/vt350-config"
data="$work/data"
mkdir -p "$data"
run_window() {
    XDG_DATA_HOME=$data QT_QPA_PLATFORM=xcb "${pin[@]}" "$work/vt350-config" --demo "$@" \
        > "$work/window.log" 2>&1 &
    pids+=($!)
    window=$!
    wait_for 90 xdotool search --onlyvisible --name Cruise || {
        echo "no window on $DISPLAY"
        cat "$work/window.log"
        xdotool search --name . getwindowname %@ 2> /dev/null | head
        exit 1
    }
}
passed=0 failed=0
ok() { echo "ok   $1"; passed=$((passed + 1)); }
bad() { echo "FAIL $1"; failed=$((failed + 1)); }
stores() { XDG_DATA_HOME=$data "$ctl" --demo history --json -n 10000 2> /dev/null | grep -c '"stored"'; }
win() { xdotool search --name Cruise | head -1; }
click() { xdotool mousemove --window "$(win)" "$1" "$2" click 1; }
question_open() { xdotool search --onlyvisible --name '^Message$'; }
focus_on() {
    xdotool mousemove --window "$1" 30 30
    xdotool windowactivate --sync "$1" 2> /dev/null || xdotool windowfocus --sync "$1"
}
shot() { command -v import > /dev/null && import -window root "${VT350_SHOTS:-$work}/$1.png"; }
# Two busy loops for the whole run, bounded by it.
for _ in 1 2; do
    "${pin[@]}" sh -c 'while :; do :; done' &
    pids+=($!)
done
# hold SECONDS: Return down that long, as a finger on the key.
hold() {
    xdotool keydown Return
    sleep "$1"
    xdotool keyup Return
}

run_window
# GetConfig, until it was read: the set to store (a click on a window still coming up on a
# loaded machine may be lost).
has_read() { XDG_DATA_HOME=$data "$ctl" --demo history --json 2> /dev/null | grep -q '"read"'; }
for _ in $(seq 20); do
    click 600 284
    wait_for 3 has_read && break
done
has_read || { bad "GetConfig never read"; exit 1; }
before=$(stores)
click 164 156  # the continuous current box
sleep 0.5
hold 1.5
if wait_for 10 question_open; then ok "a held Return asks the store question"; else
    bad "no store question after a held Return"; fi
sleep 0.5
after=$(stores)
if [ "$after" -eq "$before" ]; then ok "1.5 s of held Return stored nothing"; else
    bad "1.5 s of held Return stored $((after - before)) times"; fi
# A new press answers: one store. The box has the focus (a window manager gives it;
# without one the key goes to the window under the pointer).
focus_on "$(question_open | head -1)"
xdotool key Return
wait_for 20 sh -c "[ \$(XDG_DATA_HOME=$data $ctl --demo history --json 2> /dev/null | grep -c '\"stored\"') -gt $after ]"
one=$(stores)
if [ "$one" -eq $((after + 1)) ]; then ok "a new press of Return stores once"; else
    shot new-press; bad "a new press of Return stored $((one - after)) times"; fi
# Return pressed again and held: the question comes once more, nothing more is stored.
hold 1.5
sleep 0.5
if [ "$(stores)" -eq "$one" ]; then ok "Return held after a store stores nothing more"; else
    bad "Return held after a store stored $(($(stores) - one)) times"; fi
question_open > /dev/null && { xdotool key Escape; wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Message$"'; }
kill "$window"
wait "$window" 2> /dev/null

# The list of controllers at start on a bench of three, and Return held: it takes no
# controller after the one the person chose, and stores nothing.
run_window --demo-behaviour hub=3
wait_for 20 xdotool search --onlyvisible --name '^Choose a controller$' || bad "no list at start"
before=$(stores)
title=$(xdotool getwindowname "$(win)")
focus_on "$(xdotool search --onlyvisible --name '^Choose a controller$' | head -1)"
hold 1.5
sleep 0.5
if [ "$(stores)" -eq "$before" ]; then ok "Return held in the list stored nothing"; else
    bad "Return held in the list stored $(($(stores) - before)) times"; fi
echo "window: $title -> $(xdotool getwindowname "$(win)")"
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
