#!/usr/bin/env bash
# Bad input to the real program: broken piece pictures, a misplaced Images, no display or one
# it cannot use. Each start must either stop with a plain message that names what is wrong and
# exit status 1, or work: show its start-up window and end with status 0 on Exit. It must never
# end on a signal. A picture found first under the working directory is the one that counts.
#
# Usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11 PATH-TO-HOLDDISPLAY
#   headless  no X server needed: pictures read on the offscreen platform, and no display
#   x11       under X servers (skipped, exit 77, where none can be started): pictures beside
#             the program, a message box; 50 starts, each on a fresh server whose first and
#             only client is the program, each followed by one with that server killed; and
#             a server of 15-bit colour, which works, and one of 8-bit colour, which is refused
# The pictures' finer faults (a FIFO, a loop, permissions, a bitmap cut short or showing
# nothing) are tested against the loader itself, in tests/windows/PictureLoadTest.cpp.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"

program=$(realpath "${1:?usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11 PATH-TO-HOLDDISPLAY}")
group=${2:?usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11 PATH-TO-HOLDDISPLAY}
holddisplay=$(realpath "${3:?usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11 PATH-TO-HOLDDISPLAY}")
# The test's folders: in the x11 group under X11_TMP, which goes however the test ends;
# otherwise in the working folder.
if [ "$group" = x11 ]; then
    x11_start && work=$X11_TMP
else
    work=$PWD/work && rm -rf "$work" && mkdir "$work" && trap 'x11_cleanup; rm -rf "$work"' EXIT
fi
here=$work/here beside=$work/beside passed=0 failed=0
mkdir "$beside" && cp "$program" "$beside/"
# A display number where no X server runs, held so that none starts there meanwhile: the
# headless cases name it.
[ "$group" = headless ] && { x11_hold "$holddisplay" "$work" || { echo "FAIL: no display number could be held" && exit 1; }; }
spare=${X11_HELD:-}

