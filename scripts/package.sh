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

# Each step's output is shown only when it fails; stdout carries the path alone.
mkdir -p "$build"
log="$build/package.log"
step() { "$@" >"$log" 2>&1 || { tail -n 60 "$log" >&2; echo "failed: $*" >&2; exit 1; }; }

step cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DNASTRUM_TESTS=OFF -DNASTRUM_BENCH=OFF -DNASTRUM_SANITIZE=OFF
step cmake --build "$build" -j "${NASTRUM_JOBS:-$(nproc)}"
rm -f "$build"/nastrum_*.deb
(cd "$build" && step cpack -G DEB)
ls -t "$build"/nastrum_*.deb | head -n 1
