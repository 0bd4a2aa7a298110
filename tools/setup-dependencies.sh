#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the programs and the tests need, and only those missing, so a
# second run costs one dpkg query per package.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-dejavu-core
    libsdl2-mixer-dev libmagick++-dev libzip-dev
    libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    xvfb xauth x11-utils xdotool imagemagick openbox wmctrl procps
    pulseaudio pulseaudio-utils sox
    desktop-file-utils appstream lintian dpkg-dev fakeroot file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
