#!/usr/bin/env bash
# Runs the benchmark suite on an optimised build and prints the table:
# operation, N, time, floor, ratio, peak memory (and hledger's and ledger's
# times on the same books where they are installed).
#   scripts/bench.sh [sizes, default 10000,100000] [extra Google Benchmark flags]
#   scripts/bench.sh long [extra flags]   # also the file reports over 1,000,000
set -euo pipefail
cd "$(dirname "$0")/.."
sizes="${1:-10000,100000}"
shift || true
reports=()
if [ "$sizes" = "long" ]; then
  sizes=10000,100000
  reports=(--report-transactions=1000000)
fi
if [ "${VELMO_SKIP_DEPS:-}" != "1" ]; then scripts/install-deps.sh; fi
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMO_WERROR=ON > /dev/null
cmake --build build-bench -j "$(nproc)" --target velmo_bench
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy build-bench/bench/velmo_bench \
  --transactions="$sizes" "${reports[@]}" --benchmark_min_time=0.5 --benchmark_color=false "$@"
