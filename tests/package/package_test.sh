#!/usr/bin/env bash
# The Debian package as a clerk's machine gets it: unpacked into a scratch root, it holds
# the programs, the menu entry, the icon, the metadata and the manual pages, and the
# programs it installs run with the system's Qt and round-trip every card type.
# package_test.sh BUILD_DIR VERSION. Skipped (77) where no package was built:
# `scripts/package` builds one and runs this test.
set -euo pipefail
build_dir=$1
version=$2

debs=("$build_dir"/zorvat_"$version"_*.deb)
if [ ! -f "${debs[0]}" ]; then
  echo "skipped: no zorvat_${version}_*.deb in $build_dir; ./scripts/package builds the package and runs this test"
  exit 77
fi
if ! command -v dpkg-deb >/dev/null; then
  echo "skipped: dpkg-deb is not installed"
  exit 77
fi
deb=${debs[0]}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

for f in usr/bin/zorvat usr/bin/zorvat-card \
         usr/share/applications/zorvat.desktop \
         usr/share/metainfo/ua.zorvat.zorvat.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/zorvat.svg \
         usr/share/icons/hicolor/16x16/apps/zorvat.png \
         usr/share/icons/hicolor/48x48/apps/zorvat.png \
         usr/share/icons/hicolor/256x256/apps/zorvat.png \
         usr/share/man/man1/zorvat.1.gz usr/share/man/man1/zorvat-card.1.gz \
         usr/share/mime/packages/zorvat.xml \
         usr/share/doc/zorvat/examples/RK_sample.txt usr/share/doc/zorvat/examples/OKD_sample.txt \
         usr/share/doc/zorvat/copyright usr/share/doc/zorvat/changelog.gz; do
  [ -f "$root/$f" ] || fail "$f is not in the package"
done
grep -qx 'Exec=zorvat %F' "$root/usr/share/applications/zorvat.desktop" || fail "the menu entry does not start zorvat"
grep -qx 'MimeType=text/x-zorvat-card;' "$root/usr/share/applications/zorvat.desktop" || fail "the menu entry takes no card files"
grep -q '^License: GPL-3+' "$root/usr/share/doc/zorvat/copyright" || fail "the copyright file names no GPL-3+"
grep -q 'GPL-3.0-or-later' "$root/usr/share/metainfo/ua.zorvat.zorvat.metainfo.xml" || fail "the metadata names no licence"
zcat "$root/usr/share/man/man1/zorvat.1.gz" | head -n 1 | grep -Eq '^\.TH ZORVAT 1 "[0-9]{4}-[0-9]{2}-[0-9]{2}"' \
  || fail "the manual page carries no date"

# The card file type installed is the one test_mime reads through Qt's MIME database.
cmp -s "$(dirname "$0")/../../packaging/zorvat-mime.xml" "$root/usr/share/mime/packages/zorvat.xml" \
  || fail "the installed card file type differs from packaging/zorvat-mime.xml"

depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6printsupport6 libc6; do
  [[ ", $depends," == *", $d"[\ ,]* ]] || fail "Depends lacks $d: $depends"
done
[[ "$depends" == *libhunspell* ]] || fail "Depends lacks libhunspell: $depends"
[ "$(dpkg-deb -f "$deb" Recommends)" = "hunspell-uk, hunspell-en-us" ] || fail "the package does not recommend the dictionaries"
[ "$(dpkg-deb -f "$deb" Suggests)" = cups ] || fail "the package does not suggest cups"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

# The installed programs, with the system's Qt. Version and help need no display.
card=$root/usr/bin/zorvat-card
[ "$("$card" --version | head -n 1)" = "zorvat-card $version" ] || fail "zorvat-card --version"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/zorvat" --version | head -n 1)" = "zorvat $version" ] \
  || fail "zorvat --version"

# Every card type: a new card, opened and saved, then opened and saved again, keeps its
# bytes (an opened fresh card may differ from the new one where a cleared card differs
# from a fresh window); the RK card prints to a PDF with its fonts.
for type in RK OK OKD IK; do
  "$card" new "$work/${type}_new.txt" || fail "new $type"
  "$card" resave "$work/${type}_new.txt" "$work/${type}_once.txt" || fail "resave $type"
  "$card" resave "$work/${type}_once.txt" "$work/${type}_twice.txt" || fail "resave $type again"
  [ -s "$work/${type}_once.txt" ] || fail "$type saved empty"
  cmp -s "$work/${type}_once.txt" "$work/${type}_twice.txt" || fail "$type changed in a resave round trip"
done
"$card" pdf "$work/RK_new.txt" "$work/RK.pdf" || fail "pdf RK"
[ "$(head -c 5 "$work/RK.pdf")" = "%PDF-" ] || fail "RK.pdf is not a PDF"
echo "package $(basename "$deb"): contents, dependencies and installed programs good"
