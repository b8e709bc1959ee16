#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A distribution's build of kwelt: Release, without tests, installed into a staging folder; then
# the Debian package that cpack makes from it, installed with apt on this machine, and started
# (offscreen). Run as root; a kwelt package that was not installed before is purged again.
#   scripts/check-packaging.sh
set -euo pipefail
cd "$(dirname "$0")/.."
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
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
DESTDIR="$build/stage" cmake --install "$build" >/dev/null
[ -x "$build/stage/usr/bin/kwelt" ]
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kwelt_*.deb)
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
