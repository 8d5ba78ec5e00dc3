# shellcheck shell=bash
# Shared by the tests that drive the real program on a fresh Wayland compositor: a headless
# sway. A test calls wl_start, starts the program with wl_start_program, finds its windows
# with wl_wait_window and acts with a virtual pointer (wl_pointer, through vpointer) and
# virtual keys (wl_keys, through wtype); what the screen shows is read back from grim's
# screenshots. However the test ends, killed too, sway, the program and their sockets go
# with it. Where no compositor can be started or a tool is missing, the test exits 77.
#
# sway refuses to run as root; under root it runs as nobody (uid 65534), with a runtime
# folder of its own, and the program and the tools, still root, reach its socket by path.

WL_TIMEOUT=${WL_TIMEOUT:-10}        # seconds a wait may take
WL_OUTPUT=${WL_OUTPUT:-1024x768}    # the one output's size, in pixels
WL_XWAYLAND=${WL_XWAYLAND:-disable} # 'enable' also starts XWayland, for X programs
WL_BACKGROUND='#204060' # a coloured desktop, so that a missing window or cut corner shows

wl_skip() { echo "SKIP: $*" && exit 77; }

wl_fail() {
    [ -n "${WAYLAND_DISPLAY:-}" ] && grim "$PWD/failure.png" 2>/dev/null && set -- "$@" "(screenshot: $PWD/failure.png)"
    echo "FAIL: $*" && exit 1
}

# Ends what wl_start and wl_start_program started, then closes the guard's pipe.
wl_cleanup() {
    [ -n "${WL_POINTER_IN:-}" ] && exec {WL_POINTER_IN}>&- {WL_POINTER_OUT}<&-
    kill ${WL_PROGRAM_PID:-} ${WL_KEYBOARD_PID:-} ${WL_POINTER_PID:-} 2>/dev/null
    kill -9 ${WL_SWAY_PID:-} 2>/dev/null # sway loses a SIGTERM that comes while it starts
    wait 2>/dev/null
    # shellcheck disable=SC2046 # two names without spaces
    [ -f "${WL_TMP:-}/x-files" ] && rm -f $(cat "$WL_TMP/x-files")
    rm -rf "${WL_TMP:-}"
    [ -n "${WL_GUARD:-}" ] && exec {WL_GUARD}>&-
}

