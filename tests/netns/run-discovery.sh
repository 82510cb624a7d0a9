#!/bin/sh
# Runs the discovery tests (the binary given as $1, further arguments passed on) inside a
# private network namespace on a fake LAN with four bulb addresses and a spare one.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 path/to/glowdeck_netns_tests [gtest arguments]" >&2
    exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
# The tests expect exactly this LAN.
GLOWDECK_LAN_DEV=gdlan0
GLOWDECK_LAN_CLIENT=10.77.0.1
GLOWDECK_LAN_BULBS="10.77.0.11 10.77.0.12 10.77.0.13 10.77.0.14 10.77.0.15"
GLOWDECK_LAN_PREFIX=24
. "$here/fake-lan.sh"

glowdeck_netns_enter "$here/run-discovery.sh" "$@"
glowdeck_netns_require_fresh
glowdeck_fake_lan_up

tests=$1
shift
exec "$tests" "$@"
