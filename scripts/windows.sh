#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds kwelt.exe and all of kwelt's tests for 64-bit Windows, runs every test under Wine,
# and makes the portable zip and the installer, all on Debian 12, as root:
#   bash scripts/windows.sh
# Qt for Windows is built once from Debian's source, into a cache outside the tree
# (scripts/build-windows-qt.sh; about a quarter of an hour), and reused after that.
# Results: build-windows/kwelt-VERSION-win64.zip and build-windows/kwelt-VERSION-win64-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build-windows
started=$(date +%s)
step() { printf '\n== %s (%d s)\n' "$*" $(($(date +%s) - started)); }

step "Debian packages"
bash scripts/install-deps.sh windows

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
# Now and then a Wine client loses its wineserver as it starts ("recvmsg: Connection reset by
# peer") and the test dies before it began: such a test gets a second run.
ctest --test-dir "$build" --output-on-failure --timeout 600 --repeat until-pass:2

step "The zip and the installer"
(cd "$build" && cpack >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
cmake --build "$build" --target installer >"$build/installer.log" 2>&1 || { cat "$build/installer.log"; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
zip=$build/kwelt-$version-win64.zip
setup=$build/kwelt-$version-win64-setup.exe
ls -l "$zip" "$setup"
echo "unpacked: $(du -sb "$build/installer/stage" | cut -f1) bytes"
# The installer carries a version block of its own.
/usr/bin/python3 - "$setup" "$version" <<'EOF_PY'
import sys, pefile
pe = pefile.PE(sys.argv[1])
strings = {k: v for info in getattr(pe, "FileInfo", [[]])[0] if info.Key == b"StringFileInfo"
           for table in info.StringTable for k, v in table.entries.items()}
if strings.get(b"ProductName") != b"kwelt" or strings.get(b"ProductVersion") != sys.argv[2].encode():
    sys.exit(f"the installer's version block is wrong: {strings}")
EOF_PY

# kwelt.exe runs when its main window appears on the display.
starts() {
    local exe=$1 log=$2
    wine "$exe" >"$log" 2>&1 </dev/null &
    local program=$!
    local shown=1
    for _ in $(seq 60); do
        if xdotool search --name '^Brandelwick : KWELT$' >/dev/null 2>&1; then
            shown=0
            break
        fi
        sleep 0.5
    done
    wine taskkill /f /im kwelt.exe >/dev/null 2>&1 || true
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    if [ "$shown" -ne 0 ]; then
        echo "$exe showed no main window"
        cat "$log"
    fi
    return "$shown"
}

step "The zip, unpacked into a fresh Wine prefix"
checks=$(mktemp -d)
unzip -q "$zip" -d "$checks/unzipped"
kwelt_wine_prefix "$checks/prefix-zip"
WINEPATH= starts "$checks/unzipped/kwelt-$version-win64/kwelt.exe" "$checks/zip-run.log"
echo "kwelt.exe from the zip starts"
wineserver --kill >/dev/null 2>&1 || true

step "The installer, silently into a fresh Wine prefix, for the user alone"
kwelt_wine_prefix "$checks/prefix-setup"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kwelt'
wine "$setup" /S >"$checks/setup.log" 2>&1 </dev/null
installed=$(find "$WINEPREFIX/drive_c/users" -path '*AppData/Local/Programs/kwelt' -type d | head -n 1)
[ -n "$installed" ] || { echo "the installer did not install into the user's programs folder"; exit 1; }
for file in kwelt.exe Uninstall.exe licenses/kwelt/GPL-3.0-or-later.txt; do
    [ -f "$installed/$file" ] || { echo "the installer did not install $file"; ls -R "$installed"; exit 1; }
done
[ -n "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/kwelt.lnk' -print -quit)" ] ||
    { echo "the installer made no Start-menu shortcut"; exit 1; }
[ -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/kwelt/*' -print -quit)" ] ||
    { echo "the installer made a Start-menu folder"; exit 1; }
entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
for value in 'DisplayName *REG_SZ *kwelt$' 'DisplayVersion *REG_SZ' 'Publisher *REG_SZ *Brandelwick$' \
    'DisplayIcon *REG_SZ' 'InstallLocation *REG_SZ' 'EstimatedSize *REG_DWORD *0x[0-9a-f]*[1-9a-f]' \
    'NoModify *REG_DWORD *0x1$' 'NoRepair *REG_DWORD *0x1$'; do
    grep -q "^ *$value" <<<"$entry" || { echo "Add/Remove Programs entry lacks $value:"; echo "$entry"; exit 1; }
done
WINEPATH= starts "$installed/kwelt.exe" "$checks/setup-run.log"
wine "$setup" /S >>"$checks/setup.log" 2>&1 </dev/null
[ -f "$installed/kwelt.exe" ] || { echo "installing again over the first install failed"; exit 1; }
wine "$installed/Uninstall.exe" /S >>"$checks/setup.log" 2>&1 </dev/null
for _ in $(seq 60); do [ -e "$installed" ] || break; sleep 0.5; done
[ ! -e "$installed" ] || { echo "the uninstaller left files behind:"; find "$installed"; exit 1; }
! wine reg query "$uninstall_key" >/dev/null 2>&1 || { echo "the uninstaller left its registry entry"; exit 1; }
! wine reg query 'HKCU\Software\Brandelwick' >/dev/null 2>&1 || { echo "a Brandelwick key was left behind"; exit 1; }
echo "the installed kwelt.exe starts; installing again works; uninstalling leaves nothing"
# Into a folder with blanks and Thai letters in its name.
LC_ALL=C.UTF-8 wine cmd /c "$(winepath -w "$setup") /S /D=C:\โปรแกรม ของฉัน\kwelt" >>"$checks/setup.log" 2>&1 </dev/null
[ -f "$WINEPREFIX/drive_c/โปรแกรม ของฉัน/kwelt/kwelt.exe" ] ||
    { echo "the installer did not install into a folder with blanks and Thai letters"; cat "$checks/setup.log"; exit 1; }
echo "the installer installs into a folder with blanks and Thai letters"
wineserver --kill >/dev/null 2>&1 || true
rm -rf "$checks"

step "Done"
