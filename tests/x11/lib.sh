# shellcheck shell=bash
# Shared by the tests that drive the real program under a fresh X server. A test calls
# x11_start, starts the program with x11_start_program, finds its windows with
# x11_wait_window and acts with real pointer and key events from xdotool; what the screen
# shows is read back from screenshots. The program and the server are stopped when the test
# ends, in whatever way it ends. Where no X server can be started or a tool is missing, the
# test exits 77 (skipped).
#
# Nothing is timed: a test waits for what it needs (a window mapped, the board changed, the
# program ended), and X11_TIMEOUT only bounds how long a wait may take before the test fails,
# with room for a machine that is busy with other work.

X11_TIMEOUT=${X11_TIMEOUT:-60} # seconds
X11_SCREEN=${X11_SCREEN:-1024x768x24}
X11_ROOT='#204060' # a coloured root window, so that a missing window or cut corner shows

# The keeper of one X server, run apart from the test's processes (setsid): it starts Xvfb
# on a free display number, and once the server has ended or the test's shell is gone (also
# killed with every process it started, as CTest does when time runs out) it stops the
# server, which takes its socket away itself; it removes a socket that a killed server left
# behind, and the server's folder where the test can no longer do it.
# Arguments: the test shell's process, the folder, Xvfb's arguments.
X11_KEEPER='
    owner=$1 dir=$2
    shift 2
    setpriv --pdeathsig TERM Xvfb -displayfd 3 "$@" 3>"$dir/xvfb.number" 2>"$dir/xvfb.log" &
    server=$!
    echo "$server" >"$dir/xvfb.pid"
    until [ -s "$dir/xvfb.number" ] || ! kill -0 "$server" 2>/dev/null; do sleep 0.01; done
    socket=/tmp/.X11-unix/X$(head -n 1 "$dir/xvfb.number")
    inode=$(stat -c %i "$socket" 2>/dev/null)
    mkfifo "$dir/xvfb.tick" && exec {tick}<>"$dir/xvfb.tick" # read -t on it: a pause without a process
    while kill -0 "$server" 2>/dev/null && kill -0 "$owner" 2>/dev/null; do read -r -t 0.05 -u "$tick"; done
    kill -TERM "$server" 2>/dev/null
    wait "$server"
    [ -n "$inode" ] && [ "$(stat -c %i "$socket" 2>/dev/null)" = "$inode" ] && rm -f "$socket"
    if kill -0 "$owner" 2>/dev/null; then echo ended >"$dir/xvfb.ended"; else rm -rf "$dir"; fi
'

x11_skip() { echo "SKIP: $*" && exit 77; }

x11_fail() {
    [ -n "${DISPLAY:-}" ] && import -window root "$PWD/failure.png" 2>/dev/null && set -- "$@" "(screenshot: $PWD/failure.png)"
    echo "FAIL: $*" && exit 1
}

# x11_serve DIR XVFB-ARG...: a fresh Xvfb, kept by X11_KEEPER, with its files in DIR. Sets
# X11_NUMBER (its display number) and X11_SERVER (its process); where it cannot be started,
# returns 1 with what it said in X11_WHY.
x11_serve() {
    local dir=$1 deadline=$((SECONDS + X11_TIMEOUT))
    shift
    mkdir -p "$dir" && rm -f "$dir/xvfb.ended" "$dir/xvfb.tick" && : >"$dir/xvfb.number" && : >"$dir/xvfb.pid"
    setsid -f bash -c "$X11_KEEPER" x11-keeper "$$" "$dir" "$@" </dev/null >/dev/null 2>&1
    until { [ -s "$dir/xvfb.number" ] && [ -s "$dir/xvfb.pid" ]; } || [ -e "$dir/xvfb.ended" ] || [ "$SECONDS" -gt "$deadline" ]; do
        sleep 0.01
    done
    X11_NUMBER=$(head -n 1 "$dir/xvfb.number") X11_SERVER=$(cat "$dir/xvfb.pid")
    [ -n "$X11_NUMBER" ] || { X11_WHY=$(tail -n 2 "$dir/xvfb.log" 2>/dev/null) && return 1; }
}

