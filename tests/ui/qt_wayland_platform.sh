# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# shellcheck shell=bash
# Sourced by the Wayland runners.
#   has_qt_wayland_platform   true where Qt's Wayland platform plugin is installed: looked for in
#                             KWELT_QT_PLUGIN_DIR (the plugins of the Qt the build found), else
#                             where qtpaths says; named libqwayland-generic.so before Qt 6.10 and
#                             libqwayland.so since
has_qt_wayland_platform() {
    local plugins=${KWELT_QT_PLUGIN_DIR:-}
    if [ -z "$plugins" ]; then
        plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || qtpaths --query QT_INSTALL_PLUGINS 2>/dev/null)
    fi
    [ -n "$plugins" ] || return 1
    [ -e "$plugins/platforms/libqwayland.so" ] || [ -e "$plugins/platforms/libqwayland-generic.so" ]
}
