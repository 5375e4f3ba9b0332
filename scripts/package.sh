#!/usr/bin/env bash
# Builds the Debian package of the program and prints its path.
#
#   scripts/package.sh [BUILD_DIR]
#
# A release build without tests in BUILD_DIR (build/package by default);
# the package holds nastrum, nastrum-cli, orvik-sim, the desktop entry, the
# type of the settings files, the help and the manual pages. Install it with
#   sudo apt-get install ./nastrum_*.deb     (or ./run --install)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/package}"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DNASTRUM_TESTS=OFF -DNASTRUM_BENCH=OFF -DNASTRUM_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "${NASTRUM_JOBS:-$(nproc)}" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
ls -t "$build"/nastrum_*.deb | head -n 1
