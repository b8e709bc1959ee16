#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the windows and message boxes to PNG files in screenshots/ (offscreen, no display
# needed): at the normal scale, and at twice the size as on a high-dpi screen. Where the
# Windows build exists (scripts/windows.sh), its pictures under Wine go into
# screenshots/windows/. Under a nested weston, the real program as a Wayland client, into
# screenshots/wayland/. The README's picture of the main window, docs/main-window.png, is made anew.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target kwelt_screenshots

# What is started or made on the way is stopped and removed at the end, however it ends.
runtime=$(mktemp -d) wayland='' server=''
cleanup() {
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
    rm -rf "$runtime" ${wayland:+"$wayland"}
}
trap cleanup EXIT
mkdir -p screenshots/1x screenshots/2x
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" ./build/tests/ui/kwelt_screenshots screenshots/1x
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" QT_SCALE_FACTOR=2 ./build/tests/ui/kwelt_screenshots screenshots/2x
# The README shows the main window as it is now.
cp screenshots/1x/main-window.png docs/main-window.png

# The Windows build renders its own under Wine, in Windows' light and dark modes
# (scripts/windows.sh, which may run in a chroot): they are taken from there.
if [ -d build-windows/screenshots ]; then
    rm -rf screenshots/windows
    cp -r build-windows/screenshots screenshots/windows
fi

# The real program as a Wayland client of weston, at scale 1 and 2: weston runs nested on a
# private X display, so that xdotool can type into it and xwd can take the picture of what it
# shows, title bars and all. The main window, the About window over it, and a message box.
if command -v weston >/dev/null && command -v xwd >/dev/null && command -v convert >/dev/null; then
    cmake --build --preset default --parallel "$(nproc)" --target kwelt >/dev/null
    mkdir -p screenshots/wayland
    wayland=$(mktemp -d)
    chmod 700 "$wayland"
    # shellcheck source=scripts/displays.sh
    source scripts/displays.sh
    read -r DISPLAY server < <(start_private_x_display "$wayland" 2048x1536x24) && export DISPLAY
    export XDG_RUNTIME_DIR="$wayland"
    shot() {
        sleep 2
        xwd -root -silent | convert xwd:- -crop "$((1000 * scale))x$((740 * scale))+0+0" "screenshots/wayland/$1.png" &&
            echo "wrote screenshots/wayland/$1.png"
    }
    keys() { for key in "$@"; do xdotool key "$key"; sleep 0.3; done; }
    for scale in 1 2; do
        weston --backend=x11-backend.so --socket=kwelt-shots --idle-time=0 --width=1000 --height=740 \
            --scale="$scale" >"$wayland/weston.log" 2>&1 &
        compositor=$!
        wait_for_socket "$wayland/kwelt-shots"
        # With no window manager on the display, weston's window has the keys only when given them.
        xdotool windowfocus --sync "$(xwininfo -root -children | awk '/Weston Compositor/ {print $1; exit}')"
        sleep 1
        WAYLAND_DISPLAY=kwelt-shots QT_QPA_PLATFORM=wayland ./build/app/kwelt 2>/dev/null &
        program=$!
        shot "main-window-${scale}x"
        keys Tab Tab Tab Tab space # About
        shot "about-window-${scale}x"
        keys Tab space # OK
        sleep 2
        keys shift+Tab shift+Tab shift+Tab shift+Tab Up # black in band 1
        shot "black-first-band-${scale}x"
        kill "$program" "$compositor" 2>/dev/null
        # Both were just ended: their status says nothing, and must not stop the script.
        wait "$program" "$compositor" 2>/dev/null || true
    done
fi
