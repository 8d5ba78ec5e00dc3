# shellcheck shell=bash
# Shared by the tests that drive the real program under a fresh X server (Xvfb), on top of
# ../lib.sh. A test calls x11_start, starts the program with start_program, finds its windows
# with wait_window and acts with real pointer and key events from xdotool; what the screen
# shows is read back from screenshots. Where no X server can be started or a tool is missing,
# the test exits 77 (skipped).
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

screenshot() { import -window root "$1"; }

# x11_serve XVFB-ARG...: a fresh Xvfb on a free display number of its own choosing, which ends
# with the test; sets X11_NUMBER and X11_SERVER, or returns 1 with what it said in X11_WHY.
x11_serve() {
    : >"$TMP/number"
    run Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$TMP/number" 2>"$TMP/xvfb.log"
    X11_SERVER=$PID
    wait_for '[ -s "$TMP/number" ] || ! alive "$X11_SERVER"'
    X11_NUMBER=$(head -n 1 "$TMP/number")
    [ -n "$X11_NUMBER" ] || { X11_WHY=$(tail -n 2 "$TMP/xvfb.log") && return 1; }
    # Its socket and lock, which a killed server leaves, are removed with the test while they are its own.
    echo "$(stat -c %i "/tmp/.X11-unix/X$X11_NUMBER" 2>/dev/null) /tmp/.X11-unix/X$X11_NUMBER" >>"$TMP/files"
    echo "$(stat -c %i "/tmp/.X$X11_NUMBER-lock" 2>/dev/null) /tmp/.X$X11_NUMBER-lock" >>"$TMP/files"
}

# x11_start: the test's folder and a fresh Xvfb of X11_SCREEN; sets DISPLAY.
x11_start() {
    needs "no X server could be started" Xvfb xdotool import convert setpriv
    start_tmp
    x11_serve -screen 0 "${X11_SCREEN:-1024x768x24}" -noreset || skip "no X server could be started: $X11_WHY"
    export DISPLAY=":$X11_NUMBER" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    xsetroot -solid "$BACKGROUND" 2>/dev/null
}

# find_window TITLE [WIDTH HEIGHT]: a visible window so titled (of that size); sets WIN_ID,
# WIN_X, WIN_Y, WIN_W and WIN_H.
find_window() {
    local id X Y WIDTH HEIGHT SCREEN WINDOW
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ -z "$2" ] || [ "$WIDTH $HEIGHT" = "$2 $3" ] || continue
        WIN_ID=$id WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT && return 0
    done
    return 1
}

# x11_drag X0 Y0 X1 Y1: press the left button at one point of the screen, move to the other
# in eight steps as a hand does, and release it.
x11_drag() {
    local args=(mousemove "$1" "$2" mousedown 1) i
    for i in 1 2 3 4 5 6 7 8; do args+=(mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))); done
    xdotool "${args[@]}" mouseup 1
}
