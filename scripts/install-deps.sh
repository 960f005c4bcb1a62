#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Quorvane, only those missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config dpkg-dev file zlib1g-dev
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev
    libxcb1-dev xvfb xauth xclip xdotool x11-utils openbox fonts-liberation
    clang clang-format libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt_get=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
    apt_get=(sudo apt-get)
else
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update -qq || true
"${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"
