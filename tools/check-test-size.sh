#!/usr/bin/env bash
# Keeps the test suite in proportion to the code it tests: fails when the lines of tests/
# exceed LIMIT percent of the lines of src/, tools/ and apps/ together. Golden images and
# test data are not counted; only the text a developer writes and reads.
#
#   tools/check-test-size.sh [PROJECT-DIR] [LIMIT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
limit=${2:-35}

count_lines() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \
    -o -name '*.cmake' -o -name CMakeLists.txt \) -print0 | xargs -0 cat | wc -l
}

tests=$(count_lines tests)
code=$(count_lines src tools apps)
allowed=$((limit * code / 100))
percent=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.1f", 100 * t / c }')
echo "tests/: $tests lines; src/ + tools/ + apps/: $code lines; tests are $percent % of the code"
if [ "$tests" -gt "$allowed" ]; then
  echo "the tests are $((tests - allowed)) lines over $limit % of the code: merge same-shaped" \
    "cases into tables, drop tests that restate the code"
  exit 1
fi
