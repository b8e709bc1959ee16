#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test as a Wayland client of mutter, GNOME's compositor, in a D-Bus session of its own:
# nested in a window on a private X display, where the test drives the pointer and keys with
# xdotool through that display (DISPLAY); or, mutter 49 and later having no nested mode, headless
# with a virtual monitor, where the test drives them through mutter's remote-desktop interface
# (KWELT_REAL_INPUT). Either way its input passes through the compositor as a user's does, with
# the serials and focus changes that come with it.
#   run_under_mutter.sh PROGRAM [ARGUMENTS...]
set -u
# shellcheck source=scripts/displays.sh
source "$(dirname "$0")/../../scripts/displays.sh"
for tool in Xvfb mutter dbus-run-session xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done
# shellcheck source=tests/ui/qt_wayland_platform.sh
source "$(dirname "$0")/qt_wayland_platform.sh"
if ! has_qt_wayland_platform; then
    echo "SKIP: Qt's Wayland platform is missing (Debian's qt6-wayland)"
    exit 77
fi

work=$(mktemp -d)
chmod 700 "$work"
cleanup() {
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work"
if [[ $(mutter --help 2>&1) == *--nested* ]]; then
    read -r DISPLAY server < <(start_private_x_display "$work") && export DISPLAY
    # mutter's nested window fills the display, at its top left corner.
    export MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768
    export KWELT_MUTTER_MODE="--nested"
else
    unset DISPLAY
    export KWELT_MUTTER_MODE="--headless --virtual-monitor 1024x768" KWELT_REAL_INPUT=mutter-remote-desktop
fi
# mutter and the test, in the D-Bus session.
in_session() {
    # shellcheck disable=SC2086 # the mode is several options
    mutter $KWELT_MUTTER_MODE --wayland --no-x11 --wayland-display=kwelt-test >"$XDG_RUNTIME_DIR/mutter.log" 2>&1 &
    local compositor=$!
    wait_for_socket "$XDG_RUNTIME_DIR/kwelt-test"
    WAYLAND_DISPLAY=kwelt-test QT_QPA_PLATFORM=wayland "$@"
    local status=$?
    [ "$status" -eq 0 ] || cat "$XDG_RUNTIME_DIR/mutter.log"
    kill "$compositor" 2>/dev/null
    wait "$compositor" 2>/dev/null
    return "$status"
}
export -f in_session wait_for_socket
# shellcheck disable=SC2016 # the session's shell expands the arguments
dbus-run-session -- bash -c 'in_session "$@"' run "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
