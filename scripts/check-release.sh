#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What CI checks on each Debian release: the README's test command, then the Debian package
# built, installed and started; with --reproduce, also built a second time alike.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/test.sh
bash scripts/check-packaging.sh "$@"
