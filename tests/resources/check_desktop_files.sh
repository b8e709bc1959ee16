#!/bin/sh
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The desktop entry and the AppStream metainfo, checked by the desktops' own validators.
#   check_desktop_files.sh DESKTOP_ENTRY METAINFO
set -eu
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
desktop-file-validate "$1"
# Pedantic: warnings fail too.
appstreamcli validate --no-net --pedantic --explain "$2"
# appstream-glib's stricter rules (caption lengths, an update contact), where it is installed.
if command -v appstream-util >/dev/null; then
    appstream-util validate --nonet "$2"
elif command -v apt-cache >/dev/null && ! apt-cache policy appstream-util 2>/dev/null | grep -q 'Candidate: [^(]'; then
    echo "appstream-util is not in this distribution (Debian dropped it after 13): appstreamcli's checks alone"
else
    echo "SKIP: appstream-util is missing (Debian's appstream-util): its stricter rules are not checked"
fi
