#!/bin/sh
# Hundreds of bulbs answering one discovery at once: the whole program on a real X server with
# a tray, as client with one address on a LAN whose bulbs all sit behind a veth pair in a
# nested network namespace (tests/netns/bulb-lan.sh). One click on the tray icon; every bulb
# must then be stored, without a reply dropped by the kernel, and stay stored after SIGTERM.
# While the scan runs, a probe pings the program's window and reports the longest wait of its
# user-interface thread (a figure, not a check), next to the same figure for the idle program
# just before (what the machine's load alone costs), with the socket's receive buffer.
#
#   run-burst.sh path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_stall_probe [COUNT]
#
# COUNT is 250 unless given. With GLOWDECK_BURST_DETAIL=1 it also lists every slow answer,
# timed from the probe's start (the click comes 0.3 s in). Without a namespace it prints
# SKIPPED and exits 77 (1 when GLOWDECK_REQUIRE_NETNS=1).
set -eu

if [ $# -lt 3 ]; then
    echo "usage: $0 path/to/glowdeck path/to/glowdeck-sim path/to/glowdeck_stall_probe [COUNT]" >&2
    exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
app=$1
sim=$2
probe=$3
count=${4:-250}

. "$here/../netns/fake-lan.sh"
. "$here/../netns/bulb-lan.sh"
. "$here/session-lib.sh"

for tool in Xvfb xdotool trayer xcompmgr xwininfo xdpyinfo ss; do
    command -v "$tool" >/dev/null 2>&1 || glowdeck_netns_skip "$tool is not installed"
done

glowdeck_netns_enter "$here/run-burst.sh" "$@"
glowdeck_netns_require_fresh

session_init
trap 'glowdeck_bulb_lan_down; session_cleanup' EXIT
glowdeck_bulb_lan_up "$sim" "$count" 60 "$SESSION_DIR/sim.log"
session_display
session_tray

GLOWDECK_TRACE_STARTUP=1 session_start app "$app"
session_wait 100 grep -q "idle at" "$SESSION_DIR/app.log" ||
    { echo "the program did not start"; cat "$SESSION_DIR/app.log"; exit 1; }
icon=""
find_icon() {
    icon=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | head -n 1)
    [ -n "$icon" ]
}
session_wait 100 find_icon || { echo "no tray icon"; exit 1; }
session_geometry "$icon"

conf="$XDG_CONFIG_HOME/Glowdeck/Glowdeck.conf"
stored() { grep -o '10\.77\.[0-9]*\.[0-9]*' "$conf" 2>/dev/null | sort -u | wc -l; }
drops() { awk '/^Udp:/ { if (n++) print $6 }' /proc/net/snmp; }
before=$(drops)

# What this machine's load alone costs: the program idle, before the click.
"$probe" "$icon" 2 >"$SESSION_DIR/idle.log" 2>/dev/null || true
# The probe watches the scan from just before the click to its end.
"$probe" "$icon" 4.5 >"$SESSION_DIR/stall.log" 2>"$SESSION_DIR/slow.log" &
probe_pid=$!
sleep 0.2
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.1 click 1
all_stored() { [ "$(stored)" -eq "$count" ]; }
session_wait 60 all_stored || true
wait "$probe_pid" || true

found=$(stored)
buffer=$(ss -u -a -n -m 2>/dev/null | grep -A 1 '0\.0\.0\.0:' | grep -o 'rb[0-9]*' | head -n 1)
echo "bulbs stored after one discovery: $found of $count"
dropped=$(($(drops) - before))
echo "receive buffer: ${buffer#rb} bytes; datagrams dropped for want of room: $dropped"
echo "user-interface thread, idle for 2 s before: $(cat "$SESSION_DIR/idle.log")"
echo "user-interface thread during the scan: $(cat "$SESSION_DIR/stall.log")"
[ "${GLOWDECK_BURST_DETAIL:-}" = 1 ] && sed 's/^/  slow answer: /' "$SESSION_DIR/slow.log"

kill -TERM "$SESSION_PID_app"
ended() { ! kill -0 "$SESSION_PID_app" 2>/dev/null; }
session_wait 50 ended || true
status=0
wait "$SESSION_PID_app" || status=$?
after=$(stored)

failed=0
[ "$found" -eq "$count" ] || { echo "FAILED: $found of $count bulbs stored"; failed=1; }
# Each bulb answers twice; losing replies loses bulbs as soon as both of one bulb's are lost.
[ "$dropped" -eq 0 ] || { echo "FAILED: $dropped replies dropped"; failed=1; }
[ "$status" -eq 0 ] || { echo "FAILED: exit status $status after SIGTERM"; failed=1; }
[ "$after" -eq "$count" ] || { echo "FAILED: $after bulbs stored after SIGTERM"; failed=1; }
[ "$failed" -eq 0 ] && echo "ok: all $count bulbs stored"
exit "$failed"
