#!/usr/bin/env bash
# Runs a command of this checkout inside a Debian root of another release, so that one machine
# builds and tests Glowdeck on Debian 12 and Debian 13 alike:
#
#   scripts/in-debian-root.sh trixie scripts/test.sh
#
# The root is made once with debootstrap, from the Debian mirror that apt already uses here, and
# kept in $GLOWDECK_ROOTS (default /var/cache/glowdeck) for later runs. The command runs as root
# in a private mount namespace: the new root is entered with pivot_root (the kernel refuses user
# namespaces to a chrooted process, and the sessions make theirs), with /proc, /dev and /sys of
# the host, a /tmp and /run of its own, and this checkout at the same path as here. Nothing is
# left mounted when the command ends or is killed. Needs root.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 RELEASE COMMAND [ARGUMENT…]   (e.g. $0 trixie scripts/test.sh)" >&2
    exit 2
fi
release=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "$0: making and entering a Debian root needs root" >&2
    exit 1
fi
checkout=$(cd "$(dirname "$0")/.." && pwd)
roots=${GLOWDECK_ROOTS:-/var/cache/glowdeck}
root=$roots/$release

# The mirror apt uses for Debian itself (not its security archive), from either source format.
debian_mirror() {
    local files=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
    grep -h -o -E 'https?://[^ ]+/debian/?( |$)' "${files[@]}" 2>/dev/null | head -n 1 | tr -d ' ' ||
        true
}

if [ ! -e "$root/.glowdeck-root" ]; then
    mirror=$(debian_mirror)
    : "${mirror:=http://deb.debian.org/debian}"
    command -v debootstrap >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
    echo "Making a Debian $release root in $root from $mirror" >&2
    rm -rf "$root.new"
    mkdir -p "$roots"
    debootstrap --variant=minbase "$release" "$root.new" "$mirror" >"$roots/$release.log" 2>&1 || {
        tail -n 20 "$roots/$release.log" >&2
        exit 1
    }
    # The sessions run their desktops as uid 1000; sudo is what scripts/deps.sh asks for when
    # not root, and the root is entered as root, so it is not needed.
    chroot "$root.new" useradd --uid 1000 --create-home --shell /bin/bash glowdeck
    touch "$root.new/.glowdeck-root"
    mv "$root.new" "$root"
fi

exec unshare --mount --propagation private /bin/bash -euo pipefail -c '
    root=$1 checkout=$2
    shift 2
    mount --bind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount --rbind /sys "$root/sys"
    mount -t tmpfs -o mode=1777 tmp "$root/tmp"
    mount -t tmpfs -o mode=755 run "$root/run"
    mkdir -p "$root/run/lock" "$root$checkout"
    mount --bind "$checkout" "$root$checkout"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
    mkdir -p "$root/.old-root"
    cd "$root"
    pivot_root . .old-root
    umount -l /.old-root
    cd "$checkout"
    export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
    exec "$@"' in-debian-root "$root" "$checkout" "$@"
