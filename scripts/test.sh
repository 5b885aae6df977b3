#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build/dev -DCMAKE_BUILD_TYPE=Debug -DQUOBIX_WERROR=ON >/dev/null
cmake --build build/dev -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/dev --output-on-failure -j"$jobs"

# The sources must be formatted with the project's .clang-format.
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "format: ok"
