#!/usr/bin/env bash
# vt350ctl read against the least possible hidapi exchange (bench/least_exchange.cpp:
# enumerate, open, request, reply, close), both through the real kernel's USB and HID stack in
# the shared rig's emulated machine, with the virtual controller on the USB gadget, and with
# 0, 1,000 and 10,000 entries in the history. The machine is timed by its instruction count
# (--icount), so the figures do not move with this machine's load. Prints milliseconds per
# read, ten of each per round, alternating, and the ratio. Needs root, as the rig does.
#   bench/kernel_read.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
rounds=${1:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
adds=()
for n in 0 1000 10000; do
    "$BUILD/bench/vt350-bench-fill-history" "$work/h$n" "$n"
    adds+=(--add "$work/h$n/history.db=/tmp/h$n/vt350-config/history/history.db")
done
cat > "$work/guest.sh" <<'GUEST'
#!/bin/sh
now() { cut -d' ' -f1 /proc/uptime | tr -d .; }  # centiseconds
ten() { s=$(now); for i in 1 2 3 4 5 6 7 8 9 10; do "$@" > /dev/null || exit 1; done; echo $(($(now) - s)); }
for n in 0 1000 10000; do
    export XDG_DATA_HOME=/tmp/h$n
    /bin/vt350ctl -q read > /dev/null  # as a used machine has it
    for r in $(seq ROUNDS); do
        least=$(ten /bin/vt350-bench-least)
        tool=$(ten /bin/vt350ctl -q read)
        awk -v n="$n" -v l="$least" -v t="$tool" 'BEGIN {printf "entries %5d  least %.0f ms  vt350ctl read %.0f ms  ratio %.2f\n", n, l, t, t / l}'
    done
done
GUEST
sed -i "s/ROUNDS/$rounds/" "$work/guest.sh"
chmod +x "$work/guest.sh"
bash ../shared/tools/usb-gadget-vm/rig.sh --icount "${adds[@]}" --add "$BUILD/src/vt350-sim" \
    --add "$BUILD/src/vt350ctl" --add "$BUILD/bench/vt350-bench-least" \
    --add "$work/guest.sh=/bin/kernel_read_guest.sh" \
    --device "/bin/vt350-sim --hidg /dev/hidg0" --run /bin/kernel_read_guest.sh --timeout 900 |
    grep '^entries'
