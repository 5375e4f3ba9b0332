#!/usr/bin/env bash
# Takes a picture of the "Датчики" page with a configured sensor of an
# ОРВИК 5 "расширяемый" (kind 2), under a virtual X display.
#
#   scripts/screenshot-sensor-page.sh [BUILD_DIR] [OUT.png] [KIND]
#
# BUILD_DIR defaults to build/dev. Without Xvfb the picture is taken with
# Qt's offscreen platform instead.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/dev}"
out="${2:-$root/sensor-page.png}"
kind="${3:-2}"

cmake --build "$build" --target nastrum-sensor-page-preview >/dev/null
tool="$(find "$build" -name nastrum-sensor-page-preview -type f -perm -u+x | head -n 1)"
[ -n "$tool" ] || { echo "nastrum-sensor-page-preview was not built" >&2; exit 1; }

if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$tool" --kind "$kind" --out "$out"
else
  echo "xvfb-run not found: using the offscreen platform" >&2
  QT_QPA_PLATFORM=offscreen "$tool" --kind "$kind" --out "$out"
fi
echo "$out"
