#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds kwelt.exe and all of kwelt's tests for 64-bit Windows, runs every test under Wine,
# and makes the portable zip and the installer, as root on Debian 12, 13 or unstable:
#   bash scripts/windows.sh
# kwelt.exe is built with Debian 13's Qt source, MinGW-w64, Wine and NSIS: on another release,
# in a Debian 13 chroot (scripts/debian-chroot.sh). Qt for Windows is built once from Debian's
# source, into a cache outside the tree (scripts/build-windows-qt.sh; about 20 minutes on two
# cores), and reused after that.
# Results in build-windows/: kwelt-VERSION-win64.zip, kwelt-VERSION-win64-setup.exe, SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build-windows
started=$(date +%s)
step() { printf '\n== %s (%d s)\n' "$*" $(($(date +%s) - started)); }

release=$(bash scripts/debian-chroot.sh windows-release)
if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != "$release" ]; then
    step "Into a Debian $release chroot"
    # The Qt cache and the results outlive the chroot: they are the host's own folders.
    mkdir -p "$build"
    export KWELT_CHROOT_BINDS="${KWELT_WINDOWS_CACHE:-/var/cache/kwelt-windows}:/var/cache/kwelt-windows $build:/src/build-windows"
    exec bash scripts/debian-chroot.sh run "$release" bash scripts/windows.sh "$@"
fi

step "Debian packages"
bash scripts/install-deps.sh windows
# Every time stamp in what is built is the last commit's, so that two builds of one commit give
# the same files (Debian's reproducible builds do the same).
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

step "Qt for Windows"
mkdir -p "$build"
if ! bash scripts/build-windows-qt.sh >"$build/qt-build.log" 2>&1; then
    tail -n 40 "$build/qt-build.log"
    exit 1
fi
qt=$(tail -n 1 "$build/qt-build.log")
echo "$qt"

step "kwelt.exe and its tests"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
    -DKWELT_GOOGLETEST_SOURCE_DIR=/usr/src/googletest \
    -DKWELT_BUILD_BENCHMARKS=OFF -DKWELT_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
trap kwelt_wine_stop EXIT
kwelt_wine_start "$build" "$qt"

step "Every test, under Wine"
tests() { ctest --test-dir "$build" --output-on-failure --timeout 600 --test-output-size-passed 100000000 "$@"; }
if ! tests --output-junit "$build/ctest-results.xml"; then
    # Now and then a Wine client loses its wineserver as it starts ("recvmsg: Connection reset by
    # peer") and the test dies before it began: such a test, and only such a test, runs again.
    lost=$(/usr/bin/python3 scripts/wine-lost-tests.py "$build/ctest-results.xml") || { echo "tests failed"; exit 1; }
    echo "retried, as their Wine client lost the wineserver: ${lost//|/, }"
    tests --output-junit "$build/ctest-retried.xml" -R "^($lost)\$"
    /usr/bin/python3 tests/check_skips.py "$build/ctest-retried.xml"
fi
/usr/bin/python3 tests/check_skips.py "$build/ctest-results.xml"

step "The zip and the installer"
(cd "$build" && cpack >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
cmake --build "$build" --target installer >"$build/installer.log" 2>&1 || { cat "$build/installer.log"; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
zip=$build/kwelt-$version-win64.zip
setup=$build/kwelt-$version-win64-setup.exe
ls -l "$zip" "$setup"
echo "unpacked: $(du -sb "$build/installer/stage" | cut -f1) bytes"

step "The zip and the installer, as a user takes them"
bash tests/resources/check_windows_packages.sh "$build" "$zip" "$setup" "$version"

step "Done"
