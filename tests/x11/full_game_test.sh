#!/usr/bin/env bash
# A person plays a whole game against the computer: the real program under a fresh X
# server, started and played with the mouse alone.
#
# "Versus Computer" and "Start Game" are clicked on the start-up window; then Red's moves
# are real drags, chosen by a small player (redplayer.cpp) from the position read back
# from the screen; a chain of jumps is made with Multi Jump pressed before the first jump
# and released after the last. After every Red move the screen must come to show the Red
# move as made followed by one move that the computer may make: a step, or its chain of
# captures. A game that ends shows a message box titled "Jumpline" that the position
# explains, and after OK the opening position. During the computer's first pause Reset,
# Exit and Multi Jump are clicked and must change nothing. A Red side that is blocked,
# or a game that runs past FULL_GAME_MAX_MOVES Red moves, ends with Reset. Exit then
# ends the program with status 0.
#
# Usage: full_game_test.sh PATH-TO-JUMPLINE PATH-TO-REDPLAYER
# The game's moves are written to game.log in the working directory, and screenshots of a
# failure are left there too.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"

program=${1:?usage: full_game_test.sh PATH-TO-JUMPLINE PATH-TO-REDPLAYER}
player=${2:?usage: full_game_test.sh PATH-TO-JUMPLINE PATH-TO-REDPLAYER}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
[ -x "$player" ] || x11_fail "the Red player '$player' is not there or not executable"
maxRedMoves=${FULL_GAME_MAX_MOVES:-80}

opening='. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .'

# The centres of the panel's buttons, relative to the main window.
multiJumpX=$((524 + 80 / 2)) multiJumpY=$((416 + 41 / 2))
resetX=$((528 + 73 / 2)) resetY=$((450 + 33 / 2))
exitX=$((528 + 73 / 2)) exitY=$((480 + 33 / 2))

started=$SECONDS
x11_start
x11_start_program "$PWD" "$program"

splash=$(x11_wait_window Jumpline 359 294) || x11_fail "the start-up window did not appear"
x11_geometry "$splash"
# "Versus Computer" (21, 126 px), then "Start Game" (28, 154 px, 127 x 43).
x11_click $((X11_WIN_X + 21 + 30)) $((X11_WIN_Y + 126 + 11))
x11_click $((X11_WIN_X + 28 + 127 / 2)) $((X11_WIN_Y + 154 + 43 / 2))
main=$(x11_wait_window Jumpline 618 518) || x11_fail "Start Game did not open the main window"
x11_wait_window_gone "$splash" || x11_fail "the start-up window stayed on the screen"
x11_geometry "$main"
mx=$X11_WIN_X
my=$X11_WIN_Y
x11_wait_board "$mx" "$my" "$opening" || x11_fail "the main window does not show the opening position"

shot="$X11_TMP/screen.png"
# The turn display as it reads "Red's" (at 528, 368 px, 73 x 25): the computer's move is
# over only when it reads so again, since the computer may still pause once its last
# capture is on the board.
turnLabel="73x25+$((mx + 528))+$((my + 368))"
x11_screenshot "$shot"
convert "$shot" -crop "$turnLabel" +repage "$X11_TMP/reds-turn.png"

# oneLine: eight rows on standard input, joined by '/' as the Red player prints replies.
oneLine() {
    paste -sd '/'
}

# readScreen: take a screenshot and set `screen` to the board it shows.
readScreen() {
    screen=''
    x11_screenshot "$shot" 2>/dev/null || return 1
    screen=$(x11_read_board "$shot" "$mx" "$my")
}

# redsTurnShown: whether the latest screenshot shows "Red's" turn.
redsTurnShown() {
    [ "$(compare -metric AE "${shot}[$turnLabel]" "$X11_TMP/reds-turn.png" null: 2>&1)" = 0 ]
}

# messageBoxes: the ids of the program's mapped windows other than the main window.
messageBoxes() {
    xdotool search --onlyvisible --name '^Jumpline$' 2>/dev/null | grep -vx "$main"
}

