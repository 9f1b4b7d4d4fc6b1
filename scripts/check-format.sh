#!/usr/bin/env bash
# Fails, naming each place, when a C++ file is not laid out as .clang-format
# says. Part of scripts/test.sh; clang-format-14 is the version Debian 12 ships,
# and another version may lay out the same file differently.
#   scripts/check-format.sh
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
  xargs -0 clang-format-14 --style=file --dry-run --Werror
