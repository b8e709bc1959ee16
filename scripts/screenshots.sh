#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the windows and message boxes to PNG files in screenshots/ (offscreen, no display
# needed): at the normal scale, and at twice the size as on a high-dpi screen.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target kwelt_screenshots

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
mkdir -p screenshots/1x screenshots/2x
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime"
./build/tests/ui/kwelt_screenshots screenshots/1x
QT_SCALE_FACTOR=2 ./build/tests/ui/kwelt_screenshots screenshots/2x