# multiJumpIsRed: whether the Multi Jump caption is drawn in red (a pressed button).
multiJumpIsRed() {
    local reds
    x11_screenshot "$shot" || return 1
    reds=$(convert "$shot" -crop "80x41+$((mx + 524))+$((my + 416))" +repage \
        -fuzz 20% -fill black +opaque red -fill white -opaque red -format '%[fx:round(mean*w*h)]' info:)
    [ "$reds" -gt 20 ]
}

# multiJumpTurnsRed SECONDS: whether the caption turns red within that time.
multiJumpTurnsRed() {
    local deadline=$((SECONDS + $1))
    while [ "$SECONDS" -le "$deadline" ]; do
        multiJumpIsRed && return 0
        sleep 0.05
    done
    return 1
}

# clickPanel X Y: click a button of the panel, at a point relative to the main window.
clickPanel() {
    x11_click $((mx + $1)) $((my + $2))
}

# dragCell COL0 ROW0 COL1 ROW1 [XDOTOOL-ARGS...]: drag the piece at the centre of one
# cell to another; further xdotool commands follow in the same run, without a gap.
dragCell() {
    local x0 y0 x1 y1 i steps=8
    read -r x0 y0 <<<"$(x11_cell_centre "$1" "$2")"
    read -r x1 y1 <<<"$(x11_cell_centre "$3" "$4")"
    shift 4
    x0=$((mx + x0)) y0=$((my + y0)) x1=$((mx + x1)) y1=$((my + y1))
    local args=(mousemove "$x0" "$y0" mousedown 1)
    for i in $(seq "$steps"); do
        args+=(mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps)))
    done
    xdotool "${args[@]}" mouseup 1 "$@"
}

# uncoveredMatch BOARD CANDIDATE BOX: whether BOARD (read with the message box BOX over
# the window) equals CANDIDATE (one line) on every dark cell that the box leaves visible.
uncoveredMatch() {
    local board=$1 candidate=$2 col row k x y
    x11_geometry "$3" || return 1
    for row in 1 2 3 4 5 6 7 8; do
        for col in 1 2 3 4 5 6 7 8; do
            [ $(((col + row) % 2)) -eq 1 ] || continue
            read -r x y <<<"$(x11_cell_centre "$col" "$row")"
            x=$((mx + x)) y=$((my + y))
            if [ "$x" -ge "$X11_WIN_X" ] && [ "$x" -lt $((X11_WIN_X + X11_WIN_W)) ] &&
                [ "$y" -ge "$X11_WIN_Y" ] && [ "$y" -lt $((X11_WIN_Y + X11_WIN_H)) ]; then
                continue
            fi
            k=$(((row - 1) * 16 + (col - 1) * 2))
            [ "${board:k:1}" = "${candidate:k:1}" ] || return 1
        done
    done
}

# closeMessageBox ID: answer the message box with Return, or click its OK button if the
# key does not reach it; then the opening position must follow.
closeMessageBox() {
    local id=$1
    xdotool windowfocus --sync "$id" key Return 2>/dev/null
    if ! x11_wait_window_gone "$id" 2>/dev/null; then
        # OK sits at the bottom right of the box.
        x11_geometry "$id"
        x11_click $((X11_WIN_X + X11_WIN_W - 50)) $((X11_WIN_Y + X11_WIN_H - 25))
        x11_wait_window_gone "$id" || x11_fail "the message box did not close on Return or a click on OK"
    fi
    x11_wait_board "$mx" "$my" "$opening" || x11_fail "no new game followed the message box"
}

# awaitMessageBox WHY: a message box must appear (WHY says which); close it.
awaitMessageBox() {
    local deadline=$((SECONDS + X11_TIMEOUT)) boxes=''
    while [ "$SECONDS" -le "$deadline" ]; do
        boxes=$(messageBoxes) && break
        x11_program_running || x11_fail "the program ended instead of announcing: $1"
        sleep 0.05
    done
    [ -n "$boxes" ] || x11_fail "no message box \"$1\" appeared within $X11_TIMEOUT s"
    closeMessageBox "$(head -n 1 <<<"$boxes")"
}

