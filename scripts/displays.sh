# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# shellcheck shell=bash
# Sourced by the scripts and the test runners that need a display of their own.
#   start_private_x_display FOLDER [SCREEN]   starts Xvfb on a free display, with a screen of
#                                             SCREEN (1024x768x24 unless given), its log in FOLDER,
#                                             and prints the display's name and the server's
#                                             process, for the caller to use and to stop:
#       read -r DISPLAY server < <(start_private_x_display "$folder") && export DISPLAY
#   wait_for_socket PATH                      waits up to ten seconds for a compositor's socket
start_private_x_display() {
    local folder=$1 screen=${2:-1024x768x24}
    # Xvfb picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" >"$folder/xvfb.log" 2>&1 </dev/null &
    local server=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        sleep 0.1
    done
    if [ ! -s "$folder/display" ]; then
        kill "$server" 2>/dev/null
        cat "$folder/xvfb.log" >&2
        return 1
    fi
    echo ":$(cat "$folder/display") $server"
}

wait_for_socket() {
    for _ in $(seq 100); do
        [ -S "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
