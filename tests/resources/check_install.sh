#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `cmake --install` into a staging folder puts the program, its desktop entry, metainfo, icons
# and manual page where a Linux desktop looks for them, and nothing else: Debian's own files
# are the Debian package's alone. The modes do not follow the umask, and the program carries
# the usual hardening where hardening-check is there to tell.
#   check_install.sh BUILD_DIR WORK_DIR APP_ID HARDENED STACK_CLASH
set -euo pipefail
build=$1 work=$2 id=$3 hardened=$4 stack_clash=${5:-0}
rm -rf "$work"
(umask 002 && cmake --install "$build" --prefix "$work/usr" >/dev/null)

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
for debian_only in share/doc/kwelt/copyright share/doc/kwelt/changelog.gz; do
    if [ -e "$work/usr/$debian_only" ]; then
        echo "installed outside the Debian package: $debian_only"
        missing=1
    fi
done
modes=$(cd "$work/usr" && find . -path ./bin/kwelt -prune -o -type d ! -perm 0755 -print -o -type f ! -perm 0644 -print)
if [ -n "$modes" ] || [ "$(stat -c %a "$work/usr/bin/kwelt")" != 755 ]; then
    echo "modes that follow the umask: $modes"
    missing=1
fi
[ "$missing" -eq 0 ]
if [ "$hardened" != 1 ]; then
    echo "a build without hardening (debug, sanitizers or KWELT_HARDENING=OFF): not checked"
elif command -v hardening-check >/dev/null; then
    # Control-flow protection needs every object linked to carry it, and Debian 12's own start
    # files (crt1.o) do not: no program linked there can show it, so it is not asked for.
    options=(--nocfprotection)
    # Branch protection is AArch64's (BTI and PAC); newer hardening-checks ask for it everywhere.
    usage=$(hardening-check --help 2>&1 || true)
    if [ "$(uname -m)" != aarch64 ] && [[ $usage == *--nobranchprotection* ]]; then
        options+=(--nobranchprotection)
    fi
    report=$(hardening-check "${options[@]}" "$work/usr/bin/kwelt") || { echo "$report"; exit 1; }
    echo "$report"
    # GCC puts stack-clash probes only into frames that may pass a page, and kwelt has none: where
    # hardening-check so finds no mark, the flags the compiler recorded must name the option.
    producers=$(readelf --debug-dump=info "$work/usr/bin/kwelt" 2>/dev/null | grep DW_AT_producer || true)
    if [ "$stack_clash" = 1 ] && [ -n "$producers" ] && [[ $report == *"Stack clash protection: unknown"* ]] \
        && grep -v -q -- -fstack-clash-protection <<<"$producers"; then
        echo "compiled without -fstack-clash-protection"
        exit 1
    fi
else
    echo "SKIP: hardening-check is missing (Debian's devscripts): the program's hardening is not checked"
fi
# The manual page reads as one.
if command -v man >/dev/null; then
    page=$(man -l "$work/usr/share/man/man1/kwelt.1.gz" 2>/dev/null)
    grep -q "kwelt - read the colour code" <<<"$page"
else
    echo "SKIP: man is missing (Debian's man-db): the manual page is not read"
fi
echo "installed tree complete: $(cd "$work/usr" && find . -type f | wc -l) files"
