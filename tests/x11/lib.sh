# shellcheck shell=bash
# Shared by the tests that drive the real program under a fresh X server. A test calls
# x11_start, starts the program with x11_start_program, finds its windows with
# x11_wait_window and acts with real pointer and key events from xdotool; what the screen
# shows is read back from screenshots. Xvfb and the program are killed when the test ends.
# Where no X server can be started or a tool is missing, the test exits 77 (skipped).

X11_TIMEOUT=${X11_TIMEOUT:-10} # seconds a wait may take
X11_SCREEN=${X11_SCREEN:-1024x768x24}
X11_ROOT='#204060' # a coloured root window, so that a missing window or cut corner shows

x11_skip() { echo "SKIP: $*" && exit 77; }

x11_fail() {
    [ -n "${DISPLAY:-}" ] && import -window root "$PWD/failure.png" 2>/dev/null && set -- "$@" "(screenshot: $PWD/failure.png)"
    echo "FAIL: $*" && exit 1
}

x11_cleanup() {
    kill ${X11_PROGRAM_PID:-} ${X11_XVFB_PID:-} 2>/dev/null
    wait 2>/dev/null
    rm -rf "${X11_TMP:-}"
}

# A fresh Xvfb on a display number of its own choosing; sets DISPLAY.
x11_start() {
    local tool number=''
    for tool in Xvfb xdotool import convert; do
        command -v "$tool" >/dev/null || x11_skip "no X server could be started: $tool is missing (run scripts/setup.sh)"
    done
    X11_TMP=$(mktemp -d) && : >"$X11_TMP/display"
    trap x11_cleanup EXIT
    Xvfb -displayfd 3 -screen 0 "$X11_SCREEN" -noreset -nolisten tcp 3>"$X11_TMP/display" 2>"$X11_TMP/xvfb.log" &
    X11_XVFB_PID=$!
    for _ in $(seq 250); do
        number=$(head -n 1 "$X11_TMP/display")
        [ -n "$number" ] || ! kill -0 "$X11_XVFB_PID" 2>/dev/null && break
        sleep 0.02
    done
    [ -n "$number" ] || x11_skip "no X server could be started: $(tail -n 2 "$X11_TMP/xvfb.log")"
    export DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$X11_TMP"
    # The fonts and the look are the tests' own, not the machine's or the desktop's.
    FONTCONFIG_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/fonts.conf && export FONTCONFIG_FILE
    unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
        QT_ENABLE_HIGHDPI_SCALING XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
    chmod 700 "$X11_TMP" && xsetroot -solid "$X11_ROOT" 2>/dev/null
}

# x11_start_program DIR EXE [ARG...]: start EXE in the background, in the working folder DIR.
x11_start_program() {
    (cd "$1" && shift && exec "$@") &
    X11_PROGRAM_PID=$!
}

# x11_wait_window NAME [WIDTH HEIGHT]: print the id of the visible window titled NAME (of
# that size, when given) once it is mapped; sets X11_ID to it, X11_X, X11_Y to its place and
# X11_W, X11_H to its size.
x11_wait_window() {
    local id deadline=$((SECONDS + X11_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/local /')"
            [ -z "${2:-}" ] || [ "$WIDTH x $HEIGHT" = "$2 x $3" ] || continue
            X11_ID=$id X11_X=$X X11_Y=$Y X11_W=$WIDTH X11_H=$HEIGHT
            echo "$id" && return 0
        done
        sleep 0.02
    done
    echo "no window '$1' ${2:+($2 x $3) }was mapped within $X11_TIMEOUT s" >&2 && return 1
}

# x11_drag X0 Y0 X1 Y1: press the left button at one point of the screen, move to the other
# in eight steps as a hand does, and release it.
x11_drag() {
    local args=(mousemove "$1" "$2" mousedown 1) i
    for i in 1 2 3 4 5 6 7 8; do args+=(mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))); done
    xdotool "${args[@]}" mouseup 1
}

# x11_board X Y SCALE: the board of the main window whose corner is at (X, Y), read from a
# screenshot by the colour at each dark cell's centre: one row a line, '.' empty, 'r', 'b'
# a man, 'R', 'B' a king, '?' anything else.
x11_board() {
    local points='' col row
    for row in 1 2 3 4 5 6 7 8; do
        for col in 1 2 3 4 5 6 7 8; do points+="%[hex:p{$(($1 + (39 + 63 * (col - 1)) * $3)),$(($2 + (39 + 63 * (row - 1)) * $3))}] "; done
        points+='\n'
    done
    import -window root "$X11_TMP/board.png"
    convert "$X11_TMP/board.png" -depth 8 -format "$points" info: |
        sed -e 's/C0C0C0/./g; s/FFFFFF/./g; s/C81E1E/r/g; s/1E1E1E/b/g; s/FFD700/R/g; s/EBEBEB/B/g; s/[0-9A-F]\{6\}/?/g; s/ //g'
}

# x11_wait_board X Y SCALE EXPECTED: screenshots until the board reads EXPECTED.
x11_wait_board() {
    local read='' deadline=$((SECONDS + X11_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ] && [ "$read" != "$4" ]; do read=$(x11_board "$1" "$2" "$3"); done
    [ "$read" = "$4" ] || { printf 'the board reads\n%s\ninstead of\n%s\n' "$read" "$4" >&2 && return 1; }
}
