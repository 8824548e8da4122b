#!/usr/bin/env bash
# vt350ctl read against the least possible hidapi exchange (bench/least_exchange.cpp), both
# through the real kernel's USB and HID stack in the shared rig's emulated machine, with the
# virtual controller on the USB gadget. Prints milliseconds per read, rounds of 10 each,
# alternating, and the ratio (target <= 1.3). Needs root, as the rig does.
#   bench/kernel_read.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
rounds=${1:-3}
guest=$(mktemp)
trap 'rm -f "$guest"' EXIT
cat > "$guest" <<'GUEST'
#!/bin/sh
export XDG_DATA_HOME=/tmp/data
now() { cut -d' ' -f1 /proc/uptime | tr -d .; }  # centiseconds
ten() { s=$(now); for i in 1 2 3 4 5 6 7 8 9 10; do "$@" > /dev/null || exit 1; done; echo $(($(now) - s)); }
/bin/vt350ctl -q read > /dev/null  # the history's database made once, as on a used machine
for r in $(seq ROUNDS); do
    least=$(ten /bin/vt350-bench-least /dev/hidraw0)
    tool=$(ten /bin/vt350ctl -q read)
    awk -v l="$least" -v t="$tool" 'BEGIN {printf "round  least %.0f ms  vt350ctl read %.0f ms  ratio %.2f\n", l, t, t / l}'
done
GUEST
sed -i "s/ROUNDS/$rounds/" "$guest"
chmod +x "$guest"
bash ../shared/tools/usb-gadget-vm/rig.sh --add "$BUILD/src/vt350-sim" --add "$BUILD/src/vt350ctl" \
    --add "$BUILD/bench/vt350-bench-least" --add "$guest=/bin/kernel_read_guest.sh" \
    --device "/bin/vt350-sim --hidg /dev/hidg0" --run /bin/kernel_read_guest.sh --timeout 300 |
    grep '^round'
