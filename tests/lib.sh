# shellcheck shell=bash
# Shared by the tests that drive the real program on a display server of their own (x11/lib.sh,
# wayland/lib.sh): a folder that goes with the test, a guard that ends what the test started
# however the test ends (killed too), waits that poll for an event, and the screen read back.
# Each display defines `screenshot FILE`. Nothing is timed: TIMEOUT only bounds how long a wait
# may take before the test fails, with room for a machine that is busy with other work.

TIMEOUT=${TIMEOUT:-60} # seconds
BACKGROUND='#204060'   # a coloured desktop, so that a missing window or cut corner shows

skip() { echo "SKIP: $*" && exit 77; }

# needs WHAT TOOL...: skips the test, saying that WHAT cannot be had, where a tool is missing.
needs() {
    local tool
    for tool in "${@:2}"; do command -v "$tool" >/dev/null || skip "$1: $tool is missing (run scripts/setup.sh)"; done
}

fail() {
    screenshot "$PWD/failure.png" 2>/dev/null && set -- "$@" "(screenshot: $PWD/failure.png)"
    echo "FAIL: $*" && exit 1
}

# wait_for CONDITION: evaluates the shell condition until it holds; 1 after TIMEOUT seconds.
wait_for() {
    local deadline=$((SECONDS + TIMEOUT))
    until eval "$1"; do
        [ "$SECONDS" -le "$deadline" ] || return 1
        sleep 0.02
    done
}

# alive PID [START]: the process runs (and is no zombie), and started at START where given.
alive() { local f; read -ra f < <(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) && [ "${f[0]}" != Z ] && [ "${2:-${f[19]}}" = "${f[19]}" ]; }

# The tidying up, run by the test's shell when it ends and by the guard when it was killed:
# kill each process listed in $0/pids, with its process group, while it is still the same one;
# then remove each file listed in $0/files while it is still the same file (the socket of a
# killed server), and the folder $0.
# shellcheck disable=SC2016 # expanded by the tidying shell
TIDY="$(declare -f alive)"'
while read -r pid start; do alive "$pid" "$start" && kill -KILL -- "$pid" -"$pid" 2>/dev/null; done <"$0/pids"
while read -r inode file; do [ "$(stat -c %i "$file" 2>/dev/null)" = "$inode" ] && rm -f "$file"; done <"$0/files"
rm -rf "$0"'

# start_tmp: the test's folder TMP (with XDG_RUNTIME_DIR=TMP/run) and its guard, a shell in a
# session of its own that tidies up once the end of a pipe that only the test's shell holds
# open is closed.
start_tmp() {
    TMP=$(mktemp -d) && chmod 711 "$TMP" && mkdir -m 700 "$TMP/run" && : >"$TMP/pids" && : >"$TMP/files"
    export XDG_RUNTIME_DIR=$TMP/run
    exec {GUARD}> >(exec setsid -f bash -c 'cat >/dev/null; [ -d "$0" ] && bash -c "$1" "$0"' "$TMP" "$TIDY" >/dev/null 2>&1)
    trap 'exec 2>/dev/null; bash -c "$TIDY" "$TMP"; wait' EXIT # quietly: the shell would report each process killed
    # The fonts and the look are the tests' own, not the machine's or the desktop's.
    FONTCONFIG_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/fonts.conf && export FONTCONFIG_FILE
    unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING \
        XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
}

# watch PID: the process, and its group, end with the test.
watch() { local f; read -ra f < <(sed 's/.*) //' "/proc/$1/stat") && echo "$1 ${f[19]}" >>"$TMP/pids"; }

# run COMMAND...: start COMMAND in the background (in the folder IN, or here; with the shell's
# standard input), watched; it gets SIGNAL (TERM) when the test's shell dies and does not hold
# the guard's pipe open. Sets PID.
run() {
    (cd "${IN:-.}" && exec setpriv --pdeathsig "${SIGNAL:-TERM}" -- "$@" {GUARD}>&-) <&0 &
    PID=$! && watch "$PID"
}

# start_program DIR EXE [ARG...]: start the program in the working folder DIR; sets PROGRAM.
start_program() { IN=$1 run "${@:2}" && PROGRAM=$PID; }

# exited: the program has ended (waited for, with its status in STATUS) within TIMEOUT seconds.
exited() { wait_for '! alive "$PROGRAM"' && { wait "$PROGRAM"; STATUS=$?; }; }

# wait_window TITLE [WIDTH HEIGHT]: once such a window is shown, print its id; sets WIN_ID,
# WIN_X, WIN_Y, WIN_W and WIN_H (the display's `find_window TITLE WIDTH HEIGHT` does). Fails
# at once where the program has ended.
wait_window() {
    local title=$1 w=${2:-} h=${3:-}
    wait_for '{ [ -z "${PROGRAM:-}" ] || alive "$PROGRAM" || return 1; } && find_window "$title" "$w" "$h"' ||
        { echo "no window '$1' ${2:+($2 x $3) }was shown" >&2 && return 1; }
    echo "$WIN_ID"
}

# colours X Y [X Y...]: the colours of those points of the screen, as RRGGBB, one a line.
colours() {
    local format=''
    while [ $# -gt 1 ]; do format+="%[hex:p{$1,$2}]\n" && shift 2; done
    screenshot "$TMP/screen.ppm" && convert "$TMP/screen.ppm" -depth 8 -format "$format" info:
}

# read_board X Y SCALE: the board of the main window whose corner is at (X, Y), read by the colour at
# each dark cell's centre: one row a line, '.' empty, 'r', 'b' a man, 'R', 'B' a king, '?' else.
read_board() {
    local points=() i
    for i in $(seq 0 63); do points+=($(($1 + (39 + 63 * (i % 8)) * $3)) $(($2 + (39 + 63 * (i / 8)) * $3))); done
    colours "${points[@]}" | sed 's/^\(C0C0C0\|FFFFFF\)$/./; s/^C81E1E$/r/; s/^1E1E1E$/b/; s/^FFD700$/R/; s/^EBEBEB$/B/; s/^......$/?/' |
        paste -sd '' | fold -w 8
}

# Where a test has found the main window, its corner at (MX, MY), at Qt's scale factor S (1):
# at X Y, a design pixel of the window, and cell COLUMN ROW, a cell's centre, on the screen;
# board EXPECTED [WHY], the board reads EXPECTED (screenshots until it does) or the test fails.
at() { echo $((MX + $1 * ${S:-1})) $((MY + $2 * ${S:-1})); }
cell() { at $((39 + 63 * ($1 - 1))) $((39 + 63 * ($2 - 1))); }
board() {
    local want=$1 read=''
    wait_for 'read=$(read_board "$MX" "$MY" "${S:-1}"); [ "$read" = "$want" ]' ||
        fail "${2:-the board is not as it should be}; it reads"$'\n'"$read"$'\n'"instead of"$'\n'"$want"
}
