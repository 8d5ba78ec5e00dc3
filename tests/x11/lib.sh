# shellcheck shell=bash
# shellcheck disable=SC2034  # X11_WIN_* and X11_ROOT_COLOUR are read by the tests
# Shared helpers for the tests that drive the real program under a fresh X server.
#
# Source this file from bash. A test then calls x11_start, starts the program with
# x11_start_program, finds its window with x11_wait_window and acts on it with real
# pointer events (x11_click, x11_drag); what the screen shows is read back from
# screenshots (x11_read_board). Xvfb and the program are killed when the test exits.
#
# A test exits 77 (skipped) where no X server can be started or a tool is missing;
# CTest registers these tests with SKIP_RETURN_CODE 77.

# Seconds that a wait (window mapped, board drawn) may take before the test fails.
X11_TIMEOUT=${X11_TIMEOUT:-10}
# Screen of the fresh server: 24-bit colour, and a coloured root window, so that a
# window cut too much at its corners or a missing window shows in a screenshot.
X11_SCREEN=${X11_SCREEN:-1024x768x24}
X11_ROOT_COLOUR='#204060'

X11_TMP=''
X11_XVFB_PID=''
X11_PROGRAM_PID=''
X11_SHOT_COUNT=0

# Board geometry of the main window, in pixels from its top-left corner.
X11_CELL_ORIGIN=7
X11_CELL_PITCH=63
X11_CELL_SIZE=64

x11_skip() {
    echo "SKIP: $*"
    exit 77
}

x11_cleanup() {
    local pid
    for pid in "$X11_PROGRAM_PID" "$X11_XVFB_PID"; do
        [ -n "$pid" ] || continue
        kill -TERM "$pid" 2>/dev/null || continue
        # Give it half a second to go, then make sure.
        local i
        for i in $(seq 25); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.02
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    X11_PROGRAM_PID=''
    X11_XVFB_PID=''
    [ -n "$X11_TMP" ] && rm -rf "$X11_TMP"
    X11_TMP=''
}

# Start a fresh Xvfb on a display number that it picks itself (-displayfd), so that
# tests running side by side never share a server. Sets DISPLAY. Skips the test where
# a tool is missing or the server does not come up within about five seconds.
x11_start() {
    local tool
    for tool in Xvfb xdpyinfo xwininfo xsetroot xdotool import convert; do
        command -v "$tool" >/dev/null 2>&1 ||
            x11_skip "no X server could be started: '$tool' is not installed (run scripts/setup.sh)"
    done

    trap x11_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    X11_TMP=$(mktemp -d "${TMPDIR:-/tmp}/jumpline-x11.XXXXXX")
    Xvfb -displayfd 3 -screen 0 "$X11_SCREEN" -noreset -nolisten tcp \
        3>"$X11_TMP/display" >"$X11_TMP/xvfb.log" 2>&1 &
    X11_XVFB_PID=$!

    local number='' deadline=$((SECONDS + 5))
    while [ "$SECONDS" -le "$deadline" ]; do
        if ! kill -0 "$X11_XVFB_PID" 2>/dev/null; then
            X11_XVFB_PID=''
            x11_skip "no X server could be started: Xvfb exited: $(tail -n 3 "$X11_TMP/xvfb.log" | tr '\n' ' ')"
        fi
        number=$(head -n 1 "$X11_TMP/display" 2>/dev/null)
        if [ -n "$number" ] && DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
            break
        fi
        number=''
        sleep 0.02
    done
    [ -n "$number" ] || x11_skip "no X server could be started: Xvfb did not answer within 5 s"

    export DISPLAY=":$number"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    # A runtime directory of the test's own, as a desktop session would give.
    export XDG_RUNTIME_DIR="$X11_TMP/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    xsetroot -solid "$X11_ROOT_COLOUR"
}

# x11_start_program DIR EXE [ARG...]: start EXE with DIR as its working directory.
x11_start_program() {
    local dir=$1
    shift
    command -v "$1" >/dev/null || x11_fail "program '$1' is not there or not executable"
    (cd "$dir" && exec "$@") &
    X11_PROGRAM_PID=$!
}

x11_program_running() {
    [ -n "$X11_PROGRAM_PID" ] && kill -0 "$X11_PROGRAM_PID" 2>/dev/null
}

# x11_wait_window NAME [WIDTH HEIGHT]: wait until a window titled exactly NAME (and,
# when given, of that size) is mapped; print its id. Polls every 20 ms: xdotool's own
# --sync polls only every half second.
x11_wait_window() {
    local name=$1 width=${2:-} height=${3:-}
    local deadline=$((SECONDS + X11_TIMEOUT)) id
    while [ "$SECONDS" -le "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null); do
            if [ -z "$width" ]; then
                echo "$id"
                return 0
            fi
            x11_geometry "$id" || continue
            if [ "$X11_WIN_W" = "$width" ] && [ "$X11_WIN_H" = "$height" ]; then
                echo "$id"
                return 0
            fi
        done
        if [ -n "$X11_PROGRAM_PID" ] && ! x11_program_running; then
            echo "the program ended before its window '$name' ${width:+(${width}x$height) }appeared" >&2
            return 1
        fi
        sleep 0.02
    done
    echo "no window '$name' ${width:+(${width}x$height) }was mapped within $X11_TIMEOUT s" >&2
    return 1
}

# x11_wait_window_gone ID: wait until the window is no longer mapped.
x11_wait_window_gone() {
    local id=$1 deadline=$((SECONDS + X11_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ]; do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
        sleep 0.02
    done
    echo "window $id was still mapped after $X11_TIMEOUT s" >&2
    return 1
}

# x11_geometry ID: set X11_WIN_X, X11_WIN_Y (on the screen), X11_WIN_W, X11_WIN_H.
x11_geometry() {
    local key value out
    out=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 1
    while IFS='=' read -r key value; do
        case $key in
        X) X11_WIN_X=$value ;;
        Y) X11_WIN_Y=$value ;;
        WIDTH) X11_WIN_W=$value ;;
        HEIGHT) X11_WIN_H=$value ;;
        esac
    done <<<"$out"
}

