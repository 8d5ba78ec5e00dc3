#!/usr/bin/env bash
# A person opens test mode with the mouse and the keyboard: the real program under a
# fresh X server. The hidden spot on the banner is double-clicked, the password dialog
# opens centred on the main window, the code is typed in lower case and "Enter" clicked;
# the test window opens beside the main window and "Test Mode On/Off" switches test mode
# on; a black man, which is not on move, is dragged onto "Delete" and leaves the board.
#
# Usage: testmode_test.sh PATH-TO-JUMPLINE
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: testmode_test.sh PATH-TO-JUMPLINE}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

# Wide enough for the test window beside the main window.
X11_SCREEN=1600x900x24

black=000000
white=ffffff
grey=c0c0c0

# pixel FILE X Y: the colour at one point, as rrggbb.
pixel() {
    local colour
    colour=$(x11_pixels "$1" "$2" "$3")
    echo "${colour,,}"
}

# redPixels FILE X Y W H: how many pure red pixels the rectangle holds.
redPixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 -fill black +opaque '#ff0000' \
        -fill white -opaque '#ff0000' -format '%[fx:round(mean*w*h)]' info:
}

x11_start
x11_start_program "$PWD" "$program"

splash=$(x11_wait_window Jumpline 359 294) || x11_fail "the start-up window did not appear"
x11_geometry "$splash"
x11_click $((X11_WIN_X + 28 + 127 / 2)) $((X11_WIN_Y + 154 + 43 / 2)) # Start Game, two people
main=$(x11_wait_window Jumpline 618 518) || x11_fail "Start Game did not open the main window"
x11_geometry "$main"
mx=$X11_WIN_X
my=$X11_WIN_Y
opening='. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .'
x11_wait_board "$mx" "$my" "$opening" || x11_fail "the main window does not show the opening position"

# The hot spot lblPassword, 17 x 17 px at (592, 328): a single click does nothing, a
# double-click opens the password dialog.
x11_click $((mx + 592 + 8)) $((my + 328 + 8))
sleep 0.6 # longer than a double-click
[ -z "$(xdotool search --onlyvisible --name '^Password$' 2>/dev/null)" ] ||
    x11_fail "a single click on the hot spot opened the password dialog"
xdotool mousemove $((mx + 592 + 8)) $((my + 328 + 8)) click --repeat 2 --delay 80 1
dialog=$(x11_wait_window Password 143 73) || x11_fail "a double-click on the hot spot did not open the password dialog"
x11_geometry "$dialog"
px=$X11_WIN_X
py=$X11_WIN_Y
[ "$px" -eq $((mx + 308 - 71)) ] && [ "$py" -eq $((my + 258 - 36)) ] ||
    x11_fail "the password dialog at ($px, $py) is not centred on the main window at ($mx, $my)"

# Its outline (1, 1)-(144, 66): black inside, the main window's light cell beneath its cut
# bottom 7 px; the text box white.
shot="$X11_TMP/password.png"
sleep 0.2
x11_screenshot "$shot"
[ "$(pixel "$shot" $((px + 4)) $((py + 60)))" = "$black" ] || x11_fail "the password dialog is not black inside"
[ "$(pixel "$shot" $((px + 70)) $((py + 68)))" = "$white" ] ||
    x11_fail "the password dialog's bottom 7 px are not cut away"
[ "$(pixel "$shot" $((px + 120)) $((py + 25)))" = "$white" ] || x11_fail "the text box is not white"

xdotool type --delay 40 krov
x11_click $((px + 16 + 29)) $((py + 32 + 13)) # Enter
test=$(x11_wait_window 'Test Window') || x11_fail "the access code did not open the test window"
x11_wait_window_gone "$dialog" || x11_fail "the password dialog stayed open after the access code"
x11_geometry "$test"
tx=$X11_WIN_X
ty=$X11_WIN_Y
tw=$X11_WIN_W
[ "$tx" -eq $((mx + 618 + 8)) ] && [ "$ty" -eq "$my" ] ||
    x11_fail "the test window at ($tx, $ty) is not beside the main window at ($mx, $my)"

# The controls stand at the window's right: the button 105 x 25 at 8 px from the top,
# the red caption 105 x 17 at 40 px, 4 px from the right edge.
cx=$((tx + tw - 4 - 105))
x11_screenshot "$shot"
off=$(redPixels "$shot" "$cx" $((ty + 40)) 105 17)
[ "$off" -gt 0 ] || x11_fail "the test window shows no red caption"

x11_click $((cx + 52)) $((ty + 8 + 12)) # Test Mode On/Off
# "Test Mode is ON" is drawn in red, and differs from "Test Mode is OFF"; "Delete" shows.
deadline=$((SECONDS + X11_TIMEOUT))
on=$off
while [ "$SECONDS" -le "$deadline" ]; do
    x11_screenshot "$shot"
    on=$(redPixels "$shot" "$cx" $((ty + 40)) 105 17)
    [ "$on" -gt 0 ] && [ "$on" -ne "$off" ] && [ "$(pixel "$shot" $((mx + 536 + 40)) $((my + 24 + 40)))" = "$grey" ] && break
    sleep 0.05
done
[ "$on" -gt 0 ] && [ "$on" -ne "$off" ] ||
    x11_fail "the caption did not change to \"Test Mode is ON\" (red pixels: $off before, $on after)"
[ "$(pixel "$shot" $((mx + 536 + 40)) $((my + 24 + 40)))" = "$grey" ] || x11_fail "\"Delete\" did not appear"

# Black(0) on (2, 1) is not on move; in test mode it can be dragged onto "Delete", its
# cell at (536, 24), dropped in the cell's free margin near its bottom-left corner.
read -r x0 y0 <<<"$(x11_cell_centre 2 1)"
x11_drag $((mx + x0)) $((my + y0)) $((mx + 536 + 4)) $((my + 24 + 58))
x11_wait_board "$mx" "$my" '. . . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .' || x11_fail "the black man dropped on \"Delete\" did not leave the board"
x11_screenshot "$shot"
[ "$(pixel "$shot" $((mx + 536 + 40)) $((my + 24 + 40)))" = "$grey" ] || x11_fail "\"Delete\" is no longer shown"

# Exit closes the test window with the others and ends the program.
x11_click $((mx + 528 + 73 / 2)) $((my + 480 + 33 / 2))
deadline=$((SECONDS + X11_TIMEOUT))
while x11_program_running && [ "$SECONDS" -le "$deadline" ]; do
    sleep 0.02
done
x11_program_running && x11_fail "Exit did not end the program"
wait "$X11_PROGRAM_PID"
status=$?
X11_PROGRAM_PID=''
[ "$status" -eq 0 ] || x11_fail "the program ended with status $status"
echo "ok: hot spot, password dialog, test window, test mode on, a black man deleted by mouse, exit"
