#!/usr/bin/env bash
# Installs every Debian package Orvanta needs to build, run and test.
# Idempotent: does nothing when everything is already there. Run as root
# (or through sudo) on Debian 12.
set -euo pipefail

PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libqcustomplot-dev
    libbenchmark-dev libpagmo-dev
    fonts-dejavu-core
    xvfb xauth
    clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file
    poppler-utils
    libcpp-httplib-dev libssl-dev libqt6sql6-sqlite libqt6sql6-psql postgresql openssl
    chromium chromium-driver python3-selenium
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
