#!/usr/bin/env bash
# Sets up, builds and lays out the installation tree in ./install, then
# starts the program there on its bundled database.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${VELMO_SKIP_DEPS:-}" != "1" ]; then scripts/install-deps.sh; fi
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMO_TESTS=OFF -DVELMO_WERROR=OFF
cmake --build build-release -j "$(nproc)"
cmake --install build-release --prefix "$PWD/install"
exec install/bin/VelmoAccount
