#!/usr/bin/env bash
# Start the installed program the way a desktop does: by its name on the PATH, from a
# folder that holds no Images/. It must find its pictures beside itself, show its window
# and draw the pieces. Skips (exit 77) where no X server can be started.
#
# Usage: start_test.sh PREFIX [BINDIR]   (a prefix that layout_test.sh installed into;
# BINDIR, relative to it, holds the launcher: bin by default)
# Screenshots of a failure are left in the current directory.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/../x11/lib.sh"

prefix=${1:?usage: start_test.sh PREFIX [BINDIR]}
bindir=${2:-bin}
prefix=$(cd "$prefix" && pwd) || x11_fail "no installed tree at $1"

x11_start
elsewhere="$X11_TMP/elsewhere"
mkdir "$elsewhere"
errors="$X11_TMP/stderr"
PATH="$prefix/$bindir:$PATH" x11_start_program "$elsewhere" jumpline 2>"$errors"

# x11_wait_first_window: print the id and size of the first window titled Jumpline that
# reaches one of the program's two first sizes, the start-up window (359 x 294) or, in a
# build that opens the main window at once, the main window (618 x 518).
x11_wait_first_window() {
    local deadline=$((SECONDS + X11_TIMEOUT)) id
    while [ "$SECONDS" -le "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --name '^Jumpline$' 2>/dev/null); do
            x11_geometry "$id" || continue
            case "${X11_WIN_W}x$X11_WIN_H" in
            359x294 | 618x518)
                echo "$id ${X11_WIN_W}x$X11_WIN_H"
                return 0
                ;;
            esac
        done
        x11_program_running || return 1
        sleep 0.02
    done
    return 1
}

first=$(x11_wait_first_window) ||
    x11_fail "no Jumpline window of 359 x 294 or 618 x 518 appeared; the program said: $(cat "$errors")"
read -r window size <<<"$first"
if [ "$size" = 359x294 ]; then
    # The start-up window: Start Game opens the main window, which loads the pictures.
    x11_geometry "$window"
    x11_click $((X11_WIN_X + 28 + 127 / 2)) $((X11_WIN_Y + 154 + 43 / 2))
    window=$(x11_wait_window Jumpline 618 518) ||
        x11_fail "Start Game did not open the main window; the program said: $(cat "$errors")"
fi
x11_geometry "$window"

# The pieces are drawn from the pictures: the board reads as the opening position.
x11_wait_board "$X11_WIN_X" "$X11_WIN_Y" '. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .' || x11_fail "the installed program does not show the pieces in the opening position"

x11_program_running || x11_fail "the installed program ended: $(cat "$errors")"
if grep -q 'Cannot load' "$errors"; then
    x11_fail "the installed program could not load its pictures: $(cat "$errors")"
fi
echo "ok: the installed program started from $elsewhere and drew its pieces"
