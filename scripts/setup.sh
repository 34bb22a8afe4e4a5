#!/usr/bin/env bash
# Installs the Debian packages that building and testing Plexo need.
# Non-interactive; runs apt-get update once, and only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    clang libclang-rt-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev
    libpcre2-dev libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core fonts-wine fontconfig
    python3 clang-format
    xvfb xauth xdotool desktop-file-utils imagemagick
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