# awaitAnswer AFTER-RED: after a Red move that leaves AFTER-RED, wait for the computer's
# answer. Sets `position` to the position that Red is then to move from, and `ending` to
# the message that ended the game, if one did.
awaitAnswer() {
    local afterRed=$1 replies anyReplies winners boxes lastRead='' deadline candidate
    ending=''
    if ! grep -q '[bB]' <<<"$afterRed"; then
        ending="Red is the victor!"
        awaitMessageBox "$ending"
        position=$opening
        return
    fi
    replies=$("$player" replies <<<"$afterRed") || x11_fail "the Red player could not read the position"
    if [ -z "$replies" ]; then
        ending="Black can't move. Red is the victor!"
        awaitMessageBox "$ending"
        position=$opening
        return
    fi
    winners=$(grep -v '[rR]' <<<"$replies")

    deadline=$((SECONDS + X11_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ]; do
        if boxes=$(messageBoxes); then
            # Only a capture of Red's last piece may end the game here; the board behind
            # the box must show one.
            [ -n "$winners" ] || x11_fail "a message box appeared, but the computer could not have won from:
$afterRed"
            readScreen || continue
            local shown=false
            while read -r candidate; do
                uncoveredMatch "$(oneLine <<<"$screen")" "$candidate" "$(head -n 1 <<<"$boxes")" && shown=true
            done <<<"$winners"
            $shown || x11_fail "a message box appeared, but the board behind it shows no win for Black:
$screen"
            ending="Black is the victor!"
            closeMessageBox "$(head -n 1 <<<"$boxes")"
            position=$opening
            return
        fi
        x11_program_running || x11_fail "the program ended during the computer's move"
        if readScreen && grep -Fxq "$(oneLine <<<"$screen")" <<<"$replies"; then
            if grep -Fxq "$(oneLine <<<"$screen")" <<<"$winners"; then
                ending="Black is the victor!"
                awaitMessageBox "$ending"
                position=$opening
                return
            fi
            if redsTurnShown; then
                position=$screen
                return
            fi
        fi
        # The computer pauses before every capture of a chain: wait as long as it moves.
        if [ "$screen" != "$lastRead" ]; then
            lastRead=$screen
            deadline=$((SECONDS + X11_TIMEOUT))
        fi
        sleep 0.05
    done
    anyReplies=$("$player" replies --any <<<"$afterRed")
    if grep -Fxq "$(oneLine <<<"$screen")" <<<"$anyReplies"; then
        x11_fail "Black answered with a legal move that the computer never makes (it must capture when it can, and go on while it can). After Red's move:
$afterRed
the screen shows:
$screen"
    fi
    x11_fail "the screen did not come to show a legal answer by Black. After Red's move:
$afterRed
the screen shows:
$screen"
}

# Reset, Exit and Multi Jump clicked while the computer pauses must change nothing: the
# program runs on, the computer's answer arrives and stays, and Multi Jump's caption
# stays black. Multi Jump may be left pressed; it is released before Red moves again.
checkGuardHeld() {
    x11_program_running || x11_fail "Exit, clicked while the computer was to move, ended the program"
    sleep 0.5
    readScreen
    [ "$screen" = "$position" ] || x11_fail "the position changed after the computer's answer (was Reset obeyed late?):
$screen"
    x11_program_running || x11_fail "Exit, clicked while the computer was to move, ended the program"
    multiJumpIsRed && x11_fail "Multi Jump, clicked while the computer was to move, turned its caption red"
    clickPanel "$multiJumpX" "$multiJumpY"
    if multiJumpTurnsRed 1; then
        echo "note: Multi Jump was not left pressed by the click during the computer's pause"
        clickPanel "$multiJumpX" "$multiJumpY"
        sleep 0.3
        multiJumpIsRed && x11_fail "Multi Jump does not release"
    else
        echo "note: the click during the computer's pause left Multi Jump pressed; released it"
    fi
    readScreen
    [ "$screen" = "$position" ] || x11_fail "releasing Multi Jump without a capture changed the position:
$screen"
}

log="$PWD/game.log"
: >"$log"
position=$opening
redMoves=0
ending=''
guardChecked=false
while [ -z "$ending" ]; do
    boxes=$(messageBoxes) && x11_fail "a message box is open that no move explains"
    x11_geometry "$main"
    if [ "$X11_WIN_X" -ne "$mx" ] || [ "$X11_WIN_Y" -ne "$my" ]; then
        x11_fail "the main window moved to ($X11_WIN_X, $X11_WIN_Y): a press reached its background"
    fi
    if [ "$redMoves" -ge "$maxRedMoves" ]; then
        ending="no end after $maxRedMoves Red moves: Reset"
        clickPanel "$resetX" "$resetY"
        x11_wait_board "$mx" "$my" "$opening" || x11_fail "Reset did not start a new game"
        break
    fi
    move=$("$player" move <<<"$position") || x11_fail "the Red player could not read the position:
$position"
    if [ "$move" = none ]; then
        ending="Red is blocked with pieces left: Reset"
        clickPanel "$resetX" "$resetY"
        x11_wait_board "$mx" "$my" "$opening" || x11_fail "Reset did not start a new game"
        break
    fi
    read -ra cells <<<"$move"
    redMoves=$((redMoves + 1))
    printf 'Red move %d from\n%s\n: %s\n' "$redMoves" "$position" "$move" >>"$log"
    afterRed=$("$player" after "${cells[@]}" <<<"$position") || x11_fail "the Red player chose an illegal move: $move"

    if [ "${#cells[@]}" -gt 4 ]; then
        # A chain: Multi Jump before the first jump, each jump a drag of its own, Multi Jump
        # again after the last.
        clickPanel "$multiJumpX" "$multiJumpY"
        multiJumpTurnsRed "$X11_TIMEOUT" || x11_fail "Multi Jump did not turn its caption red when pressed"
        for ((k = 2; k < ${#cells[@]}; k += 2)); do
            dragCell "${cells[k - 2]}" "${cells[k - 1]}" "${cells[k]}" "${cells[k + 1]}"
            partial=$("$player" after "${cells[@]:0:k+2}" <<<"$position")
            x11_wait_board "$mx" "$my" "$partial" ||
                x11_fail "jump $((k / 2)) of the chain $move was not made, or Black moved in the middle of it"
        done
        clickPanel "$multiJumpX" "$multiJumpY"
        awaitAnswer "$afterRed"
    elif ! $guardChecked && grep -q '[bB]' <<<"$afterRed" &&
        replies=$("$player" replies <<<"$afterRed") && [ -n "$replies" ] && ! grep -qv '[rR]' <<<"$replies"; then
        # The computer will pause and then move without ending the game: click the three
        # buttons the moment the piece is dropped.
        guardChecked=true
        dragCell "${cells[@]}" \
            mousemove $((mx + resetX)) $((my + resetY)) click 1 \
            mousemove $((mx + exitX)) $((my + exitY)) click 1 \
            mousemove $((mx + multiJumpX)) $((my + multiJumpY)) click 1
        awaitAnswer "$afterRed"
        checkGuardHeld
        echo "ok: Reset, Exit and Multi Jump, clicked during the computer's pause after Red move $redMoves, were ignored"
    else
        dragCell "${cells[@]}"
        awaitAnswer "$afterRed"
    fi
done
echo "game over: $ending" >>"$log"
$guardChecked || x11_fail "the game gave no chance to click during the computer's pause"
echo "ok: $redMoves Red moves; the game ended: $ending ($((SECONDS - started)) s)"

# Exit ends the program.
clickPanel "$exitX" "$exitY"
deadline=$((SECONDS + X11_TIMEOUT))
while x11_program_running && [ "$SECONDS" -le "$deadline" ]; do
    sleep 0.02
done
x11_program_running && x11_fail "Exit did not end the program"
wait "$X11_PROGRAM_PID"
status=$?
X11_PROGRAM_PID=''
[ "$status" -eq 0 ] || x11_fail "the program ended with status $status"
echo "ok: a whole game against the computer by mouse, ended by Exit with status 0"
