#!/usr/bin/env bash
# Builds the release preset and times full reads of kinds 1 to 3 from
# orvik-sim over a pseudo-terminal paced at 9600 and 19200 baud (about five
# minutes). Arguments go to the benchmark, for example
#   bench/read_devices.sh --benchmark_filter='kind:2/baud_index:5'
# for the kind 2 read at 9600 baud alone.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target read_bench
exec build/release/bench/read_bench "$@"
