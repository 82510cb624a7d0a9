#!/usr/bin/env bash
# Installs what building, running and testing Glowdeck needs on Debian 12 (bookworm).
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    nlohmann-json3-dev qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-material-design-icons-iconfont
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    iproute2 util-linux strace
    xvfb xdotool trayer xcompmgr x11-utils imagemagick dbus dbus-x11
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
