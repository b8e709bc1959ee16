#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# CTest's emulator for the Windows build: runs one of its programs under Wine, in the prefix and
# on the display that scripts/windows.sh set up (WINEPREFIX, DISPLAY, WINEPATH).
# shellcheck source=scripts/wine-env.sh
source "$(dirname "$0")/wine-env.sh"
# Under Wine, Qt Test's log to standard output is lost: a Qt test (one that names Qt's test
# library, linked in or beside it) writes its log to a file, which is then shown as its output.
if grep -q -e 'Qt6Test\.dll' -e 'Using QtTest library' "$1" 2>/dev/null; then
    log=$(mktemp)
    wine "$@" -o "Z:${log//\//\\},txt"
    status=$?
    cat "$log"
    rm -f "$log"
    exit "$status"
fi
exec wine "$@"
