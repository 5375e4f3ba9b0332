#!/usr/bin/env bash
# Takes the pictures of the README tour under a virtual X display:
# the main window, each tab, the exchange window during a read, the error
# window, a map (once the map window exists) and the help window.
#
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR defaults to build/release, OUT_DIR to docs/tour. Installs Xvfb
# when it is missing (install-deps.sh --screenshots); ./test does not need it.
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
# A fixed look on every machine: the Fusion style.
QT_STYLE_OVERRIDE=Fusion xvfb-run -a -s "-screen 0 1280x1024x24" "$tool" --out "$out"
