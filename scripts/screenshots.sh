#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the windows and message boxes to PNG files in screenshots/ (offscreen, no display
# needed): at the normal scale, and at twice the size as on a high-dpi screen. Where the
# Windows build exists (scripts/windows.sh), it renders them under Wine too, into
# screenshots/windows/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target kwelt_screenshots

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
mkdir -p screenshots/1x screenshots/2x
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" ./build/tests/ui/kwelt_screenshots screenshots/1x
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" QT_SCALE_FACTOR=2 ./build/tests/ui/kwelt_screenshots screenshots/2x

windows_tool=build-windows/tests/ui/kwelt_screenshots.exe
if [ -f "$windows_tool" ]; then
    qt=$(tail -n 1 build-windows/qt-build.log 2>/dev/null || true)
    [ -d "$qt" ] || qt=$(ls -d /var/cache/kwelt-windows/qt-* | head -n 1)
    mkdir -p screenshots/windows
    # shellcheck source=scripts/wine-env.sh
    source scripts/wine-env.sh
    trap 'kwelt_wine_stop; rm -rf "$runtime"' EXIT
    kwelt_wine_start build-windows "$qt"
    out="Z:$(pwd)/screenshots/windows"
    QT_QPA_PLATFORM=windows wine "$windows_tool" "${out//\//\\}" 2>/dev/null | tr -d '\r'
fi
