#!/usr/bin/env bash
# Installs what building, running and testing Glowdeck needs on Debian 12 (bookworm) or
# Debian 13 (trixie). The clang runtime (for the sanitizers and the fuzz targets) and the KDE
# daemon follow the release's own versions.
set -euo pipefail

. /etc/os-release
case ${VERSION_CODENAME:-} in
bookworm) clang_runtime=libclang-rt-14-dev kde=(kded5 qtwayland5) ;;
trixie) clang_runtime=libclang-rt-19-dev kde=(kded6 qt6-wayland) ;;
*)
    echo "$0: ${PRETTY_NAME:-this system} is not Debian 12 or 13; installing nothing" >&2
    exit 0
    ;;
esac

packages=(
    # build
    cmake ninja-build g++ clang "$clang_runtime" pkg-config
    nlohmann-json3-dev qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-xinput-dev
    # translations: lupdate and lrelease, Qt's own catalogues, msgfmt for the desktop files
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
    # a font with Japanese and Chinese glyphs, for measuring the panel in those languages
    fonts-droid-fallback
    fonts-material-design-icons-iconfont
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    iproute2 util-linux strace python3-gi zsh
    xvfb xdotool trayer xcompmgr x11-utils x11-xserver-utils imagemagick dbus dbus-x11 i3lock
    # the Debian package and its checks
    dpkg-dev file lintian appstream desktop-file-utils
    # desktop sessions: window managers, StatusNotifierItem trays, Wayland
    openbox xfwm4 xfce4-panel xfconf sway waybar xwayland wayvnc grim python3
    # GNOME Shell with the AppIndicator extension; KDE Plasma on Wayland
    gnome-shell gnome-shell-extension-appindicator libglib2.0-bin
    # the desktop portal's colour-scheme setting, as GNOME gives it
    xdg-desktop-portal xdg-desktop-portal-gnome xdg-desktop-portal-gtk
    kwin-wayland plasma-workspace plasma-desktop kactivitymanagerd "${kde[@]}"
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
