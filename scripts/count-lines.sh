#!/usr/bin/env bash
# Non-blank lines of C++, Python and shell: the tests against the code they test.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \) -print0 |
    xargs -0 cat | grep -cv '^[[:space:]]*$'
}
tests=$(count tests)
code=$(count src tools bench fuzz)
echo "tests $tests, code $code: $((100 * tests / code))%"
