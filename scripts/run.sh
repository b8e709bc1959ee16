#!/usr/bin/env bash
# Installs what is missing, builds kwelt and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)" --target kwelt
exec ./build/app/kwelt
