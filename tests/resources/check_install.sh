#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `cmake --install` into a staging folder puts the program, its desktop entry, metainfo, icons,
# manual page and licence where a Linux desktop looks for them.
#   check_install.sh BUILD_DIR WORK_DIR APP_ID
set -euo pipefail
build=$1 work=$2 id=$3
rm -rf "$work"
cmake --install "$build" --prefix "$work/usr" >/dev/null

missing=0
expect() {
    if [ ! -s "$work/usr/$1" ]; then
        echo "not installed: $1"
        missing=1
    fi
}
expect bin/kwelt
expect "share/applications/$id.desktop"
expect "share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/$id.png"
done
expect "share/icons/hicolor/scalable/apps/$id.svg"
expect share/man/man1/kwelt.1.gz
expect share/doc/kwelt/copyright
expect share/doc/kwelt/changelog.gz
[ "$missing" -eq 0 ]
# The manual page reads as one.
if command -v man >/dev/null; then
    man -l "$work/usr/share/man/man1/kwelt.1.gz" 2>/dev/null | grep -q "kwelt - read the colour code"
fi
echo "installed tree complete: $(cd "$work/usr" && find . -type f | wc -l) files"
