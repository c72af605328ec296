#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and packs it as a Debian package, then checks what a
# desktop, man and apt would see, and that lintian finds no error. Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
for app in savecalc loancalc; do
  desktop-file-validate "$scratch/root/usr/share/applications/io.github.quendrel.$app.desktop"
  appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/io.github.quendrel.$app.metainfo.xml" >/dev/null
done
for page in "savecalc 零存整取存款计算器" "loancalc 等额分期还款计算器"; do
  set -- $page
  MANPATH="$scratch/root/usr/share/man" man -L zh_CN -P cat "$1" 2>/dev/null | grep -q "$2" || { echo "FAIL: man -L zh_CN $1 is not its Chinese page" >&2; exit 1; }
done
echo "ok: menu entries and metainfo validate; man -L zh_CN shows each program's page in Chinese"
# At any width, no option, variable or grouped figure is broken, and no blank falls inside Chinese
# text (between Chinese characters or after Chinese punctuation), as a broken source line leaves.
chinese_punctuation='[\x{3000}-\x{303F}\x{FF00}-\x{FFEF}\x{2018}-\x{201D}]'
for app in savecalc loancalc; do
  for language in en zh_CN; do
    for width in $(seq 50 10 140); do
      page=$(MANPATH="$scratch/root/usr/share/man" MANWIDTH=$width man -L $language -P cat $app 2>/dev/null)
      for option in -h --help -v --version; do
        grep -qe "^ *$option\b\|, $option\b" <<<"$page" || { echo "FAIL: man -L $language $app does not list $option" >&2; exit 1; }
      done
      whole=(-platform -reverse DISPLAY WAYLAND_DISPLAY)
      [ $app = savecalc ] && whole+=("1 000")
      for word in "${whole[@]}"; do
        grep -qF -- "$word" <<<"$page" || { echo "FAIL: man -L $language $app breaks '$word' at width $width" >&2; exit 1; }
      done
      stray=$(LC_ALL=C.UTF-8 grep -P "\p{Han}\h+\p{Han}|$chinese_punctuation\h+\S" <<<"$page" || true)
      [ -z "$stray" ] || { echo "FAIL: man -L $language $app has stray blanks in Chinese:" >&2; echo "$stray" >&2; exit 1; }
    done
  done
done
echo "ok: each manual page lists the options, breaks none of them, and has no blank inside Chinese text"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/deb" >/dev/null
deb=$(ls "$scratch"/deb/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for app in savecalc loancalc; do
  for path in bin/$app share/applications/io.github.quendrel.$app.desktop share/metainfo/io.github.quendrel.$app.metainfo.xml \
              share/icons/hicolor/{16x16,32x32}/apps/io.github.quendrel.$app.png share/man/{,zh_CN/}man1/$app.1.gz; do
    grep -qxF "./usr/$path" <<<"$contents" || { echo "FAIL: the package lacks /usr/$path" >&2; exit 1; }
  done
done
echo "ok: the package holds both programs, their menu entries, icons, metainfo and manual pages"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-arphic-gkai00mp fonts-arphic-gbsn00lp fonts-liberation; do
  grep -q "$needed" <<<"$depends" || { echo "FAIL: Depends lacks $needed: $depends" >&2; exit 1; }
done
echo "ok: Depends: $depends"

report=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || { echo "$report" >&2; echo "FAIL: lintian reports errors" >&2; exit 1; }
grep -v 'root privileges' <<<"$report" || true
echo "ok: lintian reports no error"
