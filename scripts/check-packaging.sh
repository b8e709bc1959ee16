#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A distribution's build of kwelt: Release, without tests, installed into a staging folder; then
# the Debian package that cpack makes from it, installed with apt on this machine, and started
# (offscreen). It installs kwelt system-wide: CI runs it only in the chroots of
# scripts/debian-chroot.sh, which are thrown away after each run.
#   scripts/check-packaging.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
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
