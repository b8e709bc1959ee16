#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the Debian package with cpack and has lintian judge it: no error and no warning.
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
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/kwelt_*.deb)
dpkg-deb --field "$deb"
# Lintian warns about running as root, which says nothing of the package.
lintian --fail-on error,warning --info "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no error and no warning in $(basename "$deb")"
