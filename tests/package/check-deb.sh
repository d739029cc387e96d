#!/usr/bin/env bash
# Builds the .deb from BUILD_DIR, unpacks it into a fresh folder, runs the
# packaged kestrion-cli, and lets lintian look for errors.
#   check-deb.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log"
deb=$(ls "$work"/kestrion_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --info "$deb" | grep -E '^ (Version|Depends):'

contents=$(dpkg-deb --contents "$deb")
for path in usr/bin/kestrion usr/bin/kestrion-cli usr/share/applications/org.kestrion.Kestrion.desktop \
            usr/share/metainfo/org.kestrion.Kestrion.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.kestrion.Kestrion.svg \
            usr/share/icons/hicolor/48x48/apps/org.kestrion.Kestrion.png \
            usr/share/man/man1/kestrion-cli.1.gz usr/share/doc/kestrion/copyright; do
  grep -q " \./$path\$" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done

dpkg-deb -x "$deb" "$work/root"
out=$("$work/root/usr/bin/kestrion-cli" HScroll17=50 HScroll18=0 HScroll19=20)
grep -q '"el":"29.6","az":"154.58","offset":"-16.1","rsat":"38710"' <<<"$out" ||
  { echo "the packaged kestrion-cli answered: $out"; exit 1; }
echo "the packaged kestrion-cli computes"

lintian --fail-on error --tag-display-limit 0 "$deb" | tee "$work/lintian.log"
echo "lintian: no errors ($(grep -c '^W:' "$work/lintian.log" || true) warnings)"
