#!/usr/bin/env bash
# Makes the Debian package in a Release build folder and checks it: lintian
# reports no error, the package holds both programs (stripped), their manual
# pages, the desktop entries, the metainfo, the puzzle file type, the icons,
# the shipped puzzles, the web page and Debian's copyright and changelog, and
# its dependencies came from dpkg-shlibdeps plus the fonts; it recommends the
# Wayland plugin and Qt's translations.
# Usage: tools/check-package.sh BUILD_FOLDER
set -euo pipefail
build="${1:?usage: $0 BUILD_FOLDER}"
cd "$build"

rm -f torvaly-puzzle_*.deb
cpack -G DEB
packages=(torvaly-puzzle_*.deb)
deb="${packages[0]}"
echo "check-package.sh: checking $deb"

failed=0
fail() {
  echo "check-package.sh: $*" >&2
  failed=1
}

# lintian exits non-zero on errors too, but say which: its E: lines.
lintian_log="$(lintian --fail-on none "$deb" 2>&1)"
[ -n "$lintian_log" ] && echo "$lintian_log"
if grep -q '^E: ' <<<"$lintian_log"; then
  fail "lintian reports errors"
fi

app_id="$(sed -n 's/^TORVALY_APP_ID:INTERNAL=//p' CMakeCache.txt)"
[ -n "$app_id" ] || fail "no TORVALY_APP_ID in $build/CMakeCache.txt"
contents="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
for path in \
  ./usr/bin/torvaly-puzzle \
  ./usr/bin/torvaly-solve \
  ./usr/share/man/man1/torvaly-puzzle.1.gz \
  ./usr/share/man/man1/torvaly-solve.1.gz \
  "./usr/share/applications/$app_id.desktop" \
  "./usr/share/applications/$app_id.Play.desktop" \
  "./usr/share/mime/packages/$app_id.xml" \
  "./usr/share/metainfo/$app_id.metainfo.xml" \
  "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  "./usr/share/icons/hicolor/16x16/apps/$app_id.png" \
  "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
  ./usr/share/torvaly-puzzle/puzzles/alcuin.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/chain.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/couples.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/family.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/five-couples.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/missionaries.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/night.crossing.toml \
  ./usr/share/torvaly-puzzle/puzzles/wolf.crossing.toml \
  ./usr/share/torvaly-puzzle/web/index.html \
  ./usr/share/torvaly-puzzle/web/style.css \
  ./usr/share/torvaly-puzzle/web/layout.js \
  ./usr/share/torvaly-puzzle/web/picture.js \
  ./usr/share/torvaly-puzzle/web/link.js \
  ./usr/share/torvaly-puzzle/web/page.js \
  ./usr/share/torvaly-puzzle/web/torvaly-web.js \
  ./usr/share/doc/torvaly-puzzle/copyright \
  ./usr/share/doc/torvaly-puzzle/changelog.Debian.gz; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

depends="$(dpkg-deb -f "$deb" Depends)"
for package in fonts-ipafont-gothic fonts-noto-color-emoji libc6 libqt6widgets6; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
for package in qt6-wayland qt6-translations-l10n; do
  grep -qE "(^|, )$package( |,|$)" <<<"$recommends" || fail "Recommends lacks $package: $recommends"
done

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for program in torvaly-puzzle torvaly-solve; do
  file "$unpacked/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done

[ "$failed" -eq 0 ] || exit 1
echo "check-package.sh: $deb is complete and lintian reports no error"
