#!/usr/bin/env bash
# A person starts a game against the computer: the real program under a fresh X server.
# The start-up window opens first, rounded and centred; "Versus Computer" and "Start Game"
# are clicked with the mouse; the main window shows the opening position inside its
# rounded outline and the start-up window is gone; a red man is dragged and Black answers;
# the window is moved by pressing on its background; Exit ends the program.
#
# Usage: splash_test.sh PATH-TO-JUMPLINE
set -u
source "$(dirname "$0")/lib.sh"

program=${1:?usage: splash_test.sh PATH-TO-JUMPLINE}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

root=${X11_ROOT_COLOUR#\#}
root=${root,,}
black=000000
grey=c0c0c0

# expectPixels FILE WHAT X Y COLOUR [X Y COLOUR ...]: each point shows its colour.
expectPixels() {
    local file=$1 what=$2 points=() wanted=() colours k
    shift 2
    while [ $# -ge 3 ]; do
        points+=("$1" "$2")
        wanted+=("$1,$2=$3")
        shift 3
    done
    mapfile -t colours < <(x11_pixels "$file" "${points[@]}")
    for k in "${!wanted[@]}"; do
        [ "${wanted[k]#*=}" = "${colours[k],,}" ] ||
            x11_fail "$what: at ${wanted[k]%=*} the screen shows ${colours[k]}, not ${wanted[k]#*=}"
    done
}

# expectIcon ID WHAT: the window carries the application icon in its three sizes.
expectIcon() {
    local icons size
    icons=$(xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -o 'Icon ([0-9]* x [0-9]*)')
    for size in 16 24 32; do
        grep -q "($size x $size)" <<<"$icons" || x11_fail "$2 has no $size x $size px icon"
    done
}

command -v xprop >/dev/null 2>&1 || x11_skip "xprop is not installed (run scripts/setup.sh)"
x11_start
x11_start_program "$PWD" "$program"

# The start-up window: 359 x 294 px, centred, cut to the rounded rectangle (1, 1)-(336, 290).
splash=$(x11_wait_window Jumpline 359 294) || x11_fail "the start-up window did not appear"
x11_geometry "$splash"
sx=$X11_WIN_X
sy=$X11_WIN_Y
read -r screenW screenH < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
offX=$((2 * sx + 359 - screenW))
offY=$((2 * sy + 294 - screenH))
[ "${offX#-}" -le 1 ] && [ "${offY#-}" -le 1 ] ||
    x11_fail "the start-up window is not centred on the $screenW x $screenH screen: it is at ($sx, $sy)"
expectIcon "$splash" "the start-up window"

shot="$X11_TMP/splash.png"
sleep 0.2 # the window is mapped; let it paint
x11_screenshot "$shot"
expectPixels "$shot" "the start-up window's outline" \
    $((sx + 0)) $((sy + 0)) "$root" \
    $((sx + 1)) $((sy + 1)) "$root" \
    $((sx + 5)) $((sy + 289)) "$root" \
    $((sx + 6)) $((sy + 289)) "$black" \
    $((sx + 336)) $((sy + 200)) "$root" \
    $((sx + 335)) $((sy + 200)) "$black" \
    $((sx + 1)) $((sy + 200)) "$black" \
    $((sx + 0)) $((sy + 200)) "$root"
# Start Game at (28, 154) px, cut to (5, 5)-(122, 38): its corner shows the window beneath.
expectPixels "$shot" "the Start Game button's outline" \
    $((sx + 28 + 5)) $((sy + 154 + 5)) "$black" \
    $((sx + 28 + 10)) $((sy + 154 + 5)) "$grey" \
    $((sx + 28 + 63)) $((sy + 154 + 8)) "$grey" \
    $((sx + 28 + 121)) $((sy + 154 + 21)) "$grey" \
    $((sx + 28 + 122)) $((sy + 154 + 21)) "$black"

# "Versus Computer" (21, 126 px), then "Start Game" (28, 154 px, 127 x 43).
x11_click $((sx + 21 + 30)) $((sy + 126 + 11))
x11_click $((sx + 28 + 127 / 2)) $((sy + 154 + 43 / 2))

main=$(x11_wait_window Jumpline 618 518) || x11_fail "Start Game did not open the main window"
x11_wait_window_gone "$splash" || x11_fail "the start-up window stayed on the screen"
[ "$(xdotool search --onlyvisible --name '^Jumpline$' | wc -l)" -eq 1 ] ||
    x11_fail "more than the main window is on the screen"
x11_geometry "$main"
mx=$X11_WIN_X
my=$X11_WIN_Y
expectIcon "$main" "the main window"

opening='. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .'
x11_wait_board "$mx" "$my" "$opening" || x11_fail "the main window does not show the opening position"

# The main window is cut to (1, 1)-(618, 518): the root shows at its corners and first
# row and column, the black background just inside.
shot="$X11_TMP/main.png"
x11_screenshot "$shot"
expectPixels "$shot" "the main window's outline" \
    $((mx + 0)) $((my + 0)) "$root" \
    $((mx + 1)) $((my + 1)) "$root" \
    $((mx + 5)) $((my + 1)) "$root" \
    $((mx + 6)) $((my + 1)) "$black" \
    $((mx + 0)) $((my + 8)) "$root" \
    $((mx + 1)) $((my + 8)) "$black" \
    $((mx + 617)) $((my + 517)) "$root" \
    $((mx + 613)) $((my + 517)) "$root" \
    $((mx + 612)) $((my + 517)) "$black" \
    $((mx + 617)) $((my + 400)) "$black"

# Red(9) steps from (3, 6) to (4, 5) by a real drag; about a second later Black answers
# with one of its men stepping from row 3 to row 4.
read -r x0 y0 <<<"$(x11_cell_centre 3 6)"
read -r x1 y1 <<<"$(x11_cell_centre 4 5)"
dragged=$(date +%s%N)
x11_drag $((mx + x0)) $((my + y0)) $((mx + x1)) $((my + y1))
answered=''
deadline=$((SECONDS + X11_TIMEOUT))
while [ "$SECONDS" -le "$deadline" ]; do
    x11_screenshot "$shot" 2>/dev/null || continue
    board=$(x11_read_board "$shot" "$mx" "$my")
    mapfile -t rows <<<"$board"
    upper=$(printf '%s\n' "${rows[@]:0:3}" | tr -cd 'b' | wc -c)
    fourth=$(tr -cd 'b' <<<"${rows[3]}" | wc -c)
    red=$(printf '%s\n' "${rows[@]:4:4}")
    if [ "$red" = '. . . r . . . .
r . . . r . r .
. r . r . r . r
r . r . r . r .' ] && [ "$upper" -eq 11 ] && [ "$fourth" -eq 1 ]; then
        answered=$(date +%s%N)
        break
    fi
    sleep 0.05
done
[ -n "$answered" ] || x11_fail "Black did not answer the red move; the board reads:
$board"
echo "Black answered $(((answered - dragged) / 1000000)) ms after the red man was dropped"

# Pressing on the background (between board and panel) moves the window with the pointer.
x11_drag $((mx + 515)) $((my + 300)) $((mx + 515 + 40)) $((my + 300 + 30)) 4
x11_geometry "$main"
[ "$X11_WIN_X" -eq $((mx + 40)) ] && [ "$X11_WIN_Y" -eq $((my + 30)) ] ||
    x11_fail "the window is at ($X11_WIN_X, $X11_WIN_Y) after a move by (40, 30) from ($mx, $my)"
mx=$X11_WIN_X
my=$X11_WIN_Y
x11_screenshot "$shot"
[ "$(x11_read_board "$shot" "$mx" "$my")" = "$board" ] || x11_fail "the moved window does not show the game"

# Exit ends the program.
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
echo "ok: start-up window, a game against the computer by mouse, rounded windows, moving, exit"
