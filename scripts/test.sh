#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once with warnings as errors, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; checks the formatting and fuzzes the reader.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake --preset dev >/dev/null
cmake --build build/dev -j"$jobs"
ctest --test-dir build/dev --output-on-failure -j"$jobs"

cmake --preset asan >/dev/null
cmake --build build/asan -j"$jobs"
# Qt's and fontconfig's own allocations that live until exit are not the editor's leaks.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" -E installed-tree

# The sources must be formatted with the project's .clang-format.
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "format: ok"

# A minute of fuzzing for the level reader where clang is installed (libFuzzer, ASan, UBSan).
if command -v clang++ >/dev/null 2>&1; then
  cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUOBIX_FUZZ=ON -DQUOBIX_SANITIZE=address,undefined \
    -DQUOBIX_TESTS=OFF -DQUOBIX_BENCH=OFF >/dev/null
  cmake --build build/fuzz --target fuzz_reader -j"$jobs"
  mkdir -p build/fuzz/corpus
  if ! build/fuzz/fuzz/fuzz_reader build/fuzz/corpus fuzz/corpus -max_total_time=60 \
    -artifact_prefix=build/fuzz/ -print_final_stats=1 >build/fuzz/fuzz.log 2>&1; then
    cat build/fuzz/fuzz.log
    exit 1
  fi
  grep -E '^(Done|stat::new_units_added)' build/fuzz/fuzz.log
else
  echo "fuzz: skipped (no clang++)"
fi
