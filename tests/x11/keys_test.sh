#!/usr/bin/env bash
# A blind player plays against the computer by the keys alone, and hears the game from the
# screen reader Orca: the start-up window's choices, a move of Red's and the computer's reply,
# test mode's placing, then Red c3-d4, Black's capture e5 x d4, Red's capture b2 x c3 and the
# victor's message, and the new game. What Orca says is read from its speech log. Skips (exit
# 77) without an X server, Orca or the accessibility bus.
#
# Usage: keys_test.sh JUMPLINE
set -u
source "$(dirname "$0")/orca_lib.sh"
x11_start
orca_start
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$PWD" "$1"
# One key at a time: each goes through the screen reader's key listener before the next.
keys() { local key; for key in "$@"; do xdotool key --clearmodifiers "$key"; done; }

wait_window Jumpline 359 294 >/dev/null || fail "no start-up window"
xdotool windowfocus --sync "$WIN_ID" # there is no window manager to activate it
orca_hear "Versus Human"
keys Down
orca_hear "Versus Computer"
keys Tab
orca_hear "Red is First"
keys Return # on an option: Start Game
wait_window Jumpline 618 518 >/dev/null || fail "Enter opened no main window"
main=$WIN_ID
xdotool windowfocus --sync "$main"
keys c 3
orca_hear "c3, red man"
keys space Prior space
orca_hear "Red c3 to d4. Black's turn."
orca_hear "Red's turn."
reply=$(sed -n "${ORCA_MARK}p" "$ORCA_SPEECH") # the utterance just heard
[[ $reply =~ \'Black\ ([a-h][1-8])\ to\ ([a-h][1-8])\.\ Red\'s\ turn\.\' ]] || fail "the computer's move is heard as $reply"
from=${BASH_REMATCH[1]} moved=${BASH_REMATCH[2]}

# Test mode: the red men as they stand, d4 back on c3, against one black man on e5.
xdotool mousemove $((WIN_X + 600)) $((WIN_Y + 336)) click --repeat 2 --delay 80 1
wait_window Password >/dev/null || fail "no password dialog"
xdotool windowfocus --sync "$WIN_ID" type krov
keys Return
wait_window "Test Window" >/dev/null || fail "no test window"
xdotool windowfocus --sync "$WIN_ID"
keys space # its button has the keys
orca_hear "Test mode on."
test=$WIN_ID
xdotool windowfocus --sync "$main"
# Each piece taken off is heard before the next is taken: on a busy machine the screen
# reader's key listener can hold the keys back for many seconds.
for cell in b8 d8 f8 h8 a7 c7 e7 g7 b6 d6 f6 h6; do
    [ "$cell" = "$from" ] && continue
    keys "${cell:0:1}" "${cell:1:1}" space g 1 Right space
    orca_hear "Black piece on $cell taken off."
done
keys d 4 space c 3 space
orca_hear "Red d4 to c3."
[ "$moved" = e5 ] || { keys "${moved:0:1}" "${moved:1:1}" space e 5 space && orca_hear "Black $moved to e5."; }
xdotool windowfocus --sync "$test"
keys space
orca_hear "Test mode off."

xdotool windowfocus --sync "$main"
keys c 3 space Prior space
orca_hear "Red c3 to d4. Black's turn."
orca_hear "Black e5 takes d4, lands on c3."
orca_hear "Red's turn."
keys b 2 space Prior Prior space
orca_hear "Red b2 takes c3, lands on d4. Black's turn."
orca_hear "Red is the victor!"
orca_hear "OK push button"
keys Return
orca_hear "New game. Red's turn."
echo "ok: a game by the keys, heard through Orca"
