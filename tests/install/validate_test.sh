#!/usr/bin/env bash
# Check the installed desktop entry and AppStream metadata with the validators that
# desktops and software centres use. Skips (exit 77) where a validator is missing.
#
# Usage: validate_test.sh PREFIX [DATADIR]   (a prefix that layout_test.sh installed
# into; DATADIR, relative to it, holds applications/ and metainfo/: share by default)
set -u

prefix=${1:?usage: validate_test.sh PREFIX [DATADIR]}
datadir=${2:-share}
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "SKIP: '$tool' is not installed (run scripts/setup.sh)"
        exit 77
    }
done

failures=0
desktop="$prefix/$datadir/applications/jumpline.desktop"
metainfo="$prefix/$datadir/metainfo/invalid.jumpline.jumpline.metainfo.xml"

# desktop-file-validate exits 0 also on hints; any output at all is something to fix.
report=$(desktop-file-validate "$desktop" 2>&1)
status=$?
if [ "$status" -ne 0 ] || [ -n "$report" ]; then
    echo "FAIL: desktop-file-validate $desktop (status $status):"
    echo "$report"
    failures=$((failures + 1))
fi

# Warnings and errors fail; the one note that the reserved .invalid top-level domain is
# unknown to the validator is expected.
appstreamcli validate --no-net --pedantic "$metainfo" || {
    echo "FAIL: appstreamcli validate $metainfo"
    failures=$((failures + 1))
}

# Validating the tree also checks that the metadata's launchable is an installed entry.
# It expects a root that holds usr/share/...; give it one that leads to the prefix.
if [ "$datadir" != share ]; then
    [ "$failures" -eq 0 ] || exit 1
    echo "ok: the desktop entry and the AppStream metadata validate (not as a tree: the data is not in share/)"
    exit 0
fi
tree=$(mktemp -d "${TMPDIR:-/tmp}/jumpline-tree.XXXXXX")
trap 'rm -rf "$tree"' EXIT
ln -s "$(cd "$prefix" && pwd)" "$tree/usr"
appstreamcli validate-tree --no-net --pedantic "$tree" || {
    echo "FAIL: appstreamcli validate-tree over $prefix"
    failures=$((failures + 1))
}

[ "$failures" -eq 0 ] || exit 1
echo "ok: the desktop entry and the AppStream metadata validate"
