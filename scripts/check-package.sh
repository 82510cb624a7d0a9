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
