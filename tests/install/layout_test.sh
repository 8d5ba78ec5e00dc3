#!/usr/bin/env bash
# Install the build into a fresh prefix and check that it is laid out as a desktop
# program: the program with its pictures in one folder, a launcher on the PATH that leads
# to it, the desktop entry, the icons at their sizes, the AppStream metadata, the licence.
# The other install tests use the prefix that this one leaves behind.
#
# Usage: layout_test.sh CMAKE BUILD-DIR PREFIX VERSION [PROGRAMDIR BINDIR DATADIR]
# The last three are the install folders relative to the prefix: by default lib/jumpline,
# bin and share.
set -u

usage='usage: layout_test.sh CMAKE BUILD-DIR PREFIX VERSION [PROGRAMDIR BINDIR DATADIR]'
cmake=${1:?$usage}
build=${2:?$usage}
prefix=${3:?$usage}
version=${4:?$usage}
programdir=${5:-lib/jumpline}
bindir=${6:-bin}
datadir=${7:-share}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || {
    cat "$prefix.log"
    echo "FAIL: cmake --install into $prefix failed"
    exit 1
}

program="$prefix/$programdir/jumpline"
[[ -f $program && -x $program ]] || fail "the program is not installed as $program"
for picture in Red Black RedKing BlackKing; do
    [ -f "$prefix/$programdir/Images/$picture.bmp" ] || fail "Images/$picture.bmp is not beside the program"
done

# The launcher is a relative link, so that the tree still works when it is moved.
launcher="$prefix/$bindir/jumpline"
if [ ! -L "$launcher" ]; then
    fail "$launcher is not a symlink"
else
    case $(readlink "$launcher") in
    /*) fail "$launcher points to an absolute path: $(readlink "$launcher")" ;;
    esac
    [ "$(readlink -f "$launcher")" = "$(readlink -f "$program")" ] ||
        fail "$launcher leads to '$(readlink -f "$launcher")', not to the program"
fi

desktop="$prefix/$datadir/applications/jumpline.desktop"
if [ ! -f "$desktop" ]; then
    fail "no desktop entry at $desktop"
else
    # key VALUE: the entry's own line, in its [Desktop Entry] group.
    for expected in Name=Jumpline Exec=jumpline Icon=jumpline 'Categories=Game;BoardGame;'; do
        grep -qxF "$expected" "$desktop" || fail "the desktop entry lacks the line '$expected'"
    done
    # What Exec names must be the launcher installed on the PATH.
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/$bindir/$exec" ] || fail "the desktop entry starts '$exec', which is not in $prefix/$bindir"
fi

# Every hicolor size holds a PNG of that size; the SVG is the scalable one.
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/$datadir/icons/hicolor/${size}x${size}/apps/jumpline.png"
    if [ ! -f "$icon" ]; then
        fail "no ${size}x$size icon at $icon"
        continue
    fi
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "the ${size}x$size icon is $width x $height"
done
svg="$prefix/$datadir/icons/hicolor/scalable/apps/jumpline.svg"
grep -qs '<svg' "$svg" || fail "no scalable icon at $svg"

metainfo="$prefix/$datadir/metainfo/invalid.jumpline.jumpline.metainfo.xml"
if [ ! -f "$metainfo" ]; then
    fail "no AppStream metadata at $metainfo"
else
    grep -q '<id>invalid.jumpline.jumpline</id>' "$metainfo" || fail "the metadata's id does not match its file name"
    grep -q '<launchable type="desktop-id">jumpline.desktop</launchable>' "$metainfo" ||
        fail "the metadata does not launch jumpline.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version, the program's version"
fi

copyright="$prefix/$datadir/doc/jumpline/copyright"
grep -qs '^License: Expat' "$copyright" || fail "no MIT (Expat) licence at $copyright"

[ "$failures" -eq 0 ] || exit 1
echo "ok: installed under $prefix as a desktop program"
