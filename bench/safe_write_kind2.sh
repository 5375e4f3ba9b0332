#!/usr/bin/env bash
# Builds the release preset and times a safe write (backup read, one changed
# sensor, read-back) of a kind 2 device to orvik-sim over a pseudo-terminal
# paced at 9600 baud (a minute or two).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release --target safe_write_kind2_bench
exec build/release/bench/safe_write_kind2_bench "$@"