# x11_click X Y: a left click at a point of the screen.
x11_click() {
    xdotool mousemove "$1" "$2" click 1
}

# x11_drag X0 Y0 X1 Y1 [STEPS]: press the left button at (X0, Y0), move there in
# STEPS motion events, as a hand does, and release it.
x11_drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=${5:-8} i
    local args=(mousemove "$x0" "$y0" mousedown 1)
    for i in $(seq "$steps"); do
        args+=(mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps)))
    done
    args+=(mouseup 1)
    xdotool "${args[@]}"
}

# x11_screenshot FILE: the whole screen, as the user sees it.
x11_screenshot() {
    import -window root "$1"
}

# x11_pixels FILE X Y [X Y ...]: print the colour of each point as RRGGBB, one a line,
# read in a single ImageMagick call.
x11_pixels() {
    local file=$1 format=''
    shift
    while [ $# -ge 2 ]; do
        format+="%[hex:p{$1,$2}]\n"
        shift 2
    done
    convert "$file" -depth 8 -format "$format" info:
}

# x11_cell_centre COL ROW: print the centre of a board cell, relative to the main
# window's top-left corner.
x11_cell_centre() {
    echo "$((X11_CELL_ORIGIN + X11_CELL_PITCH * ($1 - 1) + X11_CELL_SIZE / 2))" \
        "$((X11_CELL_ORIGIN + X11_CELL_PITCH * ($2 - 1) + X11_CELL_SIZE / 2))"
}

# x11_classify RRGGBB: the nearest of the colours that a dark cell's centre shows.
# '.' empty cell, 'r' red man, 'b' black man, 'R' red king, 'B' black king, and '?'
# for a colour far from all of them (the window is not there, or not drawn).
x11_classify() {
    _x11_nearest "$1"
    echo "$_x11_class"
}

# Sets _x11_class, without a subshell: a board takes 32 of these.
_x11_nearest() {
    local hex=$1
    local r=$((16#${hex:0:2})) g=$((16#${hex:2:2})) b=$((16#${hex:4:2}))
    local bestDistance=4800 entry name red green blue distance
    _x11_class='?'
    for entry in '.:192:192:192' 'r:200:30:30' 'b:30:30:30' 'R:255:215:0' 'B:235:235:235'; do
        IFS=':' read -r name red green blue <<<"$entry"
        distance=$(((r - red) ** 2 + (g - green) ** 2 + (b - blue) ** 2))
        if [ "$distance" -lt "$bestDistance" ]; then
            _x11_class=$name
            bestDistance=$distance
        fi
    done
}

# x11_read_board FILE WINX WINY: read the main window's board back from a screenshot
# whose window has its top-left corner at (WINX, WINY). Prints eight rows, row 1
# first, such as ". b . b . b . b"; light cells show as '.'.
x11_read_board() {
    local file=$1 winX=$2 winY=$3 col row points=() colours
    for row in 1 2 3 4 5 6 7 8; do
        for col in 1 2 3 4 5 6 7 8; do
            if [ $(((col + row) % 2)) -eq 1 ]; then
                points+=($((winX + X11_CELL_ORIGIN + X11_CELL_PITCH * (col - 1) + X11_CELL_SIZE / 2))
                    $((winY + X11_CELL_ORIGIN + X11_CELL_PITCH * (row - 1) + X11_CELL_SIZE / 2)))
            fi
        done
    done
    mapfile -t colours < <(x11_pixels "$file" "${points[@]}")
    [ "${#colours[@]}" -eq 32 ] || {
        echo "could not read 32 cells from $file" >&2
        return 1
    }
    local k=0 line
    for row in 1 2 3 4 5 6 7 8; do
        line=''
        for col in 1 2 3 4 5 6 7 8; do
            if [ $(((col + row) % 2)) -eq 1 ]; then
                _x11_nearest "${colours[k]}"
                line+="$_x11_class "
                k=$((k + 1))
            else
                line+='. '
            fi
        done
        echo "${line% }"
    done
}

# x11_wait_board WINX WINY EXPECTED: take screenshots until the board reads EXPECTED
# (eight rows, as x11_read_board prints them); on time-out show what it read instead.
x11_wait_board() {
    local winX=$1 winY=$2 expected=$3 actual=''
    local shot="$X11_TMP/board.png" deadline=$((SECONDS + X11_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ]; do
        if x11_screenshot "$shot" 2>/dev/null; then
            actual=$(x11_read_board "$shot" "$winX" "$winY")
            [ "$actual" = "$expected" ] && return 0
        fi
        sleep 0.02
    done
    {
        echo "the board did not come to read as expected within $X11_TIMEOUT s"
        echo "expected:"
        echo "$expected"
        echo "read:"
        echo "$actual"
    } >&2
    return 1
}

# x11_fail MESSAGE: save a screenshot in the working directory and fail the test.
x11_fail() {
    X11_SHOT_COUNT=$((X11_SHOT_COUNT + 1))
    local shot="$PWD/failure-$X11_SHOT_COUNT.png"
    if [ -n "${DISPLAY:-}" ] && [ -n "$X11_XVFB_PID" ] && x11_screenshot "$shot" 2>/dev/null; then
        echo "FAIL: $* (screenshot: $shot)"
    else
        echo "FAIL: $*"
    fi
    exit 1
}
