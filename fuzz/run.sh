#!/usr/bin/env bash
# Builds the fuzz targets (clang, AddressSanitizer + UBSan) and runs each for SECONDS seconds (default
# 60) from its committed seeds and the shared dictionary. Any crash, sanitizer report, leak, timeout
# or broken promise fails the run; the input that found it is kept in the build folder.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KESTRIGO_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRIGO_FUZZ=ON -DKESTRIGO_BENCH=OFF > /dev/null
cmake --build "$build" -j "$(nproc)" --target kestrigo_fuzzers

findings="$build/fuzz-findings"
mkdir -p "$findings"
failed=0
for source in "$root"/fuzz/*_fuzz.cpp; do
  target="$(basename "$source" .cpp)"
  # New inputs go to a scratch folder, so the committed seeds stay as they are.
  scratch="$build/fuzz-corpus/$target"
  mkdir -p "$scratch"
  echo "== $target: ${seconds} s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
      -dict="$root/fuzz/kestrigo.dict" -artifact_prefix="$findings/$target-" -print_final_stats=1 \
      "$scratch" "$root/fuzz/corpus/$target" 2> "$build/$target.log"; then
    tail -n 40 "$build/$target.log"
    echo "FAILED: $target (inputs in $findings)"
    failed=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$target.log" || true
  fi
done
exit "$failed"
