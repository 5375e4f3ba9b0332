#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
#   scripts/install-deps.sh                what ./run and ./test need
#   scripts/install-deps.sh --screenshots  and what the screenshot scripts need
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev libqt6serialport6 libqt6printsupport6 libgl-dev
  qt6-translations-l10n  # Qt's own windows in Russian (qtbase_ru)
  libgtest-dev libgmock-dev libbenchmark-dev
  unzip  # tests/maps: looks inside the OpenDocument export
  dpkg-dev  # the package test: cpack's dependency lookup (dpkg-shlibdeps)
)
if [ "${1:-}" = "--screenshots" ]; then
  packages+=(xvfb xauth fonts-dejavu-core)  # scripts/screenshot*.sh
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
