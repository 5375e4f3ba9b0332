#!/usr/bin/env bash
# Builds the release preset and times a full kind 2 write to orvik-sim over a
# pseudo-terminal paced at 9600 baud (several minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target write_kind2_bench
exec build/release/bench/write_kind2_bench "$@"
