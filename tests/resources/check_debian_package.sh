#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the Debian package with cpack, twice, under the umasks builders commonly have: both are
# the same file, byte for byte, and lintian finds no error and no warning in it.
#   check_debian_package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
for tool in lintian dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
rm -rf "$work"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1796601600}
for mask in 002 022; do
    mkdir -p "$work/$mask"
    (umask "$mask" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/$mask") >"$work/cpack-$mask.log" 2>&1 || {
        cat "$work/cpack-$mask.log"
        exit 1
    }
done
deb=$(ls "$work"/002/kwelt_*.deb)
dpkg-deb --field "$deb"
if ! cmp "$deb" "$work/022/$(basename "$deb")"; then
    echo "the package differs between umask 002 and umask 022:"
    diff <(dpkg-deb --contents "$deb") <(dpkg-deb --contents "$work/022/$(basename "$deb")") || true
    exit 1
fi
# Debian's own licence and changelog files are in the package, and only there.
contents=$(dpkg-deb --contents "$deb")
grep -q ' ./usr/share/doc/kwelt/copyright$' <<<"$contents"
grep -q ' ./usr/share/doc/kwelt/changelog.gz$' <<<"$contents"
# Lintian warns about running as root, which says nothing of the package.
lintian --pedantic --fail-on error,warning --info "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no error and no warning in $(basename "$deb"); the same package under umask 002 and 022"
