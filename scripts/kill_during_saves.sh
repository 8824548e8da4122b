#!/usr/bin/env bash
# Kills a program that keeps saving one parameter file with SIGKILL at random moments and
# checks each time that the file holds one whole parameter set, never a mixture or less.
#   scripts/kill_during_saves.sh BUILD_DIR [ROUNDS]     (default 1000 rounds)
set -euo pipefail
build=${1:?usage: kill_during_saves.sh BUILD_DIR [ROUNDS]}
rounds=${2:-1000}
loop="$build/tests/vt350-save-loop"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/set.qkf"
a=$(printf '11%.0s' $(seq 15))
b=$(printf '22%.0s' $(seq 15))
# The first set must be in place before the kills start, however slow the machine is.
"$loop" "$file" & pid=$!
for ((t = 0; t < 3000; t++)); do [ -s "$file" ] && break; sleep 0.01; done
kill -9 $pid; wait $pid 2>/dev/null || true
[ -s "$file" ] || { echo "kill during saves: the first save never finished" >&2; exit 1; }
bad=0
for ((i = 1; i <= rounds; i++)); do
    "$loop" "$file" &
    pid=$!
    sleep "0.00$((RANDOM % 10))$((RANDOM % 10))"
    kill -9 $pid
    wait $pid 2>/dev/null || true
    got=$(od -An -v -tx1 "$file" | tr -d ' \n')
    if [ "$got" != "$a" ] && [ "$got" != "$b" ]; then
        echo "round $i: the file holds $got" >&2
        bad=$((bad + 1))
    fi
done
# A kill between creating and renaming the temporary file leaves it behind: hidden, of the
# save's own shape, and nothing else; once it is old, the next save sweeps it.
strays=$(ls -A "$dir" | grep -v -x -e 'set\.qkf' -e '\.set\.qkf\.vt350-[A-Za-z0-9]\{6\}' || true)
if [ -n "$strays" ]; then
    echo "kill during saves: left behind:" $strays >&2
    bad=$((bad + 1))
fi
left=$(ls -A "$dir" | grep -c '^\.set\.qkf\.vt350-' || true)
if [ "$left" -gt 0 ]; then
    touch -d '-2 minutes' "$dir"/.set.qkf.vt350-*
    "$loop" "$file" &
    pid=$!
    for ((t = 0; t < 3000; t++)); do
        [ -z "$(find "$dir" -name '.set.qkf.vt350-*' -mmin +1)" ] && break
        sleep 0.01
    done
    kill -9 $pid
    wait $pid 2>/dev/null || true
    if [ -n "$(find "$dir" -name '.set.qkf.vt350-*' -mmin +1)" ]; then
        echo "kill during saves: the next save left the old temporaries" >&2
        bad=$((bad + 1))
    fi
fi
echo "kill during saves: $((rounds - bad)) passed, $bad failed; $left temporaries left by kills, swept"
[ $bad -eq 0 ]
