# Shell functions for a LAN of many simulated bulbs seen from a client with one address, as on
# a real network. This namespace (made by glowdeck_netns_enter and found fresh) keeps one end
# of a veth pair, gdlan0, with the client's address and the default route; a nested network
# namespace, made here with `unshare -n`, holds the other end, gdbulbs0, with every bulb's
# address, and runs the simulator there. Source tests/netns/fake-lan.sh first.
#
#   glowdeck_bulb_lan_up SIM COUNT SECONDS LOG   # COUNT bulbs (at most 1000), for SECONDS
#   glowdeck_bulb_lan_down                       # ends the simulator
#
# The bulbs are 10.77.1.1, 10.77.1.2, … (250 to each third octet), the client is 10.77.0.1,
# all in 10.77.0.0/16. Every wait is bounded.

GLOWDECK_BULB_LAN_CLIENT=10.77.0.1
GLOWDECK_BULB_LAN_PID=""

# The nested namespace's side: waits for its end of the pair, refuses to go on if it finds an
# interface it did not expect, gives the end every bulb's address and runs the bulbs.
# Arguments: SIM COUNT SECONDS.
glowdeck_bulb_side='
set -eu
sim=$1 count=$2 seconds=$3
i=0
until ip link show gdbulbs0 >/dev/null 2>&1; do
    [ $i -lt 50 ] || { echo "REFUSED: gdbulbs0 never arrived" >&2; exit 1; }
    sleep 0.1
    i=$((i + 1))
done
links=$(ip -o link show | awk -F": " "{ print \$2 }" | sed "s/@.*//" | tr "\n" " ")
[ "$links" = "lo gdbulbs0 " ] || { echo "REFUSED: unexpected interfaces $links" >&2; exit 1; }
ip link set lo up
addresses=$(awk -v n="$count" "BEGIN { for (i = 0; i < n; i++)
    printf \"10.77.%d.%d \", 1 + int(i / 250), i % 250 + 1 }")
for address in $addresses; do
    echo "address add $address/16 brd + dev gdbulbs0"
done | ip -batch -
ip link set gdbulbs0 up
# The client is known from the start, as it would be after its first datagram on a real LAN.
ip neigh replace 10.77.0.1 lladdr 02:77:00:00:00:01 dev gdbulbs0 nud permanent
exec "$sim" --duration "$seconds" --peer 10.77.0.1 $addresses
'

glowdeck_bulb_lan_up() {
    sim=$1
    count=$2
    seconds=$3
    log=$4
    ip link set lo up
    unshare -n /bin/sh -c "$glowdeck_bulb_side" bulb-side "$sim" "$count" "$seconds" \
        >"$log" 2>&1 &
    GLOWDECK_BULB_LAN_PID=$!
    # The nested namespace exists once the child's differs from this one.
    own=$(readlink /proc/self/ns/net)
    i=0
    while [ "$(readlink "/proc/$GLOWDECK_BULB_LAN_PID/ns/net" 2>/dev/null)" = "$own" ]; do
        [ $i -lt 50 ] || { echo "the bulbs' namespace did not appear" >&2; return 1; }
        sleep 0.1
        i=$((i + 1))
    done
    ip link add gdlan0 address 02:77:00:00:00:01 type veth \
        peer name gdbulbs0 netns "$GLOWDECK_BULB_LAN_PID"
    ip addr add "$GLOWDECK_BULB_LAN_CLIENT/16" brd + dev gdlan0
    ip link set gdlan0 up
    # Makes 255.255.255.255 routable; it leads into the pair and nowhere else.
    ip route add default dev gdlan0
    i=0
    until grep -q "listening" "$log"; do
        if [ $i -ge 100 ] || ! kill -0 "$GLOWDECK_BULB_LAN_PID" 2>/dev/null; then
            echo "the bulbs did not start:" >&2
            cat "$log" >&2
            return 1
        fi
        sleep 0.1
        i=$((i + 1))
    done
}

glowdeck_bulb_lan_down() {
    [ -n "$GLOWDECK_BULB_LAN_PID" ] || return 0
    kill -TERM "$GLOWDECK_BULB_LAN_PID" 2>/dev/null || true
    wait "$GLOWDECK_BULB_LAN_PID" 2>/dev/null || true
    GLOWDECK_BULB_LAN_PID=""
}
