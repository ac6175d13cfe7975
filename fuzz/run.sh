#!/usr/bin/env bash
# Builds the fuzz targets (clang, AddressSanitizer + UBSan) and runs each for SECONDS seconds (default
# 60) from its committed seeds and the shared dictionary, as many at a time as there are cores. Any
# crash, sanitizer report, leak, timeout or broken promise fails the run; the input that found it is
# kept in the build folder.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KESTRIGO_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRIGO_FUZZ=ON -DKESTRIGO_BENCH=OFF -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" -j "$(nproc)" --target kestrigo_fuzzers

findings="$build/fuzz-findings"
mkdir -p "$findings"

# Runs one target and reports on it in one block, so parallel runs do not mix their lines.
run_target() {
  local target=$1 report
  # New inputs go to a scratch folder, so the committed seeds stay as they are.
  local scratch="$build/fuzz-corpus/$target"
  mkdir -p "$scratch"
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
      -dict="$root/fuzz/kestrigo.dict" -artifact_prefix="$findings/$target-" -print_final_stats=1 \
      "$scratch" "$root/fuzz/corpus/$target" 2> "$build/$target.log"; then
    report=$(grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$target.log" || true)
    printf '== %s: %s s\n%s\n' "$target" "$seconds" "$report"
  else
    printf '== %s: %s s\n%s\nFAILED: %s (inputs in %s)\n' "$target" "$seconds" \
      "$(tail -n 40 "$build/$target.log")" "$target" "$findings"
    return 1
  fi
}
export -f run_target
export build root seconds findings

for source in "$root"/fuzz/*_fuzz.cpp; do basename "$source" .cpp; done |
  xargs -P "$(nproc)" -I{} bash -c 'run_target {}'