# A process that outlives the test and tidies up after a test that was killed (SIGKILL
# too, or its whole process group): it waits for the end of a pipe that only the test's
# shell holds open, then ends the processes listed in $WL_TMP/pids (those still being the
# same process) and removes $WL_TMP with the compositor's sockets. Started in a session of
# its own, away from the test's process group. The long-lived children are started without
# the pipe (wl_run), and get a signal when the shell dies: sway SIGKILL, the others SIGTERM.
wl_guard() {
    # shellcheck disable=SC2016 # expanded by the guard's own shell
    exec {WL_GUARD}> >(exec setsid -f bash -c '
        cat >/dev/null
        [ -f "$0/pids" ] || exit 0
        while read -r pid start; do
            [ "$(cut -d " " -f 22 "/proc/$pid/stat" 2>/dev/null)" = "$start" ] && kill "$pid"
        done <"$0/pids"
        for _ in $(seq 100); do
            alive=0
            while read -r pid start; do
                [ "$(cut -d " " -f 22 "/proc/$pid/stat" 2>/dev/null)" = "$start" ] && alive=1 && kill -9 "$pid" 2>/dev/null
            done <"$0/pids"
            [ $alive = 0 ] && break
            sleep 0.05
        done
        [ -f "$0/x-files" ] && rm -f $(cat "$0/x-files")
        rm -rf "$0"' "$WL_TMP" >/dev/null 2>&1)
}

# wl_watch PID: lists PID for the guard.
wl_watch() { echo "$1 $(cut -d ' ' -f 22 "/proc/$1/stat")" >>"$WL_TMP/pids"; }

# wl_run COMMAND...: runs COMMAND without the guard's pipe and the pointer's, and with
# SIGTERM when the test's shell dies; for the long-lived children, started with '&'.
wl_run() {
    exec {WL_GUARD}>&-
    [ -z "${WL_POINTER_IN:-}" ] || exec {WL_POINTER_IN}>&- {WL_POINTER_OUT}<&-
    exec setpriv --pdeathsig TERM "$@"
}

# wl_start VPOINTER: a fresh headless sway with one output of $WL_OUTPUT, a desktop of
# $WL_BACKGROUND and every window floating, borderless, where it opens (at the output's
# centre); a pointer (VPOINTER, the built tests/wayland/vpointer) and a keyboard held for
# the whole test. Sets WAYLAND_DISPLAY, SWAYSOCK and QT_QPA_PLATFORM=wayland.
wl_start() {
    local tool vpointer=${1:-} user=() run socket width=${WL_OUTPUT%x*} height=${WL_OUTPUT#*x} deadline
    for tool in sway swaymsg swaybg grim wtype convert jq setpriv setsid; do
        command -v "$tool" >/dev/null || wl_skip "no Wayland compositor could be started: $tool is missing (run scripts/setup.sh)"
    done
    [ -x "$vpointer" ] || wl_skip "no virtual pointer: vpointer was not built (it needs libwayland-dev and libwayland-bin)"
    WL_TMP=$(mktemp -d) && chmod 711 "$WL_TMP"
    trap wl_cleanup EXIT
    wl_guard
    run=$WL_TMP/sway && mkdir -m 700 "$run" "$WL_TMP/client"
    if [ "$(id -u)" = 0 ]; then # sway will not run as root
        user=(--reuid=65534 --regid=65534 --clear-groups) && chown 65534:65534 "$run"
    fi
    cat >"$WL_TMP/sway.conf" <<EOF
output * resolution $WL_OUTPUT position 0 0 bg $WL_BACKGROUND solid_color
default_border none
default_floating_border none
xwayland $WL_XWAYLAND
for_window [app_id=".*"] floating enable
for_window [class=".*"] floating enable
EOF
    chmod 644 "$WL_TMP/sway.conf"
    env -i PATH="$PATH" HOME="$run" XDG_RUNTIME_DIR="$run" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 setpriv "${user[@]}" --pdeathsig KILL \
        sway ${WL_SWAY_DEBUG:+-d} -c "$WL_TMP/sway.conf" >"$WL_TMP/sway.log" 2>&1 {WL_GUARD}>&- &
    WL_SWAY_PID=$! && wl_watch "$WL_SWAY_PID"
    export XDG_RUNTIME_DIR="$WL_TMP/client" QT_QPA_PLATFORM=wayland
    unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
    # Ready once it answers with its output at that size, and shows its desktop.
    deadline=$((SECONDS + WL_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ] && kill -0 "$WL_SWAY_PID" 2>/dev/null; do
        if [ -z "${SWAYSOCK:-}" ]; then
            for socket in "$run"/wayland-[0-9] "$run"/wayland-[0-9][0-9]; do [ -S "$socket" ] && export WAYLAND_DISPLAY=$socket; done
            for socket in "$run"/sway-ipc.*.sock; do [ -S "$socket" ] && [ -n "${WAYLAND_DISPLAY:-}" ] && export SWAYSOCK=$socket; done
        elif [ "$(swaymsg -t get_outputs -r 2>/dev/null | jq -r '.[] | select(.active) | "\(.rect.width)x\(.rect.height)"')" = "$WL_OUTPUT" ] &&
            [ "$(wl_pixel 1 1)" = "$WL_BACKGROUND" ] && [ "$(wl_pixel $((width - 2)) $((height - 2)))" = "$WL_BACKGROUND" ]; then
            break
        fi
        sleep 0.02
    done
    [ "$(wl_pixel $((width - 2)) $((height - 2)) 2>/dev/null)" = "$WL_BACKGROUND" ] ||
        wl_skip "no Wayland compositor could be started: $(grep -v '^ *$' "$WL_TMP/sway.log" | tail -n 2)"
    # A pointer and a keyboard for the whole test: the seat has them from the start, as a
    # desktop does, and no event is lost to a device that a client has not yet seen.
    mkfifo "$WL_TMP/pointer.in" "$WL_TMP/pointer.out"
    wl_run "$vpointer" <"$WL_TMP/pointer.in" >"$WL_TMP/pointer.out" &
    WL_POINTER_PID=$! && wl_watch "$WL_POINTER_PID"
    exec {WL_POINTER_IN}>"$WL_TMP/pointer.in" {WL_POINTER_OUT}<"$WL_TMP/pointer.out"
    wl_pointer move $((width / 2)) $((height / 2)) || wl_skip "the virtual pointer does not work"
    wl_run wtype -s 86400000 &
    WL_KEYBOARD_PID=$! && wl_watch "$WL_KEYBOARD_PID"
    deadline=$((SECONDS + WL_TIMEOUT))
    until swaymsg -t get_seats -r | jq -e '.[].capabilities == 3' >/dev/null; do # pointer and keyboard
        [ "$SECONDS" -le "$deadline" ] || wl_skip "the seat has no keyboard: $(swaymsg -t get_seats -r | jq -c '.[].capabilities')"
        sleep 0.02
    done
}

# wl_start_x: for a test that started sway with WL_XWAYLAND=enable, sets DISPLAY to its
# XWayland and lets root's X programs in; X11's lock and socket of that display go when the
# test ends, as the rest.
wl_start_x() {
    local display deadline=$((SECONDS + WL_TIMEOUT))
    swaymsg exec "'xhost +si:localuser:$(id -un) >/dev/null; echo \$DISPLAY >$WL_TMP/sway/display'" >/dev/null
    until [ -s "$WL_TMP/sway/display" ]; do
        [ "$SECONDS" -le "$deadline" ] || wl_skip "sway started no XWayland (is xwayland installed?)"
        sleep 0.02
    done
    display=$(cat "$WL_TMP/sway/display")
    echo "/tmp/.X${display#:}-lock /tmp/.X11-unix/X${display#:}" >"$WL_TMP/x-files"
    export DISPLAY=$display
}

# wl_start_program DIR EXE [ARG...]: start EXE in the background, in the working folder DIR.
wl_start_program() {
    (cd "$1" && shift && wl_run "$@") &
    WL_PROGRAM_PID=$! && wl_watch "$WL_PROGRAM_PID"
}

# wl_wait_window TITLE [WIDTH HEIGHT]: once a visible window titled TITLE (of that size, when
# given) is mapped and drawn, print its sway id; sets WL_ID to it, WL_X, WL_Y to its place
# on the output and WL_W, WL_H to its size.
wl_wait_window() {
    local found deadline=$((SECONDS + WL_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ]; do
        found=$(swaymsg -t get_tree -r | jq -r --arg title "$1" --arg w "${2:-}" --arg h "${3:-}" '
            [.. | objects | select(.type? == "floating_con" or .type? == "con") | select(.name == $title and .visible and .pid != null)
             | select($w == "" or (.rect.width | tostring) == $w and (.rect.height | tostring) == $h)][0]
            | select(. != null) | "\(.id) \(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"')
        if [ -n "$found" ]; then
            read -r WL_ID WL_X WL_Y WL_W WL_H <<<"$found"
            # sway lists a new window before it takes input there: once it is drawn.
            [ "$(wl_pixel $((WL_X + WL_W / 2)) $((WL_Y + WL_H / 2)))" != "$WL_BACKGROUND" ] && echo "$WL_ID" && return 0
        fi
        sleep 0.02
    done
    echo "no window '$1' ${2:+($2 x $3) }was mapped within $WL_TIMEOUT s" >&2 && return 1
}

# wl_focus ID: give the window with that sway id the keyboard, as a click on it would.
wl_focus() { swaymsg "[con_id=$1] focus" >/dev/null; }

# wl_pointer COMMAND: one command of vpointer (move X Y, down, up, click, drag X0 Y0 X1 Y1
# [STEPS]) in output pixels; returns once the compositor has handled it.
wl_pointer() {
    local reply=''
    echo "$*" >&"$WL_POINTER_IN" && read -r -t "$WL_TIMEOUT" reply <&"$WL_POINTER_OUT"
    [ "$reply" = ok ] || { echo "vpointer: $* answered '$reply'" >&2 && return 1; }
}

# wl_drag X0 Y0 X1 Y1: press the left button at one point, move to the other in eight steps
# as a hand does, and release it.
wl_drag() { wl_pointer drag "$1" "$2" "$3" "$4" 8; }

# wl_rect ID: the place and size of the window with that sway id, as "X Y W H".
wl_rect() {
    swaymsg -t get_tree -r | jq -r --argjson id "$1" '.. | objects | select(.id? == $id) | "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"'
}

# wl_move_by ID X Y DX DY: drag the window with that sway id by its point (X, Y) of the
# output, DX and DY further, as a hand moves a window by its background: press, move a
# little until the window follows (the compositor takes over the pointer only once the
# program has asked it to), then on to the end, and release. Fails if the window stays.
wl_move_by() {
    local id=$1 x=$2 y=$3 start i deadline=$((SECONDS + WL_TIMEOUT))
    start=$(wl_rect "$id")
    wl_pointer move "$x" "$y" && wl_pointer down || return 1
    for i in $(seq 1 100); do
        wl_pointer move $((x + (i % 2))) "$y" || return 1
        [ "$(wl_rect "$id")" != "$start" ] && break
        [ "$SECONDS" -le "$deadline" ] || { wl_pointer up; echo "the window did not follow the pointer" >&2; return 1; }
        sleep 0.02
    done
    for i in 1 2 3 4 5 6 7 8; do wl_pointer move $((x + $4 * i / 8)) $((y + $5 * i / 8)) || return 1; done
    wl_pointer up
}

# wl_keys WTYPE-ARGUMENTS...: type into the window that has the keyboard, e.g. wl_keys krov,
# wl_keys -k Return, wl_keys -M ctrl -k q -m ctrl.
wl_keys() { wtype "$@"; }

# wl_pixel X Y: the colour of one pixel of the output, as #RRGGBB (the last three bytes of a
# one-pixel screenshot in PPM).
wl_pixel() {
    local rgb
    rgb=$(grim -t ppm -g "$1,$2 1x1" - | tail -c 3 | od -An -tx1 | tr -d ' \n' | tr a-f A-F)
    [ ${#rgb} = 6 ] && echo "#$rgb"
}

# wl_park: move the pointer to the output's bottom-right corner, out of the windows' way:
# sway draws the pointer into its screenshots.
wl_park() { wl_pointer move $((${WL_OUTPUT%x*} - 1)) $((${WL_OUTPUT#*x} - 1)); }

# wl_board X Y SCALE: the board of the main window whose corner is at (X, Y), read from a
# screenshot by the colour at each cell's centre: one row a line, '.' empty, 'r', 'b' a man,
# 'R', 'B' a king, '?' anything else. It parks the pointer first.
wl_board() {
    local points='' col row
    wl_park || return 1
    for row in 1 2 3 4 5 6 7 8; do
        for col in 1 2 3 4 5 6 7 8; do points+="%[hex:p{$(((39 + 63 * (col - 1)) * $3)),$(((39 + 63 * (row - 1)) * $3))}] "; done
        points+='\n'
    done
    grim -g "$1,$2 $((520 * $3))x$((520 * $3))" "$WL_TMP/board.png" && convert "$WL_TMP/board.png" -depth 8 -format "$points" info: |
        sed -e 's/C0C0C0/./g; s/FFFFFF/./g; s/C81E1E/r/g; s/1E1E1E/b/g; s/FFD700/R/g; s/EBEBEB/B/g; s/[0-9A-F]\{6\}/?/g; s/ //g'
}

# wl_wait_board X Y SCALE EXPECTED: screenshots until the board reads EXPECTED.
wl_wait_board() {
    local read='' deadline=$((SECONDS + WL_TIMEOUT))
    while [ "$SECONDS" -le "$deadline" ] && [ "$read" != "$4" ]; do read=$(wl_board "$1" "$2" "$3"); done
    [ "$read" = "$4" ] || { printf 'the board reads\n%s\ninstead of\n%s\n' "$read" "$4" >&2 && return 1; }
}
