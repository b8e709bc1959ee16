#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Goes through every page of the installer and of its uninstaller as a user does, pressing Enter
# on each, on a Windows whose display language is Thai and on one whose language is English, each
# in a fresh Wine prefix: each page's window is titled in that language. A picture of each page goes into
# SHOTS_DIR. Run by scripts/windows.sh, on the display it started:
#   check_installer_pages.sh SETUP_EXE SHOTS_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
setup=$1 shots=$2
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
work=$(mktemp -d)
trap 'wineserver --kill >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
mkdir -p "$shots"

# Wine takes the display language from the locale, which glibc must know.
localedef -i th_TH -f UTF-8 "$work/th_TH.UTF-8"
export LOCPATH=$work

# The installer's and the uninstaller's window titles, which stay on every page: the installer's
# licence, folder and finish pages, then the uninstaller's confirmation and finish pages.
english=("kwelt Setup" "kwelt Setup" "kwelt Setup" "kwelt Uninstall" "kwelt Uninstall")
thai=("kwelt ติดตั้ง" "kwelt ติดตั้ง" "kwelt ติดตั้ง" "kwelt ยกเลิกการติดตั้ง" "kwelt ยกเลิกการติดตั้ง")

# Waits for a window titled TITLE, takes its picture and presses Enter there.
page() { # TITLE SHOT
    local window=''
    for _ in $(seq 120); do
        window=$(LC_ALL=C.UTF-8 xdotool search --name "^$1 *\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.5
    done
    if [ -z "$window" ]; then
        echo "no page titled \"$1\"; the windows shown:"
        LC_ALL=C.UTF-8 xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null || true
        return 1
    fi
    sleep 2 # the page drawn
    import -window root "$2"
    xdotool windowfocus --sync "$window" key Return
}

for language in th_TH.UTF-8 en_US.UTF-8; do
    short=${language%%_*}
    if [ "$short" = th ]; then titles=("${thai[@]}"); else titles=("${english[@]}"); fi
    kwelt_wine_prefix "$work/prefix-$short"
    LC_ALL=$language wine "$setup" >"$work/setup-$short.log" 2>&1 </dev/null &
    installer=$!
    for i in 0 1 2; do
        page "${titles[$i]}" "$shots/installer-$short-$((i + 1)).png"
    done
    wait "$installer"
    # The finish page offers to run kwelt, and does: closed again here.
    wine taskkill /f /im kwelt.exe >/dev/null 2>&1 || true
    uninstaller=$(find "$WINEPREFIX/drive_c/users" -path '*Programs/kwelt/Uninstall.exe' | head -n 1)
    LC_ALL=$language wine "$uninstaller" >"$work/uninstall-$short.log" 2>&1 </dev/null &
    uninstalling=$!
    for i in 3 4; do
        page "${titles[$i]}" "$shots/uninstaller-$short-$((i - 2)).png"
    done
    wait "$uninstalling"
    wineserver --kill >/dev/null 2>&1 || true
    echo "installer and uninstaller in ${language%%.*}: ${titles[*]/%/;}"
done
