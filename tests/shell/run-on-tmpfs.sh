#!/bin/sh
# Runs the settings store's disk tests (the shell test binary given as $1, further arguments
# passed on) in a private user and mount namespace, with a 64 KiB tmpfs as the configuration
# folder; the tests make it read-only or fill it. Nothing is mounted outside the namespace.
#
# Without a namespace the test is skipped (exit 77), or fails when GLOWDECK_REQUIRE_NETNS=1.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 path/to/glowdeck_shell_tests [gtest arguments]" >&2
    exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../netns/fake-lan.sh" # glowdeck_netns_skip

if [ "${GLOWDECK_IN_MOUNTNS:-}" != 1 ]; then
    command -v unshare >/dev/null 2>&1 || glowdeck_netns_skip "unshare is not installed"
    if ! unshare -rm true 2>/dev/null; then
        glowdeck_netns_skip "cannot create a mount namespace (unshare -rm failed)"
    fi
    GLOWDECK_IN_MOUNTNS=1 exec unshare -rm /bin/sh "$0" "$@"
fi

config=$(mktemp -d "${TMPDIR:-/tmp}/glowdeck-config.XXXXXX")
if ! mount -t tmpfs -o size=64k,mode=0700 glowdeck-config "$config"; then
    rmdir "$config"
    glowdeck_netns_skip "cannot mount a tmpfs in the mount namespace"
fi

tests=$1
shift
status=0
XDG_CONFIG_HOME=$config GLOWDECK_STORE_TMPFS=$config QT_QPA_PLATFORM=offscreen \
    "$tests" --gtest_filter='SettingsStoreOnDisk.*' "$@" || status=$?
umount "$config"
rmdir "$config"
exit "$status"
