#!/usr/bin/env bash
# A person plays the computer with the mouse, at Qt's scale factor SCALE (1, or 2 as on a
# high-density screen, where the windows are twice their design size): "Versus Computer",
# "Start Game"; a red man released over the open password dialog stays where it was; the
# code opens the test window, whose button frees the pieces, so that a black man is placed
# where Red can take it; Red takes it, and the computer takes back; Ctrl+Q.
#
# Usage: play_test.sh JUMPLINE [SCALE]
set -u
source "$(dirname "$0")/lib.sh"
program=$1 S=${2:-1}
X11_SCREEN=$((1300 * S))x1200x24 x11_start # room for the test window beside the main window
export QT_SCALE_FACTOR=$S
start_program "$PWD" "$program"
wait_window Jumpline $((359 * S)) $((294 * S)) >/dev/null || fail "no start-up window at $((359 * S)) x $((294 * S))"
[ "#$(colours "$WIN_X" "$WIN_Y")" = "$BACKGROUND" ] || fail "the start-up window's corner is not cut away"
MX=$WIN_X MY=$WIN_Y # the start-up window's corner, for `at`
xdotool mousemove $(at 51 137) click 1 mousemove $(at 91 175) click 1
wait_window Jumpline $((618 * S)) $((518 * S)) >/dev/null || fail "Start Game opened no main window"
main=$WIN_ID MX=$WIN_X MY=$WIN_Y
board $'.b.b.b.b\nb.b.b.b.\n.b.b.b.b\n........\n........\nr.r.r.r.\n.r.r.r.r\nr.r.r.r.'

xdotool mousemove $(at 600 336) click --repeat 2 --delay 80 1
dialog=$(wait_window Password) || fail "the hot spot opened no password dialog"
x11_drag $(cell 5 6) $(at 350 280) # on cell (6, 5), under the dialog: the man stays
xdotool windowfocus --sync "$dialog" type krov
xdotool key Return
test=$(wait_window "Test Window") || fail "the code opened no test window"
xdotool windowfocus --sync "$test" key space
x11_drag $(cell 2 3) $(cell 2 5)
xdotool windowfocus --sync "$test" key space
x11_drag $(cell 1 6) $(cell 3 4)
board $'.b.b.b.b\nb.b.b.b.\n.....b.b\n........\n.b......\n..r.r.r.\n.r.r.r.r\nr.r.r.r.'

# Ctrl+Q is Exit, refused while the computer moves.
wait_for 'xdotool windowfocus --sync "$main" key ctrl+q sleep 0.1; ! alive "$PROGRAM"' || fail "Ctrl+Q did not end the program"
wait "$PROGRAM" || fail "Exit ended the program with status $?"
echo "ok: played by mouse at scale $S"
