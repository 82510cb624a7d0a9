# Shell functions for tests that broadcast: they run only inside a private network namespace
# that they create themselves, on a fake LAN made of one bridge with no ports.
#
#   . tests/netns/fake-lan.sh
#   glowdeck_netns_enter "$0" "$@"   # re-runs the calling script under `unshare -rn`
#   glowdeck_netns_require_fresh     # refuses to go on unless only a bare lo exists
#   glowdeck_fake_lan_up             # the bridge, its addresses and a default route
#
# Without a namespace the caller is skipped (exit 77), or fails when GLOWDECK_REQUIRE_NETNS=1.

: "${GLOWDECK_LAN_DEV:=gdlan0}"
: "${GLOWDECK_LAN_CLIENT:=10.77.0.1}"
: "${GLOWDECK_LAN_BULBS:=10.77.0.11 10.77.0.12 10.77.0.13 10.77.0.14}"
: "${GLOWDECK_LAN_PREFIX:=24}"

glowdeck_netns_skip() {
    if [ "${GLOWDECK_REQUIRE_NETNS:-}" = 1 ]; then
        echo "FAILED: $1 (GLOWDECK_REQUIRE_NETNS=1)" >&2
        exit 1
    fi
    echo "SKIPPED: $1"
    exit 77
}

glowdeck_netns_refuse() {
    echo "REFUSED: $1" >&2
    exit 1
}

# Re-runs the script named by $1 (with the remaining arguments) in a new user and network
# namespace; returns only when already inside one.
glowdeck_netns_enter() {
    if [ "${GLOWDECK_IN_NETNS:-}" = 1 ]; then
        return 0
    fi
    command -v unshare >/dev/null 2>&1 || glowdeck_netns_skip "unshare is not installed"
    command -v ip >/dev/null 2>&1 || glowdeck_netns_skip "ip (iproute2) is not installed"
    if ! unshare -rn true 2>/dev/null; then
        glowdeck_netns_skip "cannot create a network namespace (unshare -rn failed)"
    fi
    script=$1
    shift
    GLOWDECK_IN_NETNS=1 exec unshare -rn /bin/sh "$script" "$@"
}

# A namespace this script just made holds one interface, lo, down and without addresses.
glowdeck_netns_require_fresh() {
    links=$(ip -o link show | awk -F': ' '{ print $2 }' | tr '\n' ' ')
    [ "$links" = "lo " ] || glowdeck_netns_refuse "not a fresh network namespace: interfaces $links"
    ip -o link show lo | grep -q 'state DOWN' || glowdeck_netns_refuse "lo is already up"
    [ -z "$(ip -o addr show)" ] || glowdeck_netns_refuse "addresses are already assigned"
}

glowdeck_fake_lan_up() {
    ip link set lo up
    ip link add "$GLOWDECK_LAN_DEV" type bridge
    ip addr add "$GLOWDECK_LAN_CLIENT/$GLOWDECK_LAN_PREFIX" brd + dev "$GLOWDECK_LAN_DEV"
    for bulb in $GLOWDECK_LAN_BULBS; do
        ip addr add "$bulb/$GLOWDECK_LAN_PREFIX" brd + dev "$GLOWDECK_LAN_DEV"
    done
    ip link set "$GLOWDECK_LAN_DEV" up
    # Makes 255.255.255.255 routable; it leads into the bridge and nowhere else.
    ip route add default dev "$GLOWDECK_LAN_DEV"
}
