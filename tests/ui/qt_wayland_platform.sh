# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the Wayland runners: true where Qt's Wayland platform plugin is installed, among the
# plugins of the Qt the build found (KWELT_QT_PLUGIN_DIR) or else where qtpaths says; Qt 6.10
# renamed it from libqwayland-generic.so to libqwayland.so.
has_qt_wayland_platform() {
    local plugins=${KWELT_QT_PLUGIN_DIR:-$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)}
    [ -e "$plugins/platforms/libqwayland.so" ] || [ -e "$plugins/platforms/libqwayland-generic.so" ]
}
