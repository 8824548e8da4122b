#!/bin/sh
# Runs inside the emulated machine, on a disk that keeps only what was flushed.
#   power_cut_in_guest.sh cut     a read and a store, then the power cut at once
#   power_cut_in_guest.sh check   what the history holds after it
set -u
mkdir -p /mnt && mount -t ext4 /dev/vda /mnt || { echo "FAIL mount /dev/vda"; exit 1; }
export XDG_DATA_HOME=/mnt/data
history=/mnt/data/vt350-config/history
case "$1" in
    cut)
        /bin/vt350ctl -q read --json > /tmp/set.json || { echo "FAIL read"; exit 1; }
        sed 's/"peak_current_a": 30/"peak_current_a": 42/' /tmp/set.json > /tmp/new.json
        /bin/vt350ctl import /tmp/new.json -o /tmp/new.qkf || { echo "FAIL import"; exit 1; }
        /bin/vt350ctl -q write /tmp/new.qkf --yes || { echo "FAIL write"; exit 1; }
        echo "both said done; the power goes"
        echo 1 > /proc/sys/kernel/sysrq
        echo b > /proc/sysrq-trigger
        ;;
    check)
        fail=0
        /bin/vt350ctl history --json > /tmp/list.json 2>&1 || { echo "FAIL history"; cat /tmp/list.json; exit 1; }
        for event in read stored; do
            if grep -q "\"event\": \"$event\"" /tmp/list.json; then echo "ok   the $event entry is there"
            else echo "FAIL the $event entry is lost"; fail=$((fail + 1)); fi
        done
        grep -q '"set": "0f2a' /tmp/list.json && echo "ok   the stored set is the one written" ||
            { echo "FAIL the stored set"; fail=$((fail + 1)); }
        for kind in read stored; do
            copy=$(ls "$history" | grep -- "-$kind.qkf$" | head -1)
            size=0
            [ -n "$copy" ] && size=$(wc -c < "$history/$copy")
            if [ -n "$copy" ] && [ "$size" -eq 15 ]; then echo "ok   the $kind copy holds its 15 bytes"
            else echo "FAIL the $kind copy ($copy, $size bytes)"; fail=$((fail + 1)); fi
        done
        [ $fail -ne 0 ] && cat /tmp/list.json
        umount /mnt
        exit $fail
        ;;
esac
exit 2
