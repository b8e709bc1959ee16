#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A distribution's build of kwelt: Release, without tests, installed into a staging folder; then
# the Debian package that cpack makes from it, installed with apt on this machine, and started
# (offscreen). Run as root; a kwelt package that was not installed before is purged again.
# With --reproduce, the same build and package again, from a copy of the tree in another folder,
# under another umask: both packages must be the same file.
#   scripts/check-packaging.sh [--reproduce]
set -euo pipefail
cd "$(dirname "$0")/.."
# Time stamps in the package are the last commit's.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
build=$(mktemp -d)
installed_before=0
[ "$(dpkg-query -W -f='${Status}' kwelt 2>/dev/null)" != "install ok installed" ] || installed_before=1
cleanup() {
    rm -rf "$build"
    if [ "$installed_before" = 0 ] && dpkg-query -W kwelt >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q kwelt >/dev/null
    fi
}
trap cleanup EXIT
# A packager's build from the tree in SOURCE, in BUILD, and its Debian package.
build_package() { # SOURCE BUILD
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$2" --parallel "$(nproc)" >/dev/null
    DESTDIR="$2/stage" cmake --install "$2" >/dev/null
    [ -x "$2/stage/usr/bin/kwelt" ]
    (cd "$2" && cpack -G DEB >/dev/null)
}
build_package . "$build/first"
deb=$(ls "$build"/first/kwelt_*.deb)
(cd "$build/first" && sha256sum kwelt_*.deb)
if [ "${1:-}" = --reproduce ]; then
    tree=$(git stash create 2>/dev/null || true)
    mkdir -p "$build/another folder"
    git archive "${tree:-HEAD}" | tar -x -C "$build/another folder"
    (umask 077 && build_package "$build/another folder" "$build/second")
    cmp "$deb" "$build"/second/kwelt_*.deb || { echo "the package differs between two builds"; exit 1; }
    echo "the same package from another folder, under another umask"
fi
dpkg-deb --field "$deb" Depends
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >/dev/null
# Still running after three seconds: it started, and waits for the user.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/kwelt || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed kwelt ended with status $status instead of waiting for the user" >&2
    exit 1
fi
echo "packager's build, staged install, package, apt install and start: all right"
