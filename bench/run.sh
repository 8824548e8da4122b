#!/usr/bin/env bash
# Performance figures of the window, printed (not checked): start-up time and peak memory
# beside a bare Qt window with as many widgets, idle CPU over 30 s with the controller absent
# and with a silent virtual controller, GetConfig-to-screen latency, and what a history
# entry and a listing cost with 10,000 entries kept.
#   bench/run.sh [IDLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
IDLE=${1:-30}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
[ -x "$BUILD/src/vt350-config" ] || ./build.sh build >/dev/null

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

startup() {  # startup PROGRAM ARGS... -> "shown_ms peak_kb" (median of 5)
    local shown=() peak=()
    for _ in 1 2 3 4 5; do
        out=$(VT350_REPORT_STARTUP=$(date +%s%N) "$@" 2>/dev/null)
        shown+=("$(awk '/^shown_ms/ {print $2}' <<<"$out")")
        peak+=("$(awk '/^peak_rss_kb/ {print $2}' <<<"$out")")
    done
    echo "$(printf '%s\n' "${shown[@]}" | median) $(printf '%s\n' "${peak[@]}" | median)"
}

idle_cpu() {  # idle_cpu PROGRAM ARGS... -> percent of one core over $IDLE seconds
    "$@" >/dev/null 2>&1 &
    local pid=$! tck
    tck=$(getconf CLK_TCK)
    sleep 2  # past start-up
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$IDLE"
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v a="$after" -v b="$before" -v t="$tck" -v s="$IDLE" \
        'BEGIN {printf "%.3f", 100 * (a - b) / t / s}'
}

read -r tool_ms tool_kb < <(startup "$BUILD/src/vt350-config" --demo)
read -r bare_ms bare_kb < <(startup "$BUILD/bench/vt350-bench-bare")
awk -v a="$tool_ms" -v b="$bare_ms" 'BEGIN {printf "startup_ms      tool %.1f  bare %.1f  ratio %.2f (target <= 1.3)\n", a, b, a / b}'
awk -v a="$tool_kb" -v b="$bare_kb" 'BEGIN {printf "peak_rss_kb     tool %d  bare %d  ratio %.2f (target <= 1.3)\n", a, b, a / b}'
echo "idle_cpu_pct    absent $(idle_cpu "$BUILD/src/vt350-config")  silent $(idle_cpu "$BUILD/src/vt350-config" --demo --demo-behaviour silent)  (target < 0.5, ${IDLE} s each)"
"$BUILD/bench/vt350-bench-latency" 15 | sed 's/^/latency         /'
echo "                (target <= 210 ms: one poll interval plus 10 ms)"
