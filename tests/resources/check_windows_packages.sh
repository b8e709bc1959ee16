#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Takes the Windows zip and installer as a user does, each in a fresh Wine prefix: kwelt.exe
# from the zip, copied alone to another folder, starts; the installer installs for the user
# alone, with its Start-menu shortcut and Add/Remove Programs entry, installs again over itself,
# into a folder with blanks and Thai letters, and its uninstall commands leave nothing behind.
# Run by scripts/windows.sh, on the display it started:
#   check_windows_packages.sh BUILD_DIR ZIP SETUP_EXE VERSION
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1 zip=$2 setup=$3 version=$4
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
checks=$(mktemp -d)
trap 'wineserver --kill >/dev/null 2>&1 || true; rm -rf "$checks"' EXIT

/usr/bin/python3 tests/resources/check_installer_version.py "$setup" "$version"
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

# The zip, and kwelt.exe alone in a fresh Wine prefix.
contents=$(unzip -Z1 "$zip" | grep -v -e "^kwelt-$version-win64/$" -e "^kwelt-$version-win64/licenses/")
[ "$contents" = "kwelt-$version-win64/kwelt.exe" ] || { echo "the zip holds more than kwelt.exe and licenses/:"; echo "$contents"; exit 1; }
kwelt_wine_prefix "$checks/prefix-zip"
# Only system DLLs among its imports: the ones a Windows has in its system folder, and the API
# sets (api-ms-win-*) that Windows resolves itself.
imports=$(x86_64-w64-mingw32-objdump -p "$build/app/kwelt.exe" | sed -n 's/^\tDLL Name: //p')
for dll in $imports; do
    [[ ${dll,,} == api-ms-win-* ]] ||
        [ -n "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll" -print -quit)" ] ||
        { echo "kwelt.exe imports $dll, which is no system DLL"; exit 1; }
done
echo "kwelt.exe imports system DLLs only: ${imports//$'\n'/ }"
# kwelt.exe copied alone into an empty folder on drive C:, with no drive that reaches the build
# machine's own folders, as a user runs it straight from the zip or from a USB stick.
unzip -q "$zip" "kwelt-$version-win64/kwelt.exe" -d "$checks/unzipped"
mkdir "$WINEPREFIX/drive_c/alone"
cp "$checks/unzipped/kwelt-$version-win64/kwelt.exe" "$WINEPREFIX/drive_c/alone/"
rm "$WINEPREFIX/dosdevices/z:"
WINEPATH='' starts 'C:\alone\kwelt.exe' "$checks/zip-run.log"
echo "kwelt.exe from the zip starts alone"
wineserver --kill >/dev/null 2>&1 || true

# The installer, silently into a fresh Wine prefix, for the user alone.
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
# Uninstalling runs what the entry holds, as Add/Remove Programs does.
# A value of the entry, as the registry's own export holds it (reg query prints Thai as "?").
uninstall_command() { # VALUE
    wine reg export "$uninstall_key" 'C:\kwelt-entry.reg' /y >/dev/null 2>&1 </dev/null || return 0
    iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/kwelt-entry.reg" | tr -d '\r' |
        sed -n "s/^\"$1\"=\"\(.*\)\"$/\1/p" | sed 's/\\"/"/g; s/\\\\/\\/g'
    rm "$WINEPREFIX/drive_c/kwelt-entry.reg"
}
# A Windows command line run as Windows runs it: the program, in quotes where its path has
# blanks, and then its arguments.
run_command_line() { # COMMAND_LINE
    local line=$1 program arguments
    if [[ $line == \"* ]]; then
        program=${line#\"}
        program=${program%%\"*}
        arguments=${line#\"*\"}
    else
        program=${line%% *}
        arguments=${line#"$program"}
    fi
    # shellcheck disable=SC2086 # the arguments split at blanks, as Windows splits them
    wine "$program" $arguments >>"$checks/setup.log" 2>&1 </dev/null || { cat "$checks/setup.log"; exit 1; }
}
uninstalled() { # FOLDER
    for _ in $(seq 60); do [ -e "$1" ] || break; sleep 0.5; done
    [ ! -e "$1" ] || { echo "the uninstaller left files behind:"; find "$1"; exit 1; }
    ! wine reg query "$uninstall_key" >/dev/null 2>&1 || { echo "the uninstaller left its registry entry"; exit 1; }
}
WINEPATH='' starts "$installed/kwelt.exe" "$checks/setup-run.log"
wine "$setup" /S >>"$checks/setup.log" 2>&1 </dev/null
[ -f "$installed/kwelt.exe" ] || { echo "installing again over the first install failed"; exit 1; }
quiet=$(uninstall_command QuietUninstallString)
[ -n "$quiet" ] || { echo "the Add/Remove Programs entry has no QuietUninstallString"; exit 1; }
run_command_line "$quiet"
uninstalled "$installed"
! wine reg query 'HKCU\Software\Brandelwick' >/dev/null 2>&1 || { echo "a Brandelwick key was left behind"; exit 1; }
echo "the installed kwelt.exe starts; installing again works; its QuietUninstallString leaves nothing"
# Into a folder with blanks and Thai letters in its name, and out of it again by UninstallString.
thai_folder="$WINEPREFIX/drive_c/โปรแกรม ของฉัน/kwelt"
LC_ALL=C.UTF-8 wine cmd /c "$(winepath -w "$setup") /S /D=C:\โปรแกรม ของฉัน\kwelt" >>"$checks/setup.log" 2>&1 </dev/null
[ -f "$thai_folder/kwelt.exe" ] ||
    { echo "the installer did not install into a folder with blanks and Thai letters"; cat "$checks/setup.log"; exit 1; }
interactive=$(LC_ALL=C.UTF-8 uninstall_command UninstallString)
[ -n "$interactive" ] || { echo "the Add/Remove Programs entry has no UninstallString"; exit 1; }
LC_ALL=C.UTF-8 run_command_line "$interactive /S"
uninstalled "$thai_folder"
echo "the installer installs into a folder with blanks and Thai letters, and its UninstallString removes it"
