#!/bin/sh
# Runs inside the emulated machine: four controllers of one make (all serial 0001), each on
# a USB port of its own, served by four vt350-sim. Choosing one by port, and the workshop
# line on the hub: every one programmed once, and after a replug exactly the one that
# arrived.
export XDG_DATA_HOME=/tmp/data
fail=0 passed=0
ok() { echo "ok   $1"; passed=$((passed + 1)); }
bad() { echo "FAIL $1"; fail=$((fail + 1)); }
now_cs() { cut -d' ' -f1 /proc/uptime | tr -d .; }  # centiseconds since boot
# Gadget n's port: the USB device on dummy_hcd.(n-1)'s bus, "B-1".
port_of() { basename "$(ls -d /sys/devices/platform/dummy_hcd.$(($1 - 1))/usb*/*-1)"; }
unplug() { echo > /sys/kernel/config/usb_gadget/g$1/UDC; }
plug() { echo "dummy_udc.$(($1 - 1))" > /sys/kernel/config/usb_gadget/g$1/UDC; }
lines() { n=$(grep -c '"outcome"' "$1" 2> /dev/null); echo "${n:-0}"; }
wait_lines() {  # wait_lines FILE N: at most 60 s
    i=0; while [ "$(lines "$1")" -lt "$2" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i + 1)); done
}

P1=$(port_of 1) P2=$(port_of 2) P3=$(port_of 3) P4=$(port_of 4)
/bin/vt350ctl list > /tmp/list 2>&1
found=$(grep -c "<- VT-350 controller" /tmp/list)
if [ "$found" -eq 4 ] && grep -q "^$P3 .*0001 " /tmp/list; then ok "list shows four ports"; else
    bad "list shows four ports ($P1 $P2 $P3 $P4)"; cat /tmp/list; fi

/bin/vt350ctl read -o /tmp/factory.qkf > /tmp/out 2>&1; got=$?
if [ $got -eq 2 ] && grep -q "4 controllers are plugged in (.*$P4.*): choose one with --port" /tmp/out
then ok "a bare command refuses and names the ports"; else
    bad "a bare command (exit $got)"; cat /tmp/out; fi

# A set of 20 A into the second controller only.
/bin/vt350ctl --port "$P1" -q read -o /tmp/factory.qkf
cp /tmp/factory.qkf /tmp/20a.qkf
printf '\024' | dd of=/tmp/20a.qkf bs=1 count=1 conv=notrunc 2> /dev/null
if /bin/vt350ctl --port "$P2" -q write /tmp/20a.qkf --yes --verify; then
    changed=""
    for p in $P1 $P2 $P3 $P4; do
        /bin/vt350ctl --port "$p" -q diff /tmp/20a.qkf device > /dev/null && changed="$changed $p"
    done
    if [ "$changed" = " $P2" ]; then ok "write --port changes only that controller"; else
        bad "write --port changed:$changed (wanted $P2)"; fi
else
    bad "write --port $P2"
fi

# The line on the hub: four programmed one after another.
printf '\031' | dd of=/tmp/factory.qkf bs=1 count=1 conv=notrunc 2> /dev/null  # 25 A
start=$(now_cs)
/bin/vt350ctl provision /tmp/factory.qkf --yes --count 5 --log /tmp/line.jsonl > /tmp/line 2>&1 &
line=$!
wait_lines /tmp/line.jsonl 4
serial_cs=$(($(now_cs) - start))
taken=$(grep -o '"port":"[^"]*"' /tmp/line.jsonl | sort | tr -d '\n')
want=$(for p in $P1 $P2 $P3 $P4; do echo "\"port\":\"$p\""; done | sort | tr -d '\n')
if [ "$(grep -c '"outcome":"programmed"' /tmp/line.jsonl)" -eq 4 ] && [ "$taken" = "$want" ]
then ok "provision programs all four"; else bad "provision programs all four"; cat /tmp/line; fi
# The second stays out; the third is pulled and plugged back in: only it is taken.
unplug 2
unplug 3
i=0; while [ "$(ls /dev/hidraw* | wc -l)" -gt 2 ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
plug 3
wait_lines /tmp/line.jsonl 5
# A line that missed the controller would wait for ever: end it.
i=0; while kill -0 $line 2> /dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
kill $line 2> /dev/null
wait $line; got=$?
fifth=$(sed -n 5p /tmp/line.jsonl | grep -o '"port":"[^"]*"')
if [ $got -eq 0 ] && [ "$fifth" = "\"port\":\"$P3\"" ]; then
    ok "after a replug exactly the one that arrived"; else
    bad "after a replug (exit $got, fifth $fifth, wanted $P3)"; cat /tmp/line; fi
plug 2
i=0; while [ "$(ls /dev/hidraw* | wc -l)" -lt 4 ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
sleep 0.5

# Side by side: a line for each port, all at once.
start=$(now_cs)
pids=""
for p in $P1 $P2 $P3 $P4; do
    /bin/vt350ctl --port "$p" provision /tmp/20a.qkf --yes --count 1 --log /tmp/side.jsonl \
        > /dev/null 2>&1 &
    pids="$pids $!"
done
wait_lines /tmp/side.jsonl 4
kill $pids 2> /dev/null
wait
side_cs=$(($(now_cs) - start))
if [ "$(grep -c '"outcome":"programmed"' /tmp/side.jsonl)" -eq 4 ]; then
    ok "four lines side by side, one port each"; else bad "four lines side by side"; fi
echo "one line, one after another: $((serial_cs * 10)) ms for 4 controllers"
echo "four lines side by side:     $((side_cs * 10)) ms for 4 controllers"

# The history names each controller by its port.
/bin/vt350ctl history --json -n 100 > /tmp/history.json
for p in $P1 $P2 $P3 $P4; do
    grep -q "\"port\": \"$p\"" /tmp/history.json || { bad "history names $p"; continue; }
done
/bin/vt350ctl history --port "$P3" --json -n 100 > /tmp/p3.json
if [ "$(grep -c '"port": ' /tmp/p3.json)" -eq "$(grep -c "\"port\": \"$P3\"" /tmp/p3.json)" ] &&
    [ "$(grep -c "\"port\": \"$P3\"" /tmp/p3.json)" -ge 6 ]; then
    ok "history names the right ports"; else bad "history --port $P3"; cat /tmp/p3.json; fi
# Each program that opened a controller saw the same plug-in until it was pulled: the
# second and third were plugged in anew once each, the others never.
anew=""
for p in $P1 $P2 $P3 $P4; do
    /bin/vt350ctl history --port "$p" --json -n 100 > /tmp/port.json
    anew="$anew $(grep -c '"plugged_in_anew": true' /tmp/port.json)"
done
if [ "$anew" = " 0 1 1 0" ]; then ok "a replug starts a new line in the history"; else
    bad "plugged in anew per port:$anew (wanted 0 1 1 0)"; /bin/vt350ctl history; fi
echo "$passed passed, $fail failed"
exit $fail