# layout SETUP: good pictures in `here` (the working directory) and beside the program, then
# SETUP, run in $work.
layout() {
    rm -rf "$here" "$beside/Images" && mkdir "$here" && cp -r "$(dirname "$program")/Images" "$here/Images" &&
        cp -r "$here/Images" "$beside/Images" && (cd "$work" && eval "$1")
}
# start [-u NAME...] [NAME=VALUE...]: the program in `here`, with that environment, in the background.
start() { x11_start_program "$here" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" "$beside/jumpline" 2>"$work/stderr"; }
# finish: wait for the program to end (killing it after X11_TIMEOUT); sets `status`.
finish() {
    local deadline=$((SECONDS + X11_TIMEOUT))
    while kill -0 "$X11_PROGRAM_PID" 2>/dev/null && [ "$SECONDS" -le "$deadline" ]; do sleep 0.02; done
    kill -KILL "$X11_PROGRAM_PID" 2>/dev/null
    wait "$X11_PROGRAM_PID"
    status=$?
}
# answer: click Exit on the start-up window (359 x 294 px), or press Return on a message box;
# then finish. `status` tells what was shown too: 0.splash, 1.box, 1. (nothing) ...
answer() {
    local shown=''
    if x11_wait_window Jumpline >/dev/null 2>&1; then
        [ "$X11_W.$X11_H" = 359.294 ] && shown=splash || shown=box
        [ $shown = splash ] && xdotool mousemove $((X11_X + 238)) $((X11_Y + 175)) click 1
        [ $shown = box ] && xdotool windowfocus --sync "$X11_ID" key Return
    fi
    finish
    status=$status.$shown
}
# verdict NAME STATUS [TEXT]: the start ended with STATUS and said TEXT (an extended regular
# expression, any case, across lines).
verdict() {
    [ "$status" = "$2" ] && { [ -z "${3:-}" ] || grep -qizE -- "$3" "$work/stderr"; } && passed=$((passed + 1)) && return
    failed=$((failed + 1)) && echo "FAIL: $1: exit status $status; it said: $(cat "$work/stderr")"
}

# group ; name ; spoiling ; environment ; status ; what the message says
while IFS=';' read -r in name setup environment want text; do
    [ "$in" = "$group" ] || continue
    # shellcheck disable=SC2086 # the environment is words
    layout "$setup" && start $environment
    if [ "$group" = x11 ]; then answer; else finish; fi
    verdict "$name" "$want" "$text"
done <<EOF
headless;Red.bmp missing here and beside the program;rm here/Images/Red.bmp beside/Images/Red.bmp;QT_QPA_PLATFORM=offscreen;1;Red.bmp.*not found.*$here/Images.*$beside/Images
headless;Black.bmp empty;: >here/Images/Black.bmp;QT_QPA_PLATFORM=offscreen;1;$here/Images/Black.bmp.*not a bitmap
headless;RedKing.bmp cut to its first 100 bytes;head -c 100 beside/Images/RedKing.bmp >here/Images/RedKing.bmp;QT_QPA_PLATFORM=offscreen;1;$here/Images/RedKing.bmp.*cut short
headless;BlackKing.bmp a text file;echo text >here/Images/BlackKing.bmp;QT_QPA_PLATFORM=offscreen;1;$here/Images/BlackKing.bmp.*not a bitmap
headless;Black.bmp a 40 x 40 bitmap;convert -size 40x40 xc:grey BMP3:here/Images/Black.bmp;QT_QPA_PLATFORM=offscreen;1;$here/Images/Black.bmp.*40 x 40
headless;no display;;-u DISPLAY;1;DISPLAY is not set
headless;DISPLAY naming a display where no X server runs;;DISPLAY=:$spare;1;no X server answers at DISPLAY=:$spare
headless;QT_QPA_PLATFORM=xcb and no display;;-u DISPLAY QT_QPA_PLATFORM=xcb;1;DISPLAY is not set
headless;WAYLAND_DISPLAY naming no compositor, and no display;;-u DISPLAY WAYLAND_DISPLAY=jumpline-none;1;no display
x11;started from a folder without Images: the pictures beside the program;rm -r here/Images;;0.splash
x11;Images here a file: the pictures beside the program;rm -r here/Images && echo x >here/Images;;0.splash
x11;Red.bmp a text file, announced in a message box;echo text >here/Images/Red.bmp;;1.box;$here/Images/Red.bmp.*not a bitmap
EOF

# Servers of the test's own, started without -noreset: such a server resets when its last
# client leaves, so nothing else may connect before the program holds its own connection.
connected() { local fd; for fd in /proc/"$1"/fd/*; do [ -S "$fd" ] && return 0; done; return 1; } # a socket open
serve() { x11_serve "$work/server" -screen 0 "$1" -nolisten tcp || x11_fail "no X server could be started: $X11_WHY"; }
[ "$group" = x11 ] && for i in $(seq 50); do
    layout "" && serve 640x480x24 && DISPLAY=:$X11_NUMBER start
    until connected "$X11_PROGRAM_PID" || ! kill -0 "$X11_PROGRAM_PID" 2>/dev/null; do sleep 0.01; done
    DISPLAY=:$X11_NUMBER answer && verdict "start $i on a fresh server" 0.splash
    # Killed: its number is held at once, so that no other server takes it while the program
    # is started there; where one has been quicker, this start is left out.
    x11_stop "$work/server" KILL
    x11_hold "$holddisplay" "$work" "$X11_NUMBER" || { echo "note: display :$X11_NUMBER was taken at once by another server" && continue; }
    DISPLAY=:$X11_NUMBER start && finish && verdict "start $i on its server killed" 1 "no X server answers at DISPLAY=:$X11_NUMBER"
    kill "$X11_HOLDER" && wait "$X11_HOLDER" 2>/dev/null
    X11_HOLDER=''
done
[ "$group" = x11 ] && serve 1024x768x15 && DISPLAY=:$X11_NUMBER start && DISPLAY=:$X11_NUMBER answer && verdict "a 15-bit server" 0.splash &&
    x11_stop "$work/server"
[ "$group" = x11 ] && serve 1280x1024x8 && DISPLAY=:$X11_NUMBER start && finish && verdict "an 8-bit server" 1 "colour depth.*not supported" &&
    x11_stop "$work/server"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
