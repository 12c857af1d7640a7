#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Works as root or through sudo; safe to run again.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

PACKAGES=(
    cmake ninja-build g++ clang pkg-config openssl ccache
    qt6-base-dev qt6-webengine-dev qt6-serialport-dev qt6-multimedia-dev
    qt6-base-dev-tools qtkeychain-qt6-dev libqt6sql6-sqlite
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libssl-dev zlib1g-dev libqrencode-dev libxlsxwriter-dev libminizip-dev
    libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev
    fonts-nanum xvfb xauth socat libxss-dev curl python3
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    echo "install_deps: all packages present"
    exit 0
fi

echo "install_deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
