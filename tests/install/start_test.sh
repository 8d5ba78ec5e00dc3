#!/usr/bin/env bash
# Start the installed program as a desktop does, by its name on the PATH, from a folder
# with no Images/. It loads its pictures before its first window and stops without them,
# so the start-up window shows that it found them beside itself. Skips (exit 77) where no
# X server can be started.
#
# Usage: start_test.sh PREFIX   (a prefix that layout_test.sh installed into)
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/../x11/lib.sh"
prefix=$(cd "$1" && pwd) || exit 1
x11_start
PATH="$prefix/bin:$PATH" start_program "$TMP" jumpline 2>"$TMP/stderr" # a folder without Images/
wait_window Jumpline 359 294 >/dev/null || fail "the installed program showed no start-up window; it said: $(cat "$TMP/stderr")"
echo "ok: the installed program started from another folder"
