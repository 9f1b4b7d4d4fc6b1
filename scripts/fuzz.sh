#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each of them:
#   scripts/fuzz.sh short   20 seconds each, part of scripts/test.sh
#   scripts/fuzz.sh long    10,000,000 inputs each
# Each target starts from the files in fuzz/corpus/<target>; a crash or a
# sanitizer report stops the run with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-short}"
case "$mode" in
  short) limit="-max_total_time=20" ;;
  long) limit="-runs=10000000" ;;
  *) echo "usage: $0 short|long" >&2; exit 2 ;;
esac
targets="text_code_fuzz settings_fuzz phrase_list_fuzz"
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVELMO_FUZZ=ON -DVELMO_TESTS=OFF -DVELMO_WERROR=ON > /dev/null
# shellcheck disable=SC2086
cmake --build build-fuzz -j "$(nproc)" --target $targets
for target in $targets; do
  work="build-fuzz/corpus/$target"
  mkdir -p "$work"
  start=$(date +%s)
  build-fuzz/fuzz/"$target" "$limit" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/$target-" "$work" "fuzz/corpus/$target" 2> "build-fuzz/$target.log" ||
    { tail -40 "build-fuzz/$target.log"; exit 1; }
  echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$target.log" | grep -o '[0-9]*$') inputs, $(( $(date +%s) - start )) s"
done