# x11_stop DIR [SIGNAL]: stop the server of DIR (with TERM, or SIGNAL) and wait until its
# keeper has tidied up after it.
x11_stop() {
    local deadline=$((SECONDS + X11_TIMEOUT))
    [ -s "$1/xvfb.pid" ] && kill "-${2:-TERM}" "$(cat "$1/xvfb.pid")" 2>/dev/null
    until [ -e "$1/xvfb.ended" ] || [ ! -e "$1/xvfb.pid" ] || [ "$SECONDS" -gt "$deadline" ]; do sleep 0.01; done
}

x11_cleanup() {
    kill ${X11_PROGRAM_PID:-} ${X11_HOLDER:-} 2>/dev/null
    wait 2>/dev/null
    [ -z "${X11_TMP:-}" ] || { x11_stop "$X11_TMP" && rm -rf "$X11_TMP"; }
}

# A fresh Xvfb on a display number of its own choosing; sets DISPLAY.
x11_start() {
    local tool
    for tool in Xvfb xdotool import convert setpriv; do
        command -v "$tool" >/dev/null || x11_skip "no X server could be started: $tool is missing (run scripts/setup.sh)"
    done
    X11_TMP=$(mktemp -d)
    trap x11_cleanup EXIT
    x11_serve "$X11_TMP" -screen 0 "$X11_SCREEN" -noreset -nolisten tcp || x11_skip "no X server could be started: $X11_WHY"
    export DISPLAY=":$X11_NUMBER" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$X11_TMP"
    # The fonts and the look are the tests' own, not the machine's or the desktop's.
    FONTCONFIG_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/fonts.conf && export FONTCONFIG_FILE
    unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
        QT_ENABLE_HIGHDPI_SCALING XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
    chmod 700 "$X11_TMP" && xsetroot -solid "$X11_ROOT" 2>/dev/null
}

# x11_hold HOLDDISPLAY DIR [NUMBER]: a display number where no X server answers, held by
# jumpline_holddisplay (which the test kills when done with it, or dies with the test): the
# lowest free one, or NUMBER. Sets X11_HELD and X11_HOLDER; returns 1 where it cannot be held.
x11_hold() {
    local deadline=$((SECONDS + X11_TIMEOUT))
    : >"$2/held"
    "$1" ${3:+"$3"} >"$2/held" &
    X11_HOLDER=$!
    until [ -s "$2/held" ] || ! kill -0 "$X11_HOLDER" 2>/dev/null || [ "$SECONDS" -gt "$deadline" ]; do sleep 0.01; done
    X11_HELD=$(head -n 1 "$2/held")
    [ -n "$X11_HELD" ]
}

# x11_start_program DIR EXE [ARG...]: start EXE in the background, in the working folder DIR.
x11_start_program() {
    (cd "$1" && shift && exec "$@") &
    X11_PROGRAM_PID=$!
}

# x11_wait_window NAME [WIDTH HEIGHT]: print the id of the visible window titled NAME (of
# that size, when given) once it is mapped; sets X11_ID to it, X11_X, X11_Y to its place and
# X11_W, X11_H to its size. Fails at once where the program has ended.
x11_wait_window() {
    local id deadline=$((SECONDS + X11_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ] && { [ -z "${X11_PROGRAM_PID:-}" ] || kill -0 "$X11_PROGRAM_PID" 2>/dev/null; }; do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" | sed 's/^/local /')"
            [ -z "${2:-}" ] || [ "$WIDTH x $HEIGHT" = "$2 x $3" ] || continue
            X11_ID=$id X11_X=$X X11_Y=$Y X11_W=$WIDTH X11_H=$HEIGHT
            echo "$id" && return 0
        done
        sleep 0.02
    done
    echo "no window '$1' ${2:+($2 x $3) }was mapped" >&2 && return 1
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
