#!/usr/bin/env bash
# Builds the Debian package from the source tree, checks what it holds and
# what it depends on, unpacks it into a scratch root and starts the programs
# from there.
#
#   tests/package/package_test.sh SOURCE_DIR WORK_DIR
#
# WORK_DIR keeps the release build between runs, so a rerun only rebuilds
# what changed (and ccache serves the rest).
set -euo pipefail

source_dir="$1"
work="$2"
build="$work/build"
root="$work/root"

fail() { echo "package test: $*" >&2; exit 1; }

mkdir -p "$work"
log="$work/steps.log"
step() { "$@" >"$log" 2>&1 || { tail -n 60 "$log" >&2; fail "failed: $*"; }; }

step cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DNASTRUM_TESTS=OFF -DNASTRUM_BENCH=OFF -DNASTRUM_SANITIZE=OFF
step cmake --build "$build" -j 2
rm -f "$build"/nastrum_*.deb
(cd "$build" && step cpack -G DEB)
deb="$(ls "$build"/nastrum_*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "no package was built"

listing="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for f in \
  ./usr/bin/nastrum ./usr/bin/nastrum-cli ./usr/bin/orvik-sim \
  ./usr/share/applications/nastrum.desktop \
  ./usr/share/icons/hicolor/scalable/apps/nastrum.svg \
  ./usr/share/mime/packages/nastrum.xml \
  ./usr/share/man/man1/nastrum-cli.1.gz ./usr/share/man/man1/orvik-sim.1.gz \
  ./usr/share/nastrum/help/index.html ./usr/share/nastrum/help/page_sensors.html; do
  grep -qxF "$f" <<<"$listing" || fail "$f is missing from $deb"
done

depends="$(dpkg-deb -f "$deb" Depends)"
# Qt's Russian translations are no library the programs link: named by hand.
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 qt6-translations-l10n; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

rm -rf "$root"
dpkg -x "$deb" "$root"
grep -q '^Exec=nastrum %f$' "$root/usr/share/applications/nastrum.desktop" || fail "desktop entry does not start nastrum with a file"
grep -q 'pattern="\*\.bfm"' "$root/usr/share/mime/packages/nastrum.xml" || fail "no type for .bfm files"
zcat "$root/usr/share/man/man1/nastrum-cli.1.gz" | grep -q '^\.TH NASTRUM-CLI 1' || fail "nastrum-cli.1 is no manual page"

version="$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/nastrum" --version 2>/dev/null)" || fail "the unpacked nastrum did not start"
grep -q '^nastrum [0-9]' <<<"$version" || fail "nastrum --version printed: $version"
"$root/usr/bin/nastrum-cli" new --kind 2 "$work/plant.bfm" --force >/dev/null || fail "nastrum-cli new failed"
[ -f "$work/plant.nam" ] || fail "nastrum-cli new wrote no names file"
"$root/usr/bin/orvik-sim" --help >/dev/null || fail "orvik-sim --help failed"
echo "package test: $(basename "$deb") is complete"
