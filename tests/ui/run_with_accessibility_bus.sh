#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test as under a screen reader: in a D-Bus session of its own with the AT-SPI
# accessibility bus, so that Qt sends out accessibility events. It needs an X display: run it
# through run_under_openbox.sh.
#   run_with_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -u
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ] || ! command -v dbus-run-session >/dev/null; then
    echo "SKIP: at-spi-bus-launcher or dbus-run-session is missing (scripts/install-deps.sh installs them)"
    exit 77
fi

# Qt finds the bus through the session's org.a11y.Bus, whenever that appears; with no screen
# reader running, it is told to report all the same.
in_session() {
    "$launcher" >/dev/null 2>&1 &
    local bus=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
    local status=$?
    kill "$bus" 2>/dev/null
    return "$status"
}
export -f in_session
export launcher
# shellcheck disable=SC2016 # the session's shell expands the arguments
dbus-run-session -- bash -c 'in_session "$@"' run "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
