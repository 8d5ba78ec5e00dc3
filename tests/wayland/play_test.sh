#!/usr/bin/env bash
# A person plays natively on Wayland: the start-up window and the main window have their
# corners cut (the desktop shows there); "Start Game"; the main window is moved by its
# background; c3-d4 and two more moves are dragged; a double-click on the hot spot opens the
# password dialog, the code opens the test window; a black man is then dropped in the main
# window's top-left corner, where every window of a Wayland client claims to stand; Ctrl+Q
# ends the program, which has said nothing on stderr.
#
# Usage: play_test.sh JUMPLINE VPOINTER
set -u
source "$(dirname "$0")/lib.sh"
wl_start "${2:-}"
start_program "$PWD" "$1" 2>"$TMP/stderr"
cut() { # cut WHAT X Y: the desktop shows at the window's corner, the window just inside it
    wl_park && [ "$(colours "$2" "$3" $(($2 + 2)) $(($3 + 2)) $(($2 + 5)) $(($3 + 5)) | paste -sd ' ')" = "204060 204060 000000" ] ||
        fail "the $1's corner is not cut away"
}
wait_window Jumpline 359 294 >/dev/null || fail "no start-up window at 359 x 294"
cut "start-up window" "$WIN_X" "$WIN_Y"
wl_pointer move $((WIN_X + 91)) $((WIN_Y + 175)) && wl_pointer click # Start Game
main=$(wait_window Jumpline 618 518) || fail "Start Game opened no main window"
read -r x y _ <<<"$(wl_rect "$main")"
wl_move_by "$main" $((x + 560)) $((y + 200)) -150 -100 || fail "the main window did not move by its banner"
read -r MX MY _ <<<"$(wl_rect "$main")"
[ "$MX $MY" = "$((x - 150)) $((y - 100))" ] || fail "the main window moved to ($MX, $MY) instead of ($((x - 150)), $((y - 100)))"
cut "main window" "$MX" "$MY"
[ "#$(colours $((MX + 615)) $((MY + 2)))" = "$BACKGROUND" ] || fail "the banner shows in the main window's cut corner"
wl_park && board $'.b.b.b.b\nb.b.b.b.\n.b.b.b.b\n........\n........\nr.r.r.r.\n.r.r.r.r\nr.r.r.r.'
wl_pointer drag $(cell 3 6) $(cell 4 5) 8 # c3-d4
wl_pointer drag $(cell 2 3) $(cell 1 4) 8 # b6-a5
wl_pointer drag $(cell 7 6) $(cell 8 5) 8 # g3-h4
wl_park && board $'.b.b.b.b\nb.b.b.b.\n...b.b.b\nb.......\n...r...r\nr...r...\n.r.r.r.r\nr.r.r.r.'

wl_pointer move $(at 600 336) && wl_pointer click && wl_pointer click
dialog=$(wait_window Password 143 73) || fail "the hot spot opened no password dialog"
swaymsg "[con_id=$dialog] focus" >/dev/null && wtype krov && wtype -k Return
wait_window "Test Window" >/dev/null || fail "the code opened no test window"
read -r x y <<<"$(cell 2 3)"
wl_pointer drag $(cell 1 2) "$x" $((y - 20)) 8 # a7-b6, in the corner where the test window claims to stand
wl_park && board $'.b.b.b.b\n..b.b.b.\n.b.b.b.b\nb.......\n...r...r\nr...r...\n.r.r.r.r\nr.r.r.r.'

swaymsg "[con_id=$main] focus" >/dev/null && wtype -M ctrl -k q -m ctrl
exited || fail "Ctrl+Q did not end the program"
[ "$STATUS" = 0 ] || fail "Exit ended the program with status $STATUS"
[ -s "$TMP/stderr" ] && fail "the program said on stderr: $(cat "$TMP/stderr")"
echo "ok: played natively on Wayland"
