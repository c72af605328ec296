#!/usr/bin/env bash
# Installs the build into a scratch root and packs it as a Debian package, then checks what a
# desktop and apt would: the menu entries and AppStream files validate, the package holds the
# programs, menu entries, icons and metainfo, depends on Qt and the fonts, and lintian finds no
# error. Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
for app in savecalc loancalc; do
  desktop-file-validate "$scratch/root/usr/share/applications/io.github.quendrel.$app.desktop"
  appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/io.github.quendrel.$app.metainfo.xml" >/dev/null
done
echo "ok: menu entries and metainfo validate"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/deb" >/dev/null
deb=$(ls "$scratch"/deb/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for app in savecalc loancalc; do
  for path in bin/$app share/applications/io.github.quendrel.$app.desktop share/metainfo/io.github.quendrel.$app.metainfo.xml \
              share/icons/hicolor/{16x16,32x32}/apps/io.github.quendrel.$app.png; do
    grep -qxF "./usr/$path" <<<"$contents" || { echo "FAIL: the package lacks /usr/$path" >&2; exit 1; }
  done
done
echo "ok: the package holds both programs, their menu entries, icons and metainfo"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-arphic-gkai00mp fonts-arphic-gbsn00lp fonts-liberation; do
  grep -q "$needed" <<<"$depends" || { echo "FAIL: Depends lacks $needed: $depends" >&2; exit 1; }
done
echo "ok: Depends: $depends"

report=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || { echo "$report" >&2; echo "FAIL: lintian reports errors" >&2; exit 1; }
grep -v 'root privileges' <<<"$report" || true
echo "ok: lintian reports no error"
