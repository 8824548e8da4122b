#!/usr/bin/env bash
# What the shared record costs a bench: the wall time of `vt350ctl --demo read` (its entry
# kept and, with a server, sent) with no server set, with one reachable and with one away
# (median of 21 each); and how long 10,000 entries of two benches take to sync. The server is
# the tests' own (tests/server/postgres.sh) on this machine.
#   bench/shared_record.sh
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
ctl=$PWD/$BUILD/src/vt350ctl
work=$(mktemp -d)
chmod 755 "$work"  # the server runs as another user where this is root
trap 'tests/server/postgres.sh stop "$work/pg" > /dev/null 2>&1 || true; rm -rf "$work"' EXIT
tests/server/postgres.sh start "$work/pg"
VT350_HISTORY_SERVER=$(cat "$work/pg/conninfo") "$ctl" -q history server-init > /dev/null
psql -q "$(cat "$work/pg/conninfo")" -c "GRANT vt350_bench TO bench"
bench=$(cat "$work/pg/bench-conninfo")

ms() { echo $(( $(date +%s%N) / 1000000 )); }
median_read() {  # median_read SERVER -> ms of one read, median of 21
    local times=()
    export XDG_DATA_HOME=$work/home
    "$ctl" -q --demo read > /dev/null 2>&1
    for _ in $(seq 21); do
        local s; s=$(ms)
        VT350_HISTORY_SERVER=$1 "$ctl" -q --demo read > /dev/null 2>&1
        times+=($(( $(ms) - s )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 11p
}
none=$(median_read "")
reachable=$(median_read "$bench")
tests/server/postgres.sh halt "$work/pg"
away=$(median_read "$bench")
tests/server/postgres.sh resume "$work/pg"
echo "read, no shared record        $none ms"
echo "read, shared record reachable $reachable ms (+$(( reachable - none )) ms)"
echo "read, shared record away      $away ms (+$(( away - none )) ms; the entries wait)"

for b in A B; do
    "$BUILD/bench/vt350-bench-fill-history" "$work/$b/vt350-config/history" 5000
done
s=$(ms)
for b in A B; do
    XDG_DATA_HOME=$work/$b VT350_HISTORY_SERVER=$bench "$ctl" -q --bench "$b" history sync
done
echo "sync of 10,000 entries of two benches: $(( $(ms) - s )) ms"
