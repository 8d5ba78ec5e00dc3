#!/usr/bin/env bash
# The program natively on Wayland, as a first proof of the harness: the start-up window
# opens, "Start Game" opens the main window with the opening position, a red man dragged
# from c3 to d4 stands there, and Ctrl+Q ends the program. What Qt prints on stderr is
# shown at the end.
#
# Usage: probe_test.sh JUMPLINE VPOINTER
set -u
source "$(dirname "$0")/lib.sh"
program=$1
wl_start "${2:-}"
wl_start_program "$PWD" "$program" 2>"$WL_TMP/stderr"
wl_wait_window Jumpline 359 294 >/dev/null || wl_fail "no start-up window at 359 x 294"
corner=$(wl_pixel "$WL_X" "$WL_Y")
[ "$corner" = "$WL_BACKGROUND" ] || echo "note: the start-up window's corner is not cut away: $corner"
wl_pointer move $((WL_X + 91)) $((WL_Y + 175)) && wl_pointer click # Start Game
wl_wait_window Jumpline 618 518 >/dev/null || wl_fail "Start Game opened no main window"
main=$WL_ID mx=$WL_X my=$WL_Y
cell() { echo $((mx + 39 + 63 * ($1 - 1))) $((my + 39 + 63 * ($2 - 1))); }
board() { wl_wait_board "$mx" "$my" 1 "$1" || wl_fail "the board is not as it should be"; }
board $'.b.b.b.b\nb.b.b.b.\n.b.b.b.b\n........\n........\nr.r.r.r.\n.r.r.r.r\nr.r.r.r.'

wl_drag $(cell 3 6) $(cell 4 5) # c3-d4
board $'.b.b.b.b\nb.b.b.b.\n.b.b.b.b\n........\n...r....\nr...r.r.\n.r.r.r.r\nr.r.r.r.'

wl_focus "$main"
wl_keys -M ctrl -k q -m ctrl
for _ in $(seq 500); do kill -0 "$WL_PROGRAM_PID" 2>/dev/null || break; sleep 0.02; done
kill -0 "$WL_PROGRAM_PID" 2>/dev/null && wl_fail "Ctrl+Q did not end the program"
wait "$WL_PROGRAM_PID" || wl_fail "Exit ended the program with status $?"
[ -s "$WL_TMP/stderr" ] && echo "the program said on stderr:" && sed 's/^/    /' "$WL_TMP/stderr"
echo "ok: started, Start Game, c3-d4 and Ctrl+Q natively on Wayland"
