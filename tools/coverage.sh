#!/usr/bin/env bash
# Measures line coverage of src/ by the test suite: builds everything with clang's source-based
# coverage in build-cov, runs the ctest suite (one raw profile per process), merges the
# profiles and prints line coverage per library of src/ and in total.
#
#   tools/coverage.sh [CTEST-ARGUMENTS...]      e.g. tools/coverage.sh -R vt_skin
#   tools/coverage.sh --report                  the figures of the last run again
#
# The per-file figures are left in build-cov/coverage-files.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

LLVM_VERSION=14
PROFDATA=llvm-profdata-$LLVM_VERSION
COV=llvm-cov-$LLVM_VERSION
for tool in clang++ "$PROFDATA" "$COV"; do
  command -v "$tool" >/dev/null || { echo "coverage.sh: $tool is missing (tools/deps.sh installs it)" >&2; exit 1; }
done

DIR=build-cov
PROFILES="$PWD/$DIR/profiles"
# Coverage mapping records the build folder, so a compiled object is shared through ccache only
# with this same folder, never with another checkout's.
export CCACHE_HASHDIR=true

build_and_run_tests() {
  if [ ! -f "$DIR/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$DIR" -G Ninja -DCMAKE_BUILD_TYPE= \
      -DVTSKIN_BENCH=OFF -DVTSKIN_TESTS=ON \
      -DCMAKE_CXX_FLAGS="-O1 -fprofile-instr-generate -fcoverage-mapping" \
      -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate"
  fi
  # Programs run during the build (the demo-skin generator) keep their counts out of the way.
  LLVM_PROFILE_FILE="$PWD/$DIR/build-time.profraw" cmake --build "$DIR" -j "$(nproc)"
  # Programs of targets that no longer exist would lend the report their stale coverage
  # mapping (functions of the same name with other hashes count as never run).
  ninja -C "$DIR" -t cleandead >/dev/null
  # Every process writes its own raw profile (%p: process id, %m: binary), so parallel tests
  # and the test-discovery runs never overwrite each other's counts.
  rm -rf "$PROFILES"
  mkdir -p "$PROFILES"
  LLVM_PROFILE_FILE="$PROFILES/%p-%m.profraw" QT_QPA_PLATFORM=offscreen \
    ctest --test-dir "$DIR" -j "$(nproc)" --output-on-failure "$@" >"$DIR/ctest.log" 2>&1 ||
    status=$?
  tail -n 3 "$DIR/ctest.log"
  [ $status -eq 0 ] ||
    echo "coverage.sh: some tests failed (see $DIR/ctest.log); coverage is still reported" >&2
}

status=0
if [ "${1:-}" = --report ]; then shift; else build_and_run_tests "$@"; fi

shopt -s nullglob
raw=("$PROFILES"/*.profraw)
[ ${#raw[@]} -gt 0 ] || { echo "coverage.sh: no profiles were written" >&2; exit 1; }
"$PROFDATA" merge -sparse "${raw[@]}" -o "$DIR/coverage.profdata"

# Every instrumented program of the build: the tests and the thin apps.
objects=()
while IFS= read -r binary; do
  if [ ${#objects[@]} -eq 0 ]; then objects+=("$binary"); else objects+=(-object "$binary"); fi
done < <(find "$DIR/tests" "$DIR/apps" -type f -executable -not -path '*/CMakeFiles/*' | sort)

# Headers are reached through the generated include roots (build-cov/include/<lib>/<lib>), so
# a file may appear under two names; both are folded onto src/<lib>/<file>, keeping the better
# count of the two. The per-file table goes to build-cov/coverage-files.txt.
"$COV" export "${objects[@]}" -instr-profile="$DIR/coverage.profdata" -summary-only \
  >"$DIR/coverage.json"
python3 - "$DIR/coverage.json" "$DIR/coverage-files.txt" "$PWD" "$PWD/$DIR" <<'PYTHON'
import collections, json, os, re, sys

root, build = (re.escape(path) for path in sys.argv[3:5])
library_file = re.compile(rf"^(?:{root}/src|{build}/include/\w+)/(\w+)/([^/]+)$")
files = {}
for entry in json.load(open(sys.argv[1]))["data"][0]["files"]:
    # The compiler may record a path through the build folder ("build-cov/../src/...").
    match = library_file.match(os.path.normpath(entry["filename"]))
    if not match:
        continue
    name = f"src/{match.group(1)}/{match.group(2)}"
    lines = entry["summary"]["lines"]
    if name not in files or lines["covered"] > files[name][1]:
        files[name] = (lines["count"], lines["covered"])

totals = collections.defaultdict(lambda: [0, 0])
with open(sys.argv[2], "w") as table:
    for name, (count, covered) in sorted(files.items()):
        table.write(f"{name:60} {count:7} {covered:7}\n")
        for key in (name.split("/")[1], "total"):
            totals[key][0] += count
            totals[key][1] += covered

print(f"{'library':12} {'lines':>8} {'missed':>8} {'cover':>8}")
for key in sorted(k for k in totals if k != "total") + ["total"]:
    count, covered = totals[key]
    print(f"{key:12} {count:8} {count - covered:8} {100.0 * covered / max(count, 1):7.2f}%")
PYTHON
exit $status
