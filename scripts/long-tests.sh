#!/usr/bin/env bash
# The long runs that scripts/test.sh only samples: the crash test with 1,000
# kills for each kind of work (recording, correcting, re-creating the opening
# balance sheet), 1,000 kills during the start-up backup of a large book (every
# backup left must be whole) and 10,000,000 fuzz inputs for each fuzz target.
#   scripts/long-tests.sh [kills, default 1000]
set -euo pipefail
cd "$(dirname "$0")/.."
kills="${1:-1000}"
if [ "${VELMO_SKIP_DEPS:-}" != "1" ]; then scripts/install-deps.sh; fi
cmake -S . -B build-test-plain -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMO_WERROR=ON > /dev/null
cmake --build build-test-plain -j "$(nproc)" --target program_process_test
start=$(date +%s)
# QTEST_FUNCTION_TIMEOUT: a day, instead of the five minutes a test function may take by default.
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELMO_CRASH_KILLS="$kills" QTEST_FUNCTION_TIMEOUT=86400000 \
  build-test-plain/tests/reliability/program_process_test nothingConfirmedIsLostWhenTheProgramIsKilled
echo "crash test: $(( $(date +%s) - start )) s"
start=$(date +%s)
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELMO_BACKUP_KILLS="$kills" QTEST_FUNCTION_TIMEOUT=86400000 \
  build-test-plain/tests/reliability/program_process_test aBackupCutOffByAKillNeverCountsAsOne
echo "backup kill test: $(( $(date +%s) - start )) s"
scripts/fuzz.sh long
