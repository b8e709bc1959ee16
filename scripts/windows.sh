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
# shellcheck source=scripts/step.sh
source scripts/step.sh

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
qt=$(bash scripts/build-windows-qt.sh --print)
echo "$qt"

# kwelt.exe and its tests, from the tree in SOURCE, configured in BUILD; more arguments for cmake.
configure() { # SOURCE BUILD [ARGUMENT...]
    local source=$1 build=$2
    shift 2
    cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$source/scripts/wine-run.sh" \
        -DKWELT_GOOGLETEST_SOURCE_DIR=/usr/src/googletest \
        -DKWELT_BUILD_BENCHMARKS=OFF -DKWELT_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
}
# The zip and the installer in BUILD, and SHA256SUMS of both beside them.
package() { # BUILD
    local build=$1
    (cd "$build" && cpack >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; return 1; }
    cmake --build "$build" --target installer >"$build/installer.log" 2>&1 || { cat "$build/installer.log"; return 1; }
    (cd "$build" && sha256sum kwelt-*-win64.zip kwelt-*-win64-setup.exe >SHA256SUMS)
}

step "kwelt.exe and its tests"
configure "$root" "$build"
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

step "Pictures of the windows, in Windows' light and dark modes"
# Apps set to light or dark as Windows' settings do (scripts/screenshots.sh takes them from here).
personalize='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
for mode in light dark; do
    mkdir -p "$build/screenshots/$mode"
    light=1
    [ "$mode" = light ] || light=0
    wine reg add "$personalize" /v AppsUseLightTheme /t REG_DWORD /d "$light" /f >/dev/null 2>&1
    out="Z:$build/screenshots/$mode"
    QT_QPA_PLATFORM=windows wine "$build/tests/ui/kwelt_screenshots.exe" "${out//\//\\}" 2>/dev/null | tr -d '\r'
done
wine reg delete "$personalize" /v AppsUseLightTheme /f >/dev/null 2>&1

step "The zip and the installer"
package "$build"
cat "$build/SHA256SUMS"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
zip=$build/kwelt-$version-win64.zip
setup=$build/kwelt-$version-win64-setup.exe
ls -l "$zip" "$setup"
echo "unpacked: $(du -sb "$build/installer/stage" | cut -f1) bytes"

step "The zip and the installer, as a user takes them"
bash tests/resources/check_windows_packages.sh "$build" "$zip" "$setup" "$version"
step "The installer's pages, in Thai and in English"
bash tests/resources/check_installer_pages.sh "$setup" "$build/installer-pages"

if [ "${1:-}" = --reproduce ]; then
    # Another folder, another umask, a later time: the same kwelt.exe, zip and installer.
    step "kwelt.exe, the zip and the installer again, from another folder"
    again=$(mktemp -d /var/tmp/kwelt-again.XXXXXX)
    tree=$(git stash create 2>/dev/null || true)
    mkdir "$again/kwelt-source"
    git archive "${tree:-HEAD}" | tar -x -C "$again/kwelt-source"
    (
        umask 077
        configure "$again/kwelt-source" "$again/build" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
        cmake --build "$again/build" --parallel "$(nproc)" --target kwelt >/dev/null
        package "$again/build"
    )
    for file in app/kwelt.exe SHA256SUMS; do
        cmp "$build/$file" "$again/build/$file" || { echo "$file differs between two builds"; exit 1; }
    done
    rm -rf "$again"
    echo "the same kwelt.exe, zip and installer from $root and from another folder"
fi

step "Done"
