#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh, in $GLOWDECK_BUILD_DIR) and checks it as a
# distribution would: lintian, the AppStream metadata and the desktop entry in the tree and in
# the package, and the extracted program's --version with no display and no network.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(scripts/package.sh)
echo "$deb"
dpkg-deb -f "$deb" Depends
lintian --fail-on error,warning "$deb"
appstreamcli validate --no-net data/*.metainfo.xml
desktop-file-validate data/*.desktop
extracted=$(mktemp -d)
trap 'rm -rf "$extracted"' EXIT
dpkg-deb -x "$deb" "$extracted"
appstreamcli validate --no-net "$extracted"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$extracted"/usr/share/applications/*.desktop
# The shell completions come with the program, where bash and zsh look for them.
bash -c '. "$1" && complete -p glowdeck' _ "$extracted/usr/share/bash-completion/completions/glowdeck"
[ -f "$extracted/usr/share/zsh/vendor-completions/_glowdeck" ] || { echo "no zsh completion" >&2; exit 1; }
version=$(dpkg-deb -f "$deb" Version)
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY unshare -rn "$extracted/usr/bin/glowdeck" --version)
echo "$printed"
[ "$printed" = "Glowdeck $version" ] || { echo "expected: Glowdeck $version" >&2; exit 1; }
# The extracted program finds its tray library in its private folder: the tray starts (offscreen,
# with no display, no network and a home of its own) and reaches its event loop within 10 s.
home=$extracted/home
mkdir -p "$home/run"
chmod 700 "$home/run"
env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" \
    XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen GLOWDECK_TRACE_STARTUP=1 \
    unshare -rn sh -c '
        [ "$(ip -o link show | wc -l)" = 1 ] || { echo "REFUSED: interfaces not made here" >&2; exit 1; }
        "$1" >"$2/tray.log" 2>&1 &
        app=$!
        tries=0
        until grep -q "idle at" "$2/tray.log"; do
            tries=$((tries + 1))
            { [ "$tries" -lt 100 ] && kill -0 "$app" 2>/dev/null; } || break
            sleep 0.1
        done
        kill "$app" 2>/dev/null
        wait "$app" || true' _ "$extracted/usr/bin/glowdeck" "$home"
grep -q "idle at" "$home/tray.log" ||
    { echo "the extracted tray did not start:" >&2; cat "$home/tray.log" >&2; exit 1; }
echo "the extracted tray starts"
