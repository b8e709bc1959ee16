#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the Debian package with cpack, twice, under the umasks builders commonly have: both are
# the same file, byte for byte, and lintian finds no error and no warning in it. It names what the
# program needs besides its libraries, with or without the Thai font kwelt can carry.
#   check_debian_package.sh BUILD_DIR WORK_DIR SOURCE_DIR BUNDLED USES_QT_PRIVATE
# BUNDLED: ON where the build carries the Thai font, OFF where not; USES_QT_PRIVATE: ON where the
# program is built on Qt's private interfaces.
set -euo pipefail
build=$1 work=$2 source=$3 bundled=$4 uses_qt_private=$5
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
# The window system's plugins; Thai glyphs, recommended beside a font of kwelt's own and needed
# without one; Qt's Wayland plugin, recommended.
needs() { # BUNDLED DEPENDS RECOMMENDS
    local thai=Recommends
    [ "$1" = ON ] || thai=Depends
    for need in "Depends qt6-qpa-plugins" "$thai fonts-thai-tlwg" "Recommends qt6-wayland"; do
        local field=${need% *} package=${need#* } list=$2
        [ "$field" = Depends ] || list=$3
        tr ',' '\n' <<<"$list" | sed 's/ *(.*//; s/^ *//' | grep -qx "$package" ||
            { echo "with KWELT_BUNDLE_THAI_FONT=$1, $field lacks $package: $list"; return 1; }
    done
}
needs "$bundled" "$(dpkg-deb --field "$deb" Depends)" "$(dpkg-deb --field "$deb" Recommends)"
# Built on Qt's private interfaces, it depends on the exact Qt that Qt's core library says it is.
if [ "$uses_qt_private" = ON ]; then
    abi=$(dpkg-query -W -f='${Provides}' "$(dpkg-query -S libQt6Core.so.6 | sed -n '1s/[:,].*//p')" \
        | tr ',' '\n' | sed -n 's/^ *\(qt6-base\(-private\)\?-abi (= .*)\)$/\1/p')
    [[ -n $abi && $(dpkg-deb --field "$deb" Depends) == *"$abi"* ]] || { echo "Depends lacks Qt's ABI ${abi:-}"; exit 1; }
fi
# The other setting, from what its configuration hands cpack.
other=OFF
[ "$bundled" = ON ] || other=ON
cmake -S "$source" -B "$work/$other" -DKWELT_BUNDLE_THAI_FONT=$other -DBUILD_TESTING=OFF \
    -DKWELT_BUILD_BENCHMARKS=OFF >"$work/configure-$other.log" 2>&1 || { cat "$work/configure-$other.log"; exit 1; }
field() { sed -n "s/^set(CPACK_DEBIAN_PACKAGE_$1 \"\(.*\)\")$/\1/p" "$work/$other/CPackConfig.cmake"; }
needs "$other" "$(field DEPENDS)" "$(field RECOMMENDS)"
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
