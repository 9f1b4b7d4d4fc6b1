#!/usr/bin/env bash
# Sets up, checks the layout of the C++ files, builds with warnings as errors
# and runs every test: once plainly and once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then builds the fuzz targets with clang and runs
# each for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${VELMO_SKIP_DEPS:-}" != "1" ]; then scripts/install-deps.sh; fi
# In a git checkout, diffs of the Shift_JIS goldens (diff=cp932 in
# .gitattributes) are shown decoded; the setting goes to this repository only.
if [ "$(git rev-parse --show-toplevel 2> /dev/null)" = "$(pwd -P)" ]; then
  git config diff.cp932.textconv "iconv -f CP932 -t UTF-8"
fi
scripts/check-format.sh
jobs=$(nproc)
for variant in plain asan; do
  dir="build-test-$variant"
  sanitize=OFF
  if [ "$variant" = asan ]; then sanitize=ON; fi
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMO_SANITIZE="$sanitize" -DVELMO_WERROR=ON
  cmake --build "$dir" -j "$jobs"
  # A hanging test fails after ten minutes; the slowest takes under ten seconds in the plain build.
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
done
scripts/fuzz.sh short
