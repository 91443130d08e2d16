#!/usr/bin/env bash
# Measures line coverage of src/ by the test suite: builds everything with clang's source-based
# coverage in build-cov, runs the ctest suite (one raw profile per process), merges the
# profiles and prints line coverage per library of src/ and in total.
#
#   tools/coverage.sh [CTEST-ARGUMENTS...]      e.g. tools/coverage.sh -R vt_skin
#
# The per-file report is left in build-cov/coverage-files.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

LLVM_VERSION=14
PROFDATA=llvm-profdata-$LLVM_VERSION
COV=llvm-cov-$LLVM_VERSION
for tool in clang++ "$PROFDATA" "$COV"; do
  command -v "$tool" >/dev/null || { echo "coverage.sh: $tool is missing (tools/deps.sh installs it)" >&2; exit 1; }
done

DIR=build-cov
# Coverage mapping records the build folder, so a compiled object is shared through ccache only
# with this same folder, never with another checkout's.
export CCACHE_HASHDIR=true
FLAGS="-O1 -fprofile-instr-generate -fcoverage-mapping"
if [ ! -f "$DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$DIR" -G Ninja -DCMAKE_BUILD_TYPE= \
    -DVTSKIN_BENCH=OFF -DVTSKIN_TESTS=ON \
    -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate"
fi
cmake --build "$DIR" -j "$(nproc)"

# Every process writes its own raw profile (%p: process id, %m: binary), so parallel tests and
# the test-discovery runs never overwrite each other's counts.
PROFILES="$PWD/$DIR/profiles"
rm -rf "$PROFILES"
mkdir -p "$PROFILES"
status=0
LLVM_PROFILE_FILE="$PROFILES/%p-%m.profraw" QT_QPA_PLATFORM=offscreen \
  ctest --test-dir "$DIR" -j "$(nproc)" --output-on-failure "$@" >"$DIR/ctest.log" 2>&1 || status=$?
tail -n 3 "$DIR/ctest.log"
[ $status -eq 0 ] || echo "coverage.sh: some tests failed (see $DIR/ctest.log); coverage is still reported" >&2

shopt -s nullglob
raw=("$PROFILES"/*.profraw)
[ ${#raw[@]} -gt 0 ] || { echo "coverage.sh: no profiles were written" >&2; exit 1; }
"$PROFDATA" merge -sparse "${raw[@]}" -o "$DIR/coverage.profdata"

# Every instrumented program of the build: the tests and the thin apps.
objects=()
while IFS= read -r binary; do
  if [ ${#objects[@]} -eq 0 ]; then objects+=("$binary"); else objects+=(-object "$binary"); fi
done < <(find "$DIR/tests" "$DIR/apps" -type f -executable -not -path '*/CMakeFiles/*' | sort)

report() { "$COV" report "${objects[@]}" -instr-profile="$DIR/coverage.profdata" "$@"; }
# The TOTAL row of llvm-cov's table: the last three columns are lines, missed lines, cover.
line_totals() { report "$@" | awk '/^TOTAL/ { print $(NF-5), $(NF-4), $(NF-3) }'; }

report src >"$DIR/coverage-files.txt"
printf '%-12s %8s %8s %8s\n' library lines missed cover
for lib in src/*/; do
  lib=${lib%/}
  read -r lines missed cover < <(line_totals "$lib")
  printf '%-12s %8s %8s %8s\n' "${lib#src/}" "$lines" "$missed" "$cover"
done
read -r lines missed cover < <(line_totals src)
printf '%-12s %8s %8s %8s\n' total "$lines" "$missed" "$cover"
exit $status
