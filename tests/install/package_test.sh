#!/usr/bin/env bash
# Build the Debian package from the build tree and check it as Debian does: lintian finds
# no error and no warning (its info tags are shown); the launcher is in /usr/games, leads
# to the program and is what the menu entry starts. Skips (exit 77) without lintian.
#
# Usage: package_test.sh CPACK CPACK-CONFIG OUT-DIR
set -u
source "$(dirname "$0")/../lib.sh"
cpack=$1 config=$2 out=$3
needs "the package cannot be checked" lintian

rm -rf "$out"
"$cpack" --config "$config" -B "$out" >/dev/null || fail "cpack could not build the package"
deb=$(echo "$out"/jumpline_*.deb)
dpkg-deb -x "$deb" "$out/root" || fail "no package at $deb"
exec=$(sed -n 's/^Exec=//p' "$out/root/usr/share/applications/jumpline.desktop")
[ "$exec" = /usr/games/jumpline ] || fail "the menu entry starts '$exec', not /usr/games/jumpline"
[[ -x $out/root$exec && $(readlink "$out/root$exec") = ../lib/jumpline/jumpline ]] || fail "$exec is no relative link to the program"
[ ! -e "$out/root/usr/bin" ] || fail "the package installs into /usr/bin: $(ls "$out/root/usr/bin")"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian found errors or warnings in $deb"
echo "ok: $deb is laid out for Debian and lintian-clean"
