#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUOBIX_TESTS=OFF -DQUOBIX_BENCH=OFF >/dev/null
cmake --build build/release --target quobix-editor -j"$(nproc)"
exec build/release/quobix-editor "$@"
