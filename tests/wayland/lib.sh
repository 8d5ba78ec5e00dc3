# shellcheck shell=bash
# Shared by the tests that drive the real program on a fresh Wayland compositor, a headless
# sway, on top of ../lib.sh. A test calls wl_start, starts the program with start_program,
# finds its windows with wait_window and acts with a virtual pointer (wl_pointer, through
# vpointer) and virtual keys (wtype); what the screen shows is read back from grim's
# screenshots. Where no compositor can be started or a tool is missing, the test exits 77.
#
# sway refuses to run as root; under root it runs as nobody (uid 65534), with a runtime
# folder of its own, and the program and the tools, still root, reach its socket by path.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

WL_OUTPUT=${WL_OUTPUT:-1024x768} # the one output's size, in pixels

screenshot() { grim -t "${1##*.}" "$1"; }

# wl_start VPOINTER: a fresh headless sway with one output of $WL_OUTPUT, a desktop of
# $BACKGROUND and every window floating, borderless, where it opens (at the output's centre);
# a pointer (VPOINTER, the built tests/wayland/vpointer) and a keyboard held for the whole
# test. Sets WAYLAND_DISPLAY, SWAYSOCK and QT_QPA_PLATFORM=wayland.
wl_start() {
    local vpointer=${1:-} user=() sway width=${WL_OUTPUT%x*} height=${WL_OUTPUT#*x}
    needs "no Wayland compositor could be started" sway swaymsg swaybg grim wtype convert jq setpriv setsid
    [ -x "$vpointer" ] || skip "no virtual pointer: vpointer was not built (it needs libwayland-dev and libwayland-bin)"
    start_tmp
    sway=$TMP/sway && mkdir -m 700 "$sway"
    [ "$(id -u)" != 0 ] || { user=(--reuid=65534 --regid=65534 --clear-groups) && chown 65534:65534 "$sway"; } # sway will not run as root
    printf '%s\n' "output * resolution $WL_OUTPUT position 0 0 bg $BACKGROUND solid_color" 'default_border none' \
        'default_floating_border none' 'xwayland disable' 'for_window [app_id=".*"] floating enable' >"$TMP/sway.conf"
    chmod 644 "$TMP/sway.conf"
    SIGNAL=KILL run env -i PATH="$PATH" HOME="$sway" XDG_RUNTIME_DIR="$sway" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 setpriv "${user[@]}" --pdeathsig KILL sway -c "$TMP/sway.conf" >"$TMP/sway.log" 2>&1
    unset DISPLAY && export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY SWAYSOCK # both found below
    # Ready once it answers with its output at that size, and shows its desktop.
    wait_for '{ alive "$PID" || return 1; } && WAYLAND_DISPLAY=$(find "$sway" -name "wayland-[0-9]*" -type s) &&
        SWAYSOCK=$(find "$sway" -name "sway-ipc.*.sock" -type s) && [ -n "$WAYLAND_DISPLAY" ] && [ -n "$SWAYSOCK" ] &&
        [ "$(swaymsg -t get_outputs -r | jq -r ".[] | select(.active) | \"\(.rect.width)x\(.rect.height)\"")" = "$WL_OUTPUT" ] &&
        [ "$(colours 1 1 $((width - 2)) $((height - 2)) | sort -u)" = "${BACKGROUND#\#}" ]' ||
        skip "no Wayland compositor could be started: $(grep -v '^ *$' "$TMP/sway.log" | tail -n 2)"
    # A pointer and a keyboard for the whole test: the seat has them from the start, as a
    # desktop does, and no event is lost to a device that a client has not yet seen.
    mkfifo "$TMP/pointer.in" "$TMP/pointer.out"
    exec {WL_POINTER_IN}<>"$TMP/pointer.in" {WL_POINTER_OUT}<>"$TMP/pointer.out"
    run "$vpointer" <"$TMP/pointer.in" >"$TMP/pointer.out" 2>"$TMP/pointer.log"
    wl_pointer move $((width / 2)) $((height / 2)) || skip "the virtual pointer does not work: $(cat "$TMP/pointer.log")"
    run wtype -s 86400000
    wait_for 'swaymsg -t get_seats -r | jq -e ".[].capabilities == 3" >/dev/null' || # pointer and keyboard
        skip "the seat has no keyboard: $(swaymsg -t get_seats -r | jq -c '.[].capabilities')"
}

# find_window TITLE [WIDTH HEIGHT]: a visible window so titled (of that size), drawn (sway lists
# a new window before it takes input there); sets WIN_ID to its sway id, WIN_X, WIN_Y to its
# place on the output and WIN_W, WIN_H to its size.
find_window() {
    read -r WIN_ID WIN_X WIN_Y WIN_W WIN_H < <(swaymsg -t get_tree -r | jq -r --arg title "$1" --arg w "${2:-}" --arg h "${3:-}" '
        [.. | objects | select(.type? == "floating_con" or .type? == "con") | select(.name == $title and .visible and .pid != null)
         | select($w == "" or (.rect.width | tostring) == $w and (.rect.height | tostring) == $h)][0]
        | select(. != null) | "\(.id) \(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"') &&
        [ "#$(colours $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2)))" != "$BACKGROUND" ]
}

# wl_pointer COMMAND: one command of vpointer (move X Y, down, up, click, drag X0 Y0 X1 Y1
# [STEPS]) in output pixels; returns once the compositor has handled it.
wl_pointer() {
    local reply=''
    echo "$*" >&"$WL_POINTER_IN" && read -r -t "$TIMEOUT" reply <&"$WL_POINTER_OUT"
    [ "$reply" = ok ] || { echo "vpointer: $* answered '$reply'" >&2 && return 1; }
}

# wl_park: move the pointer to the output's bottom-right corner, out of the windows' way:
# sway draws the pointer into its screenshots.
wl_park() { wl_pointer move $((${WL_OUTPUT%x*} - 1)) $((${WL_OUTPUT#*x} - 1)); }

# wl_rect ID: the place and size of the window with that sway id, as "X Y W H".
wl_rect() {
    swaymsg -t get_tree -r | jq -r --argjson id "$1" '.. | objects | select(.id? == $id) | "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"'
}

# wl_move_by ID X Y DX DY: drag the window with that sway id by its point (X, Y) of the
# output, DX and DY further, as a hand moves a window by its background: press, move a
# little until the window follows (the compositor takes over the pointer only once the
# program has asked it to, at a point the window has moved by since), then on until the
# window has moved by DX, DY, and release. Fails if the window stays.
wl_move_by() {
    local id=$1 x=$2 y=$3 x0 y0 x1 y1 i=0
    read -r x0 y0 _ <<<"$(wl_rect "$id")"
    wl_pointer move "$x" "$y" && wl_pointer down || return 1
    wait_for 'i=$((i + 1)) && wl_pointer move $((x + i % 2)) "$y" && read -r x1 y1 _ <<<"$(wl_rect "$id")" && [ "$x1 $y1" != "$x0 $y0" ]' ||
        { wl_pointer up; echo "the window did not follow the pointer" >&2; return 1; }
    x=$((x + i % 2 - (x1 - x0))) y=$((y - (y1 - y0)))
    for i in 1 2 3 4 5 6 7 8; do wl_pointer move $((x + $4 * i / 8)) $((y + $5 * i / 8)) || return 1; done
    wl_pointer up
}
