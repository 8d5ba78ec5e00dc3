#!/usr/bin/env bash
# Install the build into a fresh prefix as `cmake --install` does and check its layout:
# the program beside its pictures, a relative launcher in bin/ that leads to it, the menu
# entry that starts it, the manual page; then validate the desktop entry and the AppStream
# metadata as desktops and software centres do (skipped, exit 77, without the validators).
# The other install tests use the prefix that this one leaves behind.
#
# Usage: layout_test.sh CMAKE BUILD-DIR PREFIX VERSION
set -u
source "$(dirname "$0")/../lib.sh"
cmake=$1 build=$2 prefix=$3 version=$4

rm -rf "$prefix" "$prefix.tree"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install into $prefix failed"
cd "$prefix" || exit 1
for file in lib/jumpline/Images/{Red,Black,RedKing,BlackKing}.bmp share/man/man6/jumpline.6.gz \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/jumpline.png \
    share/icons/hicolor/scalable/apps/jumpline.svg share/doc/jumpline/{copyright,changelog.gz}; do
    [ -f "$file" ] || fail "$file is not installed"
done
[[ $(readlink bin/jumpline) = ../lib/jumpline/jumpline && -x bin/jumpline ]] || fail "bin/jumpline is no relative link to the program"
[ ! -e games ] || fail "the Debian package's launcher is in a plain install"
grep -qx Exec=jumpline share/applications/jumpline.desktop || fail "the menu entry does not start jumpline"
grep -q "<release version=\"$version\"" share/metainfo/invalid.jumpline.jumpline.metainfo.xml || fail "the metadata has no release $version"
zcat share/man/man6/jumpline.6.gz | grep -q "^\.TH JUMPLINE 6 \"[0-9-]*\" \"Jumpline $version\"" || fail "the manual page is not of $version"
zcat share/doc/jumpline/changelog.gz | head -1 | grep -q "^jumpline ($version)" || fail "the changelog has no entry for $version"

needs "the entry and metadata cannot be validated" desktop-file-validate appstreamcli
report=$(desktop-file-validate share/applications/jumpline.desktop 2>&1)
[ -z "$report" ] || fail "desktop-file-validate: $report"
# validate-tree also checks that the metadata's launchable is an installed desktop entry.
mkdir "$prefix.tree" && ln -s "$prefix" "$prefix.tree/usr"
appstreamcli validate-tree --no-net --pedantic "$prefix.tree" || fail "appstreamcli validate-tree over $prefix"
echo "ok: installed under $prefix as a desktop program"
