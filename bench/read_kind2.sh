#!/usr/bin/env bash
# Builds the release preset and times a full kind 2 read from orvik-sim over a
# pseudo-terminal paced at 9600 baud (about two minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target read_kind2_bench
exec build/release/bench/read_kind2_bench "$@"
