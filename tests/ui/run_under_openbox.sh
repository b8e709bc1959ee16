#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test on a private X display of its own, under the openbox window manager, as a desktop
# user runs kwelt: what only a real window manager does (focus, activation, minimizing) is then
# what the test sees.
#   run_under_openbox.sh PROGRAM [ARGUMENTS...]
set -u
# shellcheck source=scripts/displays.sh
source "$(dirname "$0")/../../scripts/displays.sh"
for tool in Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

read -r DISPLAY server < <(start_private_x_display "$work") && export DISPLAY
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# openbox is in charge once it names itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
