# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# shellcheck shell=bash
# Sourced by the runners that need an X display of their own.
#   start_private_x_display FOLDER   starts Xvfb on a free display, its log in FOLDER, exports
#                                    DISPLAY and leaves the server's process in `server`
start_private_x_display() {
    local folder=$1
    # Xvfb picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
    # shellcheck disable=SC2034 # the caller's clean-up stops it
    server=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        sleep 0.1
    done
    DISPLAY=":$(cat "$folder/display")"
    export DISPLAY
}
