#!/usr/bin/env bash
# Installs the Debian packages that the builds, the tests and `make run` need.
# Quick when everything is present: it only asks dpkg.
set -euo pipefail

packages=(
    cmake ninja-build g++ make git
    mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    googletest libbenchmark-dev
    clang libclang-rt-14-dev
    libmuparser-dev nlohmann-json3-dev
    wine wine64 xvfb xserver-xephyr x11-utils xdotool
    fonts-wqy-microhei fonts-arphic-uming fonts-dejavu-core imagemagick
    python3 python3-pil python3-pytest python3-fonttools
    zip
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
