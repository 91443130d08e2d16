#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs each for SECONDS (default 30), one after another, from the seed corpora in
# fuzz/corpus/<target>. New inputs go to build-fuzz/corpus/<target>, crashes to
# build-fuzz/artifacts/; any finding fails the script.
#
#   tools/run-fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-30}
shift || true
TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
  # Every fuzz/fuzz_<name>.cpp is a target, except the corpus writer.
  for source in fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    [ "$name" = fuzz_make_corpus ] || TARGETS+=("$name")
  done
fi
DIR=build-fuzz

if [ ! -f "$DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVTSKIN_FUZZ=ON -DVTSKIN_TESTS=OFF -DVTSKIN_BENCH=OFF \
    -DVTSKIN_ASAN=ON -DVTSKIN_UBSAN=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link"
fi
cmake --build "$DIR" -j "$(nproc)" --target "${TARGETS[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$DIR/artifacts"
for target in "${TARGETS[@]}"; do
  echo "== $target for ${SECONDS_EACH}s"
  mkdir -p "$DIR/corpus/$target"
  status=0
  "$DIR/fuzz/$target" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$DIR/artifacts/$target-" \
    "$DIR/corpus/$target" $( [ -d "fuzz/corpus/$target" ] && echo "fuzz/corpus/$target" ) \
    >"$DIR/$target.log" 2>&1 || status=$?
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)" "$DIR/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$DIR/$target.log"
    echo "$target found a problem (log: $DIR/$target.log, input: $DIR/artifacts/)"
    exit 1
  fi
done
echo "Fuzz targets ran without findings."
