#!/usr/bin/env bash
# Builds the release preset and times a scan of network numbers 1 to 32 at
# 9600 baud with three devices of three kinds on orvik-sim's paced
# pseudo-terminal (about a minute), against the floor of its identifications.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target scan_bench
exec build/release/bench/scan_bench "$@"
