#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test as a Wayland client of weston (its headless backend, with its desktop shell), so
# that what only a Wayland compositor does (stacking children, maximize configures, protocol
# errors) is what the test sees.
#   run_under_weston.sh PROGRAM [ARGUMENTS...]
set -u
if ! command -v weston >/dev/null; then
    echo "SKIP: weston is missing (scripts/install-deps.sh installs it)"
    exit 77
fi
# shellcheck source=scripts/displays.sh
source "$(dirname "$0")/../../scripts/displays.sh"
# shellcheck source=tests/ui/qt_wayland_platform.sh
source "$(dirname "$0")/qt_wayland_platform.sh"
if ! has_qt_wayland_platform; then
    echo "SKIP: Qt's Wayland platform is missing (Debian's qt6-wayland)"
    exit 77
fi
runtime=$(mktemp -d)
trap 'kill "$compositor" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
# What the screen shows, for the tests that read it: the headless backend draws nothing unless
# told to draw with pixman (weston 12 renamed the option), and --debug lets a client take
# screenshots (weston-screenshooter).
renderer=--use-pixman
[[ $(weston --help 2>&1) == *--renderer=* ]] && renderer=--renderer=pixman
weston --backend=headless-backend.so "$renderer" --socket=kwelt-test --idle-time=0 --width=1024 --height=768 \
    --debug >"$runtime/weston.log" 2>&1 &
compositor=$!
wait_for_socket "$runtime/kwelt-test"
WAYLAND_DISPLAY=kwelt-test QT_QPA_PLATFORM=wayland KWELT_SCREEN_GRAB=weston "$@"
status=$?
[ "$status" -eq 0 ] || cat "$runtime/weston.log"
exit "$status"
