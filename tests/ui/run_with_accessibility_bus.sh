#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test as under a screen reader: on a private X display, in a D-Bus session of its own
# with the AT-SPI accessibility bus, so that Qt sends out accessibility events.
#   run_with_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -u
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
if [ -z "$launcher" ]; then
    echo "SKIP: at-spi-bus-launcher is missing (scripts/install-deps.sh installs it)"
    exit 77
fi
for tool in Xvfb dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"

# Qt finds the bus through the session's org.a11y.Bus, whenever that appears; with no screen
# reader running, it is told to report all the same.
# shellcheck disable=SC2016
dbus-run-session -- bash -c '"$1" >/dev/null 2>&1 & bus=$!
    shift
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
    status=$?
    kill "$bus" 2>/dev/null
    exit "$status"' run "$launcher" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
