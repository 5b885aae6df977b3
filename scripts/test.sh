#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once with warnings as errors, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; checks the formatting and fuzzes the reader
# and the writer (QUOBIX_FUZZ_SECONDS each, 60 by default). Prints how long each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
fuzz_seconds=${QUOBIX_FUZZ_SECONDS:-60}
export QT_QPA_PLATFORM=offscreen

started=$SECONDS
stage_start=$SECONDS
stage() { # name: ends the stage that ran since the last call
  echo "== $1: $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}

scripts/deps.sh test
stage "packages"

cmake --preset dev >/dev/null
cmake --build build/dev -j"$jobs"
stage "dev build"
ctest --test-dir build/dev --output-on-failure -j"$jobs"
stage "dev tests"

cmake --preset asan >/dev/null
cmake --build build/asan -j"$jobs"
stage "asan build"
# Qt's and fontconfig's own allocations that live until exit are not the editor's leaks.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" -E installed-tree
stage "asan tests"

# The sources must be formatted with the project's .clang-format, by the formatter it was made for.
git ls-files -- '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
echo "format: ok"
stage "format"

# libFuzzer with ASan and UBSan on the level reader and the level writer.
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DQUOBIX_FUZZ=ON -DQUOBIX_SANITIZE=address,undefined \
  -DQUOBIX_TESTS=OFF -DQUOBIX_BENCH=OFF >/dev/null
cmake --build build/fuzz --target fuzz_reader fuzz_writer -j"$jobs"
stage "fuzz build"
for target in fuzz_reader fuzz_writer; do
  mkdir -p "build/fuzz/corpus-$target"
  if ! "build/fuzz/fuzz/$target" "build/fuzz/corpus-$target" "fuzz/corpus" \
    -max_total_time="$fuzz_seconds" -artifact_prefix="build/fuzz/$target-" \
    -print_final_stats=1 >"build/fuzz/$target.log" 2>&1; then
    cat "build/fuzz/$target.log"
    exit 1
  fi
  echo "$target:"
  grep -E '^(Done|stat::new_units_added)' "build/fuzz/$target.log"
  stage "$target"
done
echo "== all stages: $((SECONDS - started)) s"
