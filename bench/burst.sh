#!/bin/sh
# The program through a discovery that 250 bulbs answer at once, several times: how many bulbs
# each run stored, and the longest wait of the user-interface thread during the scan, next to
# the same figure for the idle program just before it, which is what the machine's load alone
# costs (tests/session/run-burst.sh runs each one in a network namespace of its own).
#
#   bench/burst.sh BUILD_DIR [RUNS] [COUNT]      # e.g. bench/burst.sh build-release 5
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [RUNS] [COUNT]" >&2
    exit 2
fi
build=$1
runs=${2:-5}
count=${3:-250}
here=$(cd "$(dirname "$0")" && pwd)
[ "$runs" -ge 1 ] && [ "$runs" -le 50 ] || { echo "RUNS must be 1 to 50" >&2; exit 2; }

complete=0
stalls=""
idles=""
run=1
while [ "$run" -le "$runs" ]; do
    out=$("$here/../tests/session/run-burst.sh" "$build/src/shell/glowdeck" \
        "$build/tools/simulator/glowdeck-sim" "$build/tests/shell/glowdeck_stall_probe" \
        "$count" 2>&1) || true
    stored=$(echo "$out" | sed -n 's/^bulbs stored after one discovery: \([0-9]*\) of.*/\1/p')
    stall=$(echo "$out" | sed -n 's/.*during the scan: worst stall \([0-9.]*\) ms.*/\1/p')
    idle=$(echo "$out" | sed -n 's/.*idle for 2 s before: worst stall \([0-9.]*\) ms.*/\1/p')
    dropped=$(echo "$out" | sed -n 's/.*dropped for want of room: \([0-9]*\).*/\1/p')
    [ -n "$stall" ] && [ -n "$idle" ] || { echo "$out"; exit 1; }
    echo "run $run: $stored of $count stored, $dropped dropped; worst stall $stall ms during" \
        "the scan, $idle ms idle"
    [ "${stored:-0}" -eq "$count" ] && complete=$((complete + 1))
    stalls="$stalls $stall"
    idles="$idles $idle"
    run=$((run + 1))
done
summary() {
    echo "$1" | tr ' ' '\n' | grep . | sort -n |
        awk '{ v[NR] = $1 } END { printf "median %s ms, worst %s ms", v[int((NR + 1) / 2)], v[NR] }'
}
echo "all $count bulbs stored in $complete of $runs runs"
echo "worst stall during the scan: $(summary "$stalls"); idle: $(summary "$idles")"
