#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and benchmarking
# kwelt need, and only those that are missing. Run as root on Debian 12.
set -euo pipefail

packages=(
    g++ cmake make pkg-config  # toolchain
    qt6-base-dev               # Qt Widgets, Qt Test
    fonts-thai-tlwg            # Thai glyphs for every text of the program
    fonts-dejavu-core          # the Latin user-interface font
    fonts-liberation2          # what "Times New Roman" resolves to
    libgtest-dev               # core tests
    libbenchmark-dev           # benchmarks
    xvfb xauth                 # a real X display for screenshots
    binutils-mingw-w64-x86-64  # windres: checks the Windows resource script
    python3-minimal python3-pefile  # reads the compiled resources back
    desktop-file-utils         # desktop-file-validate
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]}; run this script as root" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_get() { apt-get -o DPkg::Lock::Timeout=300 "$@"; }
install() { apt_get install -y -q --no-install-recommends "${missing[@]}"; }
# A fresh machine may have no package lists yet, or stale ones: refresh them when a package is
# unknown or its download fails, then try once more.
if ! apt-cache show "${missing[@]}" >/dev/null 2>&1; then
    apt_get update -q
fi
if ! install; then
    apt_get update -q
    install
fi
