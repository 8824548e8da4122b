#!/usr/bin/env bash
# What a read costs natively with a used history: the instructions of `vt350ctl --demo read`
# (callgrind counts instructions, so the figure does not move with the machine's load) with
# 0, 1,000 and 10,000 entries kept, each after a read that made the history's log as a
# command leaves it. Goal: flat.
#   bench/read_cost.sh
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
command -v valgrind > /dev/null || { echo "valgrind is needed"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in 0 1000 10000; do
    export XDG_DATA_HOME=$work/$n
    "$BUILD/bench/vt350-bench-fill-history" "$XDG_DATA_HOME/vt350-config/demo-history" "$n"
    "$BUILD/src/vt350ctl" -q --demo read > /dev/null  # as a used machine has it
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.$n" \
        "$BUILD/src/vt350ctl" -q --demo read > /dev/null 2> "$work/log.$n"
    total=$(grep -m1 '^summary:' "$work/cg.$n" | awk '{print $2}')
    awk -v n="$n" -v t="$total" 'BEGIN {printf "entries %5d  vt350ctl --demo read  %.2f M instructions\n", n, t / 1e6}'
done
