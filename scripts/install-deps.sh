#!/usr/bin/env bash
# Installs the Debian 12 packages Pagewright needs to build, test and run, if any are missing.
set -euo pipefail

packages=(
    cmake make g++ clang pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev
    xvfb xauth x11-utils
    dpkg-dev desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
