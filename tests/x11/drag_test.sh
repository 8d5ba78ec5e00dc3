#!/usr/bin/env bash
# A person plays the opening moves with the mouse: the real program under a fresh X
# server, real pointer drags, and the board read back from screenshots.
#
# Usage: drag_test.sh PATH-TO-JUMPLINE
# The program starts in the current directory, which holds no Images/, so it must find
# its pictures beside itself. Screenshots of a failure are left here too.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: drag_test.sh PATH-TO-JUMPLINE}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

x11_start
x11_start_program "$PWD" "$program"

# The first window is the start-up window (359 x 294 px): Start Game with the options
# untouched, so two people play and Red moves first. A program that opens straight on
# the main window (618 x 518 px) starts the same game.
first=$(x11_wait_window Jumpline) || x11_fail "no window of the program appeared"
x11_geometry "$first"
if [ "$X11_WIN_W" = 359 ] && [ "$X11_WIN_H" = 294 ]; then
    x11_click $((X11_WIN_X + 28 + 127 / 2)) $((X11_WIN_Y + 154 + 43 / 2))
    main=$(x11_wait_window Jumpline 618 518) || x11_fail "Start Game did not open the main window"
    x11_wait_window_gone "$first" || x11_fail "the start-up window stayed on the screen"
else
    main=$(x11_wait_window Jumpline 618 518) || x11_fail "the main window did not appear"
fi
x11_geometry "$main"
winX=$X11_WIN_X
winY=$X11_WIN_Y

# dragCell COL0 ROW0 COL1 ROW1: drag the piece at the centre of one cell to another.
dragCell() {
    local x0 y0 x1 y1
    read -r x0 y0 <<<"$(x11_cell_centre "$1" "$2")"
    read -r x1 y1 <<<"$(x11_cell_centre "$3" "$4")"
    x11_drag $((winX + x0)) $((winY + y0)) $((winX + x1)) $((winY + y1))
}

x11_wait_board "$winX" "$winY" '. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .' || x11_fail "the main window does not show the opening position"

# Red(9) steps from (3, 6) to (4, 5).
dragCell 3 6 4 5
x11_wait_board "$winX" "$winY" '. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . r . . . .
r . . . r . r .
. r . r . r . r
r . r . r . r .' || x11_fail "the red man did not move from (3, 6) to (4, 5)"

# Now Black is on move: a black man steps from (2, 3) to (1, 4).
dragCell 2 3 1 4
x11_wait_board "$winX" "$winY" '. b . b . b . b
b . b . b . b .
. . . b . b . b
b . . . . . . .
. . . r . . . .
r . . . r . r .
. r . r . r . r
r . r . r . r .' || x11_fail "the black man did not move from (2, 3) to (1, 4): was Black on move?"

x11_program_running || x11_fail "the program ended during the game"
echo "ok: a red man and then a black man moved by mouse"
