#!/usr/bin/env bash
# Installs what the program needs to build, run and test on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config \
  qt6-base-dev libgl-dev libsqlite3-dev libicu-dev libsdl2-dev \
  libgtest-dev libbenchmark-dev libcsv-dev fonts-ipafont-gothic \
  clang-14 libclang-rt-14-dev clang-format-14
