#!/bin/sh
# How long `glowdeck toggle` takes from exec to its datagram on a bulb's socket, with a running
# Glowdeck (handed over on a private session bus) and without one, against `true` and a bare
# QCoreApplication program that sends one datagram: the median of 20 runs each, and ratios. A
# Python bulb on 127.0.0.2 answers; everything runs in a network namespace of its own with only
# lo up.
#
#   bench/verbs/verbs.sh BUILD_DIR [RUNS]
set -eu

build=$(cd "$1" && pwd)
runs=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
app=$build/src/shell/glowdeck
bare=$build/bench/verbs/glowdeck_bare_send

if [ "${GLOWDECK_IN_NETNS:-}" != 1 ]; then
    GLOWDECK_IN_NETNS=1 exec unshare -rn /bin/sh "$0" "$@"
fi
links=$(ip -o link show | awk -F': ' '{ print $2 }' | tr '\n' ' ')
[ "$links" = "lo " ] || { echo "REFUSED: interfaces $links" >&2; exit 1; }
ip link set lo up

if [ -z "${GLOWDECK_BENCH_BUS:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/config/Glowdeck" "$work/run"
    chmod 700 "$work/run"
    cat >"$work/config/Glowdeck/Glowdeck.conf" <<'CONF'
[General]
bulbs="@ByteArray([{\"ip\":\"127.0.0.2\",\"name\":\"Desk\"}])"
CONF
    export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    GLOWDECK_BENCH_BUS=1 GLOWDECK_BENCH_WORK="$work" \
        dbus-run-session -- /bin/sh "$0" "$@" 2>"$work/bus.log"
    exit
fi

# Without a running Glowdeck first (nobody owns the name yet), then with one.
python3 "$here/timing.py" "$runs" 127.0.0.2 -- "true=true" "bare QCoreApplication=$bare 127.0.0.2" \
    "glowdeck --version (start and exit)=$app --version" "toggle, no Glowdeck running=$app toggle desk" >"$GLOWDECK_BENCH_WORK/alone" 2>&1 &
timer=$!
wait "$timer" || { cat "$GLOWDECK_BENCH_WORK/alone" >&2; exit 1; }
QT_QPA_PLATFORM=offscreen "$app" >/dev/null 2>&1 &
instance=$!
trap 'kill "$instance" 2>/dev/null' EXIT
tries=0
until gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner io.github.glowdeck.Glowdeck 2>/dev/null |
    grep -q true; do
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || { echo "Glowdeck did not appear on the bus" >&2; exit 1; }
    sleep 0.1
done
python3 "$here/timing.py" "$runs" 127.0.0.2 -- "bare QCoreApplication=$bare 127.0.0.2" \
    "toggle, Glowdeck running=$app toggle desk" >"$GLOWDECK_BENCH_WORK/running" 2>&1 ||
    { cat "$GLOWDECK_BENCH_WORK/running" >&2; exit 1; }
cat "$GLOWDECK_BENCH_WORK/alone" "$GLOWDECK_BENCH_WORK/running"
