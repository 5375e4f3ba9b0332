#!/usr/bin/env bash
# Takes the pictures of the README tour on the offscreen platform, with one
# 1280×1024 screen:
# the main window, each tab, the exchange window during a read, the error
# window, a map (once the map window exists) and the help window.
#
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build/release, OUT_DIR to docs/tour. Installs the
# fonts when they are missing (install-deps.sh --screenshots); ./test does not need them.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
out="${2:-$root/docs/tour}"

"$root/scripts/install-deps.sh" --screenshots

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNASTRUM_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target nastrum-screenshots >/dev/null
tool="$(find "$build" -name nastrum-screenshots -type f -perm -u+x | head -n 1)"
[ -n "$tool" ] || { echo "nastrum-screenshots was not built" >&2; exit 1; }

mkdir -p "$out"
screen="$(mktemp --suffix=.json)"
trap 'rm -f "$screen"' EXIT
cat >"$screen" <<'JSON'
{"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024,
              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}
JSON
# A fixed look on every machine: the Fusion style. The program's own settings
# file is not read: the tool starts the windows as at a first start.
QT_STYLE_OVERRIDE=Fusion QT_QPA_PLATFORM="offscreen:configfile=$screen" "$tool" --out "$out"
