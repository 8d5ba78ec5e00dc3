#!/usr/bin/env bash
# Bad input to the real program: broken piece pictures, a misplaced Images, no display or one
# it cannot use. Each start must either stop with a plain message that names what is wrong and
# exit status 1, or work: show its start-up window and end with status 0 on Exit. It must never
# end on a signal. A picture found first under the working directory is the one that counts.
#
# Usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11
#   headless  no X server needed: pictures read on the offscreen platform, and no display
#   x11       each start on a fresh X server of its own whose first and only client is the
#             program (skipped, exit 77, where none can be started): pictures beside the
#             program, a message box, 15-bit colour, which works, and 8-bit, which is refused
# The pictures' finer faults (a FIFO, a loop, permissions, a bitmap cut short or showing
# nothing) are tested against the loader itself, in tests/windows/PictureLoadTest.cpp.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"
program=$(realpath "${1:?usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11}") && group=${2:?} || exit 2
if [ "$group" = x11 ]; then x11_start; else start_tmp; fi
here=$TMP/here beside=$TMP/beside passed=0 failed=0
mkdir "$beside" && cp "$program" "$beside/"
# The program's file descriptors: one is a socket once it has connected to its X server.
connected() { local fd; for fd in /proc/"$PROGRAM"/fd/*; do [ -S "$fd" ] && return 0; done; return 1; }

# group ; name ; spoiling, run in $TMP ; environment (x11: the server's screen) ; status.window ; what the message says
while IFS=';' read -r in name setup environment want text; do
    [ "$in" = "$group" ] || continue
    rm -rf "$here" "$beside/Images" && mkdir "$here" && cp -r "$(dirname "$program")/Images" "$here/Images" &&
        cp -r "$here/Images" "$beside/Images" && (cd "$TMP" && eval "$setup") || fail "$name: the pictures could not be laid out"
    # A server without -noreset resets when its last client leaves, so nothing else may connect
    # before the program holds its own connection.
    [ "$group" = x11 ] && { x11_serve -screen 0 "$environment" || fail "no X server could be started: $X11_WHY"; }
    [ "$group" = x11 ] && export DISPLAY=:$X11_NUMBER environment=''
    # shellcheck disable=SC2086 # the environment is words
    start_program "$here" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY $environment "$beside/jumpline" 2>"$TMP/stderr"
    shown=''
    # What it shows: the start-up window (359 x 294 px), or a message box.
    if [ "$group" = x11 ] && wait_for 'connected || ! alive "$PROGRAM"' && wait_window Jumpline >/dev/null 2>&1; then
        [ "$WIN_W.$WIN_H" = 359.294 ] && shown=splash || shown=box
        xdotool windowfocus --sync "$WIN_ID" key Escape # the start-up window's Exit, the box's OK
    fi
    exited || { kill -KILL "$PROGRAM" && wait "$PROGRAM"; STATUS="$? (killed)"; }
    [ "$group" = x11 ] && kill "$X11_SERVER" && wait "$X11_SERVER"
    [ "$STATUS.$shown" = "$want" ] && { [ -z "$text" ] || grep -qizE -- "$text" "$TMP/stderr"; } && passed=$((passed + 1)) && continue
    failed=$((failed + 1)) && echo "FAIL: $name: ended $STATUS.$shown; it said: $(cat "$TMP/stderr")"
done <<EOF
headless;Red.bmp missing here and beside the program;rm here/Images/Red.bmp beside/Images/Red.bmp;QT_QPA_PLATFORM=offscreen;1.;Red.bmp.*not found.*$here/Images.*$beside/Images
headless;BlackKing.bmp empty;: >here/Images/BlackKing.bmp;QT_QPA_PLATFORM=offscreen;1.;$here/Images/BlackKing.bmp.*not a bitmap
headless;RedKing.bmp cut to its first 100 bytes;head -c 100 beside/Images/RedKing.bmp >here/Images/RedKing.bmp;QT_QPA_PLATFORM=offscreen;1.;$here/Images/RedKing.bmp.*cut short
headless;Black.bmp a 40 x 40 bitmap;convert -size 40x40 xc:grey BMP3:here/Images/Black.bmp;QT_QPA_PLATFORM=offscreen;1.;$here/Images/Black.bmp.*40 x 40
headless;no display;;-u DISPLAY;1.;DISPLAY is not set
headless;DISPLAY naming a display where no X server runs (by its socket's path);;DISPLAY=$TMP/none:0;1.;no X server answers at DISPLAY=$TMP/none:0
headless;QT_QPA_PLATFORM=xcb and no display;;-u DISPLAY QT_QPA_PLATFORM=xcb;1.;DISPLAY is not set
headless;WAYLAND_DISPLAY naming no compositor, and no display;;-u DISPLAY WAYLAND_DISPLAY=jumpline-none;1.;no display
x11;started from a folder without Images: the pictures beside the program;rm -r here/Images;640x480x24;0.splash
x11;Images here a file, 15-bit colour: the pictures beside the program;rm -r here/Images && echo x >here/Images;640x480x15;0.splash
x11;Red.bmp a text file, announced in a message box;echo text >here/Images/Red.bmp;640x480x24;1.box;$here/Images/Red.bmp.*not a bitmap
x11;8-bit colour;;640x480x8;1.;colour depth.*not supported
EOF
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
