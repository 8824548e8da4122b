#!/bin/sh
# Runs inside the emulated machine as root, with a udev daemon as on a desktop:
#   plug_in_guest.sh rule|norule|flood|provision|swap|search
# rule:   the project's udev rule; an ordinary user in the group plugdev watches 20
#         plug-ins and must open each at once, without a message.
# norule: no rule; the same user must be told once per plug-in that it cannot open.
# flood:  thousands of unrelated uevents while the user's program reads none, across an
#         unplug and replug; its next GetConfig must work by itself.
# provision: the same user runs the workshop line over eight plug-ins, each next one
#         plugged in a moment after the last was logged, while the rule may still be at
#         work on its node; the log and the backups must show eight controllers
#         programmed (none skipped), each one's previous set kept.
# search: no rule; the same user searches without pause while the controller is unplugged
#         and replugged quickly, 40 times: the search must never crash.
# swap:   the workshop line is held busy (SIGSTOP) while its controller is unplugged and
#         the next plugged in, so that the removal and the arrival reach it together;
#         each of three controllers must still get its line.
mode=$1
printf 'root:x:0:0::/root:/bin/sh\ntech:x:1000:1000::/tmp:/bin/sh\n' > /etc/passwd
printf 'root:x:0:\nplugdev:x:46:tech\ntech:x:1000:\n' > /etc/group
mkdir -p /etc/udev/rules.d /run/udev
[ "$mode" = norule ] || [ "$mode" = search ] || cp /etc/vt350/70-vt350.rules /etc/udev/rules.d/
/bin/systemd-udevd --daemon || { echo "udevd did not start"; exit 1; }
i=0; while [ ! -e /run/udev/control ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
# The node that was there before the daemon gets the rule applied now.
/bin/udevadm trigger --action=add --subsystem-match=hidraw
/bin/udevadm settle
ls -l /dev/hidraw0
as_user() { /bin/setpriv --reuid=1000 --regid=1000 --groups=46 "$@"; }
replug() {  # replug [SECONDS unplugged, default 1]
    echo > "$RIG_UDC_FILE"; sleep "${1:-1}"
    echo "$RIG_UDC" > "$RIG_UDC_FILE"
    i=0; while [ ! -e /dev/hidraw0 ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
}
log_lines() { cat /tmp/log.jsonl 2>/dev/null | wc -l; }
wait_for_log_line() {
    i=0; while [ "$(log_lines)" -lt "$1" ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i + 1)); done
}
# 15 A continuous, 42 A peak, the rest as the factory set.
printf '\017\052\207\156\031\001\000\000\001\000\200\000\000\000\000' > /tmp/shop.qkf
case "$mode" in
    rule|norule)
        expect=--expect-open; [ "$mode" = norule ] && expect=--expect-refused
        as_user /bin/vt350-plugtest watch $expect & pid=$!
        sleep 1
        n=0; while [ $n -lt 20 ]; do replug; sleep 1.5; n=$((n + 1)); done
        touch /tmp/plug-done
        wait $pid; rc=$?
        ;;
    search)
        as_user /bin/vt350-plugtest search & pid=$!
        n=0
        while [ $n -lt 40 ]; do
            echo > "$RIG_UDC_FILE"; sleep 0.3
            echo "$RIG_UDC" > "$RIG_UDC_FILE"; sleep 0.5
            n=$((n + 1))
        done
        touch /tmp/plug-done
        wait $pid; rc=$?
        ;;
    flood)
        as_user /bin/vt350-plugtest flood & pid=$!
        i=0; while [ ! -e /tmp/flood-ready ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i + 1)); done
        n=0; while [ $n -lt 3000 ]; do echo change > /sys/class/hidraw/hidraw0/uevent; n=$((n + 1)); done
        replug
        # udevd in the emulated machine may take minutes for 3000 events on a loaded host.
        /bin/udevadm settle --timeout=180
        sleep 1
        touch /tmp/flood-done
        wait $pid; rc=$?
        ;;
    provision)
        # A busy system's udev: half a second over its rules before the node is given to
        # the group, so that a look at what is plugged in meanwhile finds a node it may
        # not open yet.
        printf 'SUBSYSTEM=="hidraw", PROGRAM="/bin/sleep 0.5"\n' > /etc/udev/rules.d/60-slow.rules
        /bin/udevadm control --reload
        as_user /bin/vt350ctl provision /tmp/shop.qkf --yes --count 8 --backup-dir /tmp/b \
            --log /tmp/log.jsonl & pid=$!
        n=1
        while [ $n -le 8 ]; do
            wait_for_log_line $n
            [ $n -lt 8 ] && replug 0.2
            n=$((n + 1))
        done
        wait $pid; rc=$?
        cat /tmp/log.jsonl
        programmed=$(grep -c '"outcome":"programmed"' /tmp/log.jsonl)
        backups=$(ls /tmp/b | wc -l)
        first=$(od -An -tx1 /tmp/b/0001-* | tr -d ' \n')
        second=$(od -An -tx1 /tmp/b/0002-* | tr -d ' \n')
        echo "exit $rc, programmed $programmed, backups $backups"
        echo "first backup $first, second $second"
        [ $rc -eq 0 ] && [ "$programmed" -eq 8 ] && [ "$backups" -eq 8 ] &&
            [ "$first" = 0f1e876e1901000001008000000000 ] || rc=1
        [ "$second" = 0f2a876e1901000001008000000000 ] || rc=1
        ;;
    swap)
        # Not through the shell function: $! must be the line itself, not a subshell.
        /bin/setpriv --reuid=1000 --regid=1000 --groups=46 \
            /bin/vt350ctl provision /tmp/shop.qkf --yes --count 3 --log /tmp/log.jsonl &
        pid=$!
        # watch, held busy the same way, must print both changes of each swap.
        /bin/setpriv --reuid=1000 --regid=1000 --groups=46 \
            /bin/vt350ctl watch --json --count 4 > /tmp/watch.jsonl &
        watch=$!
        n=1
        while [ $n -le 3 ]; do
            wait_for_log_line $n
            if [ $n -lt 3 ]; then
                kill -STOP $pid $watch
                replug
                /bin/udevadm settle --timeout=180
                kill -CONT $pid $watch
            fi
            n=$((n + 1))
        done
        # A line that missed a controller waits for ever: end it.
        i=0; while kill -0 $pid 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
        kill $pid $watch 2>/dev/null
        wait $pid; rc=$?
        cat /tmp/log.jsonl /tmp/watch.jsonl
        programmed=$(grep -c '"outcome":"programmed"' /tmp/log.jsonl)
        changes=$(grep -o '"event":"[a-z]*"' /tmp/watch.jsonl | tr -d '\n')
        echo "exit $rc, programmed $programmed, watch saw $changes"
        [ $rc -eq 0 ] && [ "$programmed" -eq 3 ] || rc=1
        [ "$changes" = '"event":"removal""event":"arrival""event":"removal""event":"arrival"' ] ||
            rc=1
        ;;
esac
if [ $rc -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $rc
