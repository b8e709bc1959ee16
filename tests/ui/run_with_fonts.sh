#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test under a font configuration that holds only the font families named, found through
# fontconfig wherever the system keeps them. A family the system lacks skips the test.
#   run_with_fonts.sh WORK_DIR "FAMILY[:style=STYLE]|..." PROGRAM [ARGUMENTS...]
set -euo pipefail
work=$1 families=$2
shift 2
if ! command -v fc-list >/dev/null; then
    echo "SKIP: fc-list is missing (Debian's fontconfig)"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work/fonts"
IFS='|' read -r -a patterns <<<"$families"
for pattern in "${patterns[@]}"; do
    files=$(fc-list --format '%{file}\n' "$pattern" | sort -u)
    if [ -z "$files" ]; then
        echo "SKIP: no font of the family '$pattern' on this system (scripts/install-deps.sh installs it)"
        exit 77
    fi
    while read -r file; do
        ln -sf "$file" "$work/fonts/"
    done <<<"$files"
done
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$work/fonts</dir>
  <cachedir>$work/cache</cachedir>
</fontconfig>
CONF
FONTCONFIG_FILE=$work/fonts.conf exec "$@"
