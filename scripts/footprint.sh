#!/bin/sh
# Measures the program's footprint on a private X server with three simulated bulbs, inside a
# private network namespace this script makes (the program broadcasts once its panel opens),
# once on each kind of tray: an XEmbed tray (trayer), then a StatusNotifierItem tray (a minimal
# StatusNotifierWatcher on a session bus of the script's own; the panel is opened by calling the
# item's Activate, as a tray does on a click). For each:
#   - start-up: from exec to the event loop's first idle pass (the program's own trace) and to
#     the icon reaching the tray (embedded, or registered with the watcher), seen from outside;
#   - resident memory (VmRSS) idle with the panel hidden, and with the panel shown;
#   - system calls over 10 s with the panel hidden (strace -f -c), expected: none;
#   - with the panel shown and the bulbs known: system calls over a poll period, and how many
#     getPilot each bulb receives per 10 s poll period (from the simulator's request log).
#
#   scripts/footprint.sh path/to/glowdeck path/to/glowdeck-sim
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 path/to/glowdeck path/to/glowdeck-sim" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
app=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
sim=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
tests=$here/../tests

GLOWDECK_LAN_DEV=gdlan0
GLOWDECK_LAN_CLIENT=10.77.0.1
GLOWDECK_LAN_BULBS="10.77.0.11 10.77.0.12 10.77.0.13"
GLOWDECK_LAN_PREFIX=24
. "$tests/netns/fake-lan.sh"
. "$tests/session/session-lib.sh"

for tool in Xvfb xdotool trayer xcompmgr xwininfo xdpyinfo strace dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null 2>&1 || glowdeck_netns_skip "$tool is not installed"
done
/usr/bin/python3 -c 'import gi' 2>/dev/null || glowdeck_netns_skip "python3-gi is not installed"
glowdeck_netns_enter "$here/footprint.sh" "$app" "$sim"
glowdeck_netns_require_fresh
glowdeck_fake_lan_up

session_init
# Measured as users run it: without the panel log the session tests turn on.
unset QT_LOGGING_RULES
session_display
[ "$DBUS_SESSION_BUS_ADDRESS" != "disabled:" ] || { echo "no session bus" >&2; exit 1; }
session_start sim "$sim" $GLOWDECK_LAN_BULBS
simlog="$SESSION_DIR/sim.log"
session_wait 50 grep -q "listening" "$simlog"

rss() { awk '/^VmRSS/ { print $2 " " $3 }' "/proc/$1/status"; }
# System calls of process $1 and its threads over $2 seconds, as strace's summary.
syscalls() {
    timeout -s INT "$2" strace -f -c -q -p "$1" -o "$SESSION_DIR/strace.txt" 2>/dev/null || true
    if [ -s "$SESSION_DIR/strace.txt" ]; then
        cat "$SESSION_DIR/strace.txt"
    else
        echo "(no system calls)"
    fi
}
total_calls() {
    awk '$NF == "total" { n = $(NF - 2) } END { print n + 0 }' "$SESSION_DIR/strace.txt"
}
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

# The tray: trayer, or a StatusNotifierWatcher that logs each registration with its time.
icon=""
find_icon() {
    icon=$(xdotool search --onlyvisible --class glowdeck 2>/dev/null | head -n 1)
    [ -n "$icon" ]
}
start_tray() {
    case $1 in
    xembed)
        session_tray
        ;;
    sni)
        session_start watcher /usr/bin/python3 -u "$here/sni-watcher.py"
        session_wait 50 grep -q "watching" "$SESSION_DIR/watcher.log"
        ;;
    esac
}
icon_in_tray() {
    case $1 in
    xembed) find_icon ;;
    sni) grep -q "^registered " "$SESSION_DIR/watcher.log" ;;
    esac
}
open_panel() {
    case $1 in
    xembed)
        eval "$(xdotool getwindowgeometry --shell "$icon")"
        xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.1 click 1
        ;;
    sni)
        item=$(awk '/^registered / { print $2; exit }' "$SESSION_DIR/watcher.log")
        dbus-send --session --type=method_call --dest="$item" /StatusNotifierItem \
            org.kde.StatusNotifierItem.Activate int32:1200 int32:14
        ;;
    esac
}

measure() {
    kind=$1
    echo
    echo "======== $kind tray ========"
    start_tray "$kind"
    start=$(date +%s.%N)
    GLOWDECK_TRACE_STARTUP=1 session_start "app_$kind" "$app"
    eval "pid=\$SESSION_PID_app_$kind"
    applog="$SESSION_DIR/app_$kind.log"
    session_wait 100 grep -q "idle at" "$applog"
    idle=$(awk '/idle at/ { print $4; exit }' "$applog")
    session_wait 100 icon_in_tray "$kind"
    shown=$(date +%s.%N)
    echo "start-up to the first idle pass: $(elapsed "$start" "$idle") s"
    echo "start-up to the icon in the tray (polled every 0.1 s): $(elapsed "$start" "$shown") s"
    sleep 2
    echo "VmRSS idle, panel hidden: $(rss "$pid")"

    echo
    echo "== system calls over 10 s, panel hidden =="
    syscalls "$pid" 10
    echo "total: $(total_calls)"

    # Open the panel: discovery finds the bulbs, then polling runs every 10 s.
    open_panel "$kind"
    sleep 5
    echo
    echo "VmRSS, panel shown with 3 bulbs: $(rss "$pid")"

    before=$(wc -l <"$simlog")
    echo
    echo "== system calls over 30 s, panel shown, 3 bulbs known =="
    syscalls "$pid" 30
    echo "total: $(total_calls)"
    echo
    echo "== getPilot per bulb over those 30 s (3 poll periods) =="
    for bulb in $GLOWDECK_LAN_BULBS; do
        n=$(tail -n "+$((before + 1))" "$simlog" | grep '"method":"getPilot"' |
            grep -c "\"to\":\"$bulb\"" || true)
        echo "$bulb: $n getPilot, $(awk -v n="$n" 'BEGIN { printf "%.1f", n / 3 }') per poll period"
    done
    session_stop_pid "$pid"
}

measure xembed
session_stop_pid "$SESSION_PID_trayer"
measure sni
