#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds kwelt and runs every test. With everything installed, no test
# may skip, but for the few skips that tests/skips_by_design.txt lists.
#   scripts/test.sh          optimised build in build/
#   scripts/test.sh asan     AddressSanitizer and UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

bash scripts/install-deps.sh
# Time stamps in what is built (the program's resources) are the last commit's.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH
cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)"
# Every test's whole output, passed or not, goes into the results that the skip check reads.
build=build
[ "$preset" = default ] || build=build-$preset
ctest --preset "$preset" --parallel "$(nproc)" --output-junit ctest-results.xml --test-output-size-passed 100000000
/usr/bin/python3 tests/check_skips.py "$build/ctest-results.xml"
