# shellcheck shell=bash
# Shared by the tests that drive the real program under a fresh X server (Xvfb), on top of
# ../lib.sh. A test calls x11_start, starts the program with start_program, finds its windows
# with x11_wait_window and acts with real pointer and key events from xdotool; what the screen
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
    watch_file "/tmp/.X11-unix/X$X11_NUMBER" && watch_file "/tmp/.X$X11_NUMBER-lock"
}

# x11_start: the test's folder and a fresh Xvfb of X11_SCREEN; sets DISPLAY.
x11_start() {
    local tool
    for tool in Xvfb xdotool import convert setpriv; do
        command -v "$tool" >/dev/null || skip "no X server could be started: $tool is missing (run scripts/setup.sh)"
    done
    start_tmp
    x11_serve -screen 0 "${X11_SCREEN:-1024x768x24}" -noreset || skip "no X server could be started: $X11_WHY"
    export DISPLAY=":$X11_NUMBER" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    xsetroot -solid "$BACKGROUND" 2>/dev/null
}

# x11_find TITLE [WxH]: a visible window so titled (of that size); sets X11_ID, X11_X, X11_Y,
# X11_W and X11_H.
x11_find() {
    local id X Y WIDTH HEIGHT SCREEN WINDOW
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ -z "$2" ] || [ "${WIDTH}x$HEIGHT" = "$2" ] || continue
        X11_ID=$id X11_X=$X X11_Y=$Y X11_W=$WIDTH X11_H=$HEIGHT && return 0
    done
    return 1
}

# x11_wait_window TITLE [WIDTH HEIGHT]: once such a window is mapped, print its id (and set
# what x11_find sets). Fails at once where the program has ended.
x11_wait_window() {
    local title=$1 size=${2:+$2x$3}
    wait_for '{ [ -z "${PROGRAM:-}" ] || alive "$PROGRAM" || return 1; } && x11_find "$title" "$size"' ||
        { echo "no window '$1' ${2:+($2 x $3) }was mapped" >&2 && return 1; }
    echo "$X11_ID"
}

# x11_drag X0 Y0 X1 Y1: press the left button at one point of the screen, move to the other
# in eight steps as a hand does, and release it.
x11_drag() {
    local args=(mousemove "$1" "$2" mousedown 1) i
    for i in 1 2 3 4 5 6 7 8; do args+=(mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))); done
    xdotool "${args[@]}" mouseup 1
}
