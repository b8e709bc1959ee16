# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the Windows scripts: a private X display and a Wine prefix of the build's own, in
# which the Windows build's programs and tests run.
#   kwelt_wine_start BUILD_DIR QT_PREFIX   starts Xvfb and the prefix's wineserver
#   kwelt_wine_stop                        stops them again
#   kwelt_wine_prefix DIR                  makes a fresh prefix in DIR (for the package checks)

# shellcheck source=scripts/displays.sh
source "$(dirname "${BASH_SOURCE[0]}")/displays.sh"

# Wine asks to download Mono and Gecko unless told not to, and waits for ever for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all

kwelt_wine_prefix() {
    export WINEPREFIX=$1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # Wine's output goes to a file: a program started under Wine keeps a pipe open.
        wineboot --init >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log"; return 1; }
        # Windows inside one virtual desktop: without a window manager on the display, Wine
        # would wait on the X server for every window that it hides.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$WINEPREFIX.log" 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >>"$WINEPREFIX.log" 2>&1
    fi
    # The wineserver that made the prefix must be gone first: a new one started beside it
    # finds its services.exe still starting, starts another, and then each program that asks for
    # Wine's RPC service waits 10 s for an answer that never comes (8 to 24 s a test in CI).
    wineserver --wait
    # A wineserver that lives on, so that no test's wine process starts one holding its pipes. It
    # answers once it is ready, and goes on in the background.
    wineserver --persistent=60 >/dev/null 2>&1 </dev/null
    # A Wine program that lasts as long as this shell, reading from a pipe that only this shell
    # writes to: Wine's own services start with it, with no one's output, and stay. Without it they
    # start anew with each test, holding the test's output, which CTest then waits on until they
    # stop, 2.5 s after the test.
    rm -f "$WINEPREFIX.keep"
    mkfifo "$WINEPREFIX.keep"
    wine cmd <"$WINEPREFIX.keep" >/dev/null 2>&1 &
    exec {KWELT_WINE_KEEPER}>"$WINEPREFIX.keep"
}

kwelt_wine_start() {
    local build=$1 qt=$2
    KWELT_WINE_WORK=$(mktemp -d)
    read -r DISPLAY KWELT_WINE_XVFB < <(start_private_x_display "$KWELT_WINE_WORK" 1280x1024x24)
    export DISPLAY
    mkdir -p "$build"
    kwelt_wine_prefix "$(cd "$build" && pwd)/wineprefix"
    # Windows programs find their DLLs on the PATH: Qt's, and the MinGW run time's.
    local runtime
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    export WINEPATH="Z:${qt//\//\\}\\bin;Z:${runtime//\//\\};Z:\\usr\\x86_64-w64-mingw32\\lib"
}

kwelt_wine_stop() {
    if [ -n "${KWELT_WINE_KEEPER:-}" ]; then exec {KWELT_WINE_KEEPER}>&-; fi
    wineserver --kill >/dev/null 2>&1 || true
    if [ -n "${KWELT_WINE_XVFB:-}" ]; then kill "$KWELT_WINE_XVFB" 2>/dev/null || true; fi
    [ -n "${KWELT_WINE_WORK:-}" ] && rm -rf "$KWELT_WINE_WORK"
    return 0
}
