#!/bin/sh
# Runs inside the emulated machine: vt350ctl against vt350-sim on the real gadget.
fail=0
check() {  # check DESCRIPTION EXPECTED-STATUS COMMAND...
    what=$1; want=$2; shift 2
    "$@" > /tmp/out 2>&1; got=$?
    if [ "$got" -eq "$want" ]; then echo "ok   $what"; else
        echo "FAIL $what (exit $got, wanted $want)"; cat /tmp/out; fail=$((fail + 1)); fi
}
check "list" 0 /bin/vt350ctl list
grep -q "0001      0001:0001  0200     0001        /dev/hidraw0  <- VT-350 controller, taken" /tmp/out ||
    { echo "FAIL list marks /dev/hidraw0"; cat /tmp/out; fail=$((fail + 1)); }
check "read --json" 0 /bin/vt350ctl read --json
cp /tmp/out /tmp/set.json
grep -q '"continuous_current_a": 15' /tmp/set.json || { echo "FAIL read values"; fail=$((fail + 1)); }
sed 's/"peak_current_a": 30/"peak_current_a": 42/' /tmp/set.json > /tmp/new.json
check "import" 0 /bin/vt350ctl import /tmp/new.json -o /tmp/new.qkf
check "write --yes --verify" 0 /bin/vt350ctl write /tmp/new.qkf --yes --verify
check "diff against the device" 0 /bin/vt350ctl diff /tmp/new.qkf device
check "reset" 0 /bin/vt350ctl reset --yes
check "diff after reset differs" 1 /bin/vt350ctl diff /tmp/new.qkf device
echo > "$RIG_UDC_FILE"
sleep 1
check "read with the device unbound" 3 /bin/vt350ctl read --timeout 1
echo "$RIG_UDC" > "$RIG_UDC_FILE"
i=0; while [ ! -e /dev/hidraw0 ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
sleep 0.5
check "read after the replug" 0 /bin/vt350ctl read
# The workshop line without a udev daemon: two controllers, an unplug and replug between.
/bin/vt350ctl provision /tmp/new.qkf --yes --count 2 --log /tmp/line.jsonl > /tmp/line 2>&1 &
line=$!
i=0; while [ ! -s /tmp/line.jsonl ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
echo > "$RIG_UDC_FILE"; sleep 1; echo "$RIG_UDC" > "$RIG_UDC_FILE"
wait $line; got=$?
if [ $got -eq 0 ] && [ "$(grep -c '"outcome":"programmed"' /tmp/line.jsonl)" -eq 2 ]; then
    echo "ok   provision over an unplug and replug"
else
    echo "FAIL provision (exit $got)"; cat /tmp/line /tmp/line.jsonl; fail=$((fail + 1))
fi
echo "$((11 - fail)) passed, $fail failed"
exit $fail
