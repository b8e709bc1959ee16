# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# shellcheck shell=bash
# Sourced by the long scripts:
#   step TEXT   announces the next step, with how long the script has run so far
step() { printf '\n== %s (%d s)\n' "$*" "$SECONDS"; }
