#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12, and
# only what is missing. Needs root (or sudo) when something must be installed.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    mingw-w64 g++-mingw-w64-x86-64-posix
    wine wine64 fonts-wine xvfb fonts-wqy-microhei
    python3 imagemagick x11-utils binutils-mingw-w64-x86-64
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "==> All build and test packages are installed"
    exit 0
fi

echo "==> Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo)
else
    echo "error: these Debian packages are missing and installing them needs root:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    echo "Run that as root (or run this command as root), then try again." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
