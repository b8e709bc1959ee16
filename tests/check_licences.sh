#!/bin/bash
# SPDX-FileCopyrightText: 2026 kwelt developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every file of kwelt's own says its licence, the REUSE way. kwelt's own files are those git
# tracks: reuse lint judges a copy of just those, so that a packager's debian/ folder or a build
# folder inside the tree is no concern of it. Outside a git checkout it cannot tell them apart.
#   check_licences.sh SOURCE_DIR
set -euo pipefail
source=$1
if ! command -v reuse >/dev/null || ! command -v git >/dev/null; then
    echo "SKIP: reuse or git is missing (scripts/install-deps.sh installs them)"
    exit 77
fi
if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" != "$(cd "$source" && pwd -P)" ]; then
    echo "SKIP: $source is no git checkout, so kwelt's own files cannot be told from others"
    exit 77
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git -C "$source" ls-files -z | (cd "$source" && xargs -0 cp --parents -t "$copy")
reuse --root "$copy" lint
