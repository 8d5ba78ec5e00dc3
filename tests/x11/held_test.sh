#!/usr/bin/env bash
# A person's hands at a real X server: a piece held with the mouse while a shortcut changes
# the game goes back where it was (Red c3-d4, Black b6-c5, Multi Jump, d4 takes c5; the red
# man is held, M passes the turn, and released on c5 it stays on b6; F2 while a man is held
# leaves the opening), and a stray Tab or Shift+Tab before Space ends nothing. Skips (exit
# 77) without an X server.
#
# Usage: held_test.sh JUMPLINE
set -u
source "$(dirname "$0")/lib.sh"
x11_start
start_program "$PWD" "$1"
wait_window Jumpline 359 294 >/dev/null || fail "no start-up window"
xdotool windowfocus --sync "$WIN_ID" key Return
wait_window Jumpline 618 518 >/dev/null || fail "Enter opened no main window"
MX=$WIN_X MY=$WIN_Y

x11_drag $(cell 3 6) $(cell 4 5)
x11_drag $(cell 2 3) $(cell 3 4)
xdotool windowfocus --sync "$WIN_ID" key m
x11_drag $(cell 4 5) $(cell 2 3)
xdotool mousemove $(cell 2 3) mousedown 1 mousemove_relative 10 10 key m mousemove $(cell 3 4) mouseup 1
board $'.b.b.b.b\nb.b.b.b.\n.r.b.b.b\n........\n........\nr...r.r.\n.r.r.r.r\nr.r.r.r.' \
    "the red man held while M passed the turn did not stay on b6"
xdotool key F2 mousemove $(cell 1 6) mousedown 1 mousemove_relative 10 10 key F2 mousemove $(cell 2 5) mouseup 1
board $'.b.b.b.b\nb.b.b.b.\n.b.b.b.b\n........\n........\nr.r.r.r.\n.r.r.r.r\nr.r.r.r.' \
    "F2 while a man was held did not leave the opening"

# Keys that play on the board after them show that the program is still there.
xdotool key space Tab space Escape shift+Tab space Escape space Up space
board $'.b.b.b.b\nb.b.b.b.\n.b.b.b.b\n........\n.r......\n..r.r.r.\n.r.r.r.r\nr.r.r.r.' \
    "Tab or Shift+Tab then Space ended the program (or Escape did not give the board the keys)"
echo "ok: a held piece goes back, and no stray key ends the game"
