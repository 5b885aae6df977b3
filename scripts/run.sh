#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake --preset release >/dev/null
cmake --build build/release --target quobix-editor -j"$(nproc)"
exec build/release/quobix-editor "$@"
