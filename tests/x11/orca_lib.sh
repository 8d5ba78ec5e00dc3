# shellcheck shell=bash
# Shared by the tests that hear the program through the screen reader Orca. On top of
# lib.sh (a fresh Xvfb), a test gets a session bus of its own, the accessibility bus and
# Orca, which speaks to no sound device: what it would say is read from its speech log,
# one line an utterance ("SPEECH OUTPUT: 'Red's turn.'"). Everything started here ends
# with the test, also when the test is killed. Where Orca or the accessibility bus is
# missing, the test exits 77 (skipped).
#
# A test begins with
#     source "$(dirname "$0")/orca_lib.sh"
#     orca_session "$@"                      # runs the test again under dbus-run-session
#     x11_start
#     orca_start                             # returns once Orca is listening
#     orca_start_program "$PWD" "$program"
#     x11_wait_window Jumpline >/dev/null
#     xdotool windowfocus --sync "$X11_ID"   # there is no window manager to activate it
# and then acts with xdotool and waits for what Orca says with orca_wait_said "Red's turn".
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ORCA_TIMEOUT=${ORCA_TIMEOUT:-60} # seconds that Orca may take to start or to speak
ORCA_BUS_LAUNCHER=${ORCA_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}

# orca_session "$@": run the whole test once more, under a session bus of its own (that
# of the desktop, if any, is never touched), with this test's arguments.
orca_session() {
    if [ -n "${ORCA_OWN_BUS:-}" ]; then
        ORCA_BUS_DAEMON=$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID string:org.freedesktop.DBus | awk '{ print $2 }')
        return 0
    fi
    command -v dbus-run-session >/dev/null || x11_skip "dbus-run-session is missing (run scripts/setup.sh)"
    ORCA_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
}

orca_cleanup() {
    local status=$?
    # The program first, then Orca, then the bus launcher, which ends the accessibility
    # bus and the registry daemon with it.
    # shellcheck disable=SC2086 # an unset process id is no argument
    kill ${X11_PROGRAM_PID:-} ${ORCA_PID:-} 2>/dev/null && wait ${X11_PROGRAM_PID:-} ${ORCA_PID:-} 2>/dev/null
    if [ -n "${ORCA_KEEPER_PID:-}" ] && kill -- -"$ORCA_KEEPER_PID" 2>/dev/null; then
        wait "$ORCA_KEEPER_PID" 2>/dev/null
        for _ in $(seq 100); do kill -0 -- -"$ORCA_KEEPER_PID" 2>/dev/null && sleep 0.05; done
    fi
    # The session bus goes with dbus-run-session; if that was killed, it goes now.
    kill -0 "$PPID" 2>/dev/null || kill "${ORCA_BUS_DAEMON:-}" 2>/dev/null
    # A failed test leaves what Orca said, and why, in its working folder.
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ -n "${ORCA_SPEECH:-}" ]; then
        cp "$ORCA_SPEECH" "$PWD/orca-speech.log" && cp "$ORCA_LOG" "$PWD/orca-debug.log"
        echo "(what Orca said: $PWD/orca-speech.log; its debug log: $PWD/orca-debug.log)"
    fi
    x11_cleanup
}

# orca_background COMMAND...: start COMMAND in the background, to be killed when this shell
# ends however it ends (the kernel sends SIGKILL to it when its parent dies, also by SIGKILL).
orca_background() {
    setpriv --pdeathsig KILL -- "$@" &
}

# The keeper of the accessibility bus: it runs the bus launcher in a process group of its
# own, which takes along the bus daemon and the registry daemon, and ends that group once
# the test's shell has ended, also when that was killed outright; and the session bus when
# dbus-run-session was killed as well. (The X server has a keeper of its own.)
# Arguments: TEST_PID RUNNER_PID SESSION_BUS_PID COMMAND...
# shellcheck disable=SC2016
ORCA_KEEPER='
owner=$1 runner=$2 bus=$3
shift 3
"$@" &
tail --pid="$owner" -f /dev/null 2>/dev/null &
wait -n
kill -0 "$owner" 2>/dev/null || kill -0 "$runner" 2>/dev/null || kill "$bus" 2>/dev/null
trap "" TERM
kill -TERM 0
'

# orca_start: start the accessibility bus and Orca (after x11_start); returns once Orca
# has said that the screen reader is on. Sets ORCA_SPEECH (the speech log) and ORCA_LOG
# (Orca's debug log).
orca_start() {
    [ -n "${ORCA_OWN_BUS:-}" ] || x11_fail "orca_start without orca_session"
    command -v orca >/dev/null || x11_skip "Orca is missing (run scripts/setup.sh)"
    [ -x "$ORCA_BUS_LAUNCHER" ] || x11_skip "the accessibility bus launcher is missing (at-spi2-core; run scripts/setup.sh)"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || x11_skip "python3-pyatspi is missing (run scripts/setup.sh)"
    trap orca_cleanup EXIT
    trap 'exit 143' TERM INT HUP # so that orca_cleanup runs
    # The desktop's settings stay untouched: GSettings in memory (Orca and the bus launcher
    # would turn on toolkit-accessibility there), Orca's settings and caches in folders of its own.
    export GSETTINGS_BACKEND=memory
    local prefs="$X11_TMP/orca" deadline
    mkdir -p "$prefs"
    ORCA_SPEECH="$prefs/speech.log" ORCA_LOG="$prefs/debug.log" ORCA_MARK=0
    : >"$ORCA_SPEECH"
    # Speech through no speech server (it would start speech-dispatcher), no braille, no sounds.
    cat >"$prefs/user-settings.conf" <<'EOF'
{"general": {"speechServerFactory": "", "enableBraille": false, "enableSound": false},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
EOF
    # Orca runs this file at start. Each utterance is written to the speech log at once (the
    # debug log is buffered), and another Orca of this user elsewhere (on another bus) does
    # not stop this one from starting.
    cat >"$prefs/orca-customizations.py" <<'EOF'
import logging
import os
import sys
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
_handler = logging.FileHandler(os.path.join(os.path.dirname(os.path.abspath(__file__)), "speech.log"))
_handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_handler)
if hasattr(sys.modules["__main__"], "otherOrcas"):
    sys.modules["__main__"].otherOrcas = lambda: []
EOF
    # The accessibility bus first: it takes the bus name before anything can start one on demand.
    setsid bash -c "$ORCA_KEEPER" orca-keeper "$$" "$PPID" "$ORCA_BUS_DAEMON" \
        "$ORCA_BUS_LAUNCHER" --launch-immediately 2>"$X11_TMP/at-spi.log" &
    ORCA_KEEPER_PID=$!
    deadline=$((SECONDS + ORCA_TIMEOUT))
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
        if ! kill -0 "$ORCA_KEEPER_PID" 2>/dev/null || [ "$SECONDS" -gt "$deadline" ]; then
            x11_skip "the accessibility bus could not be started: $(tail -n 3 "$X11_TMP/at-spi.log")"
        fi
        sleep 0.05
    done
    orca_background env XDG_CACHE_HOME="$prefs/cache" XDG_CONFIG_HOME="$prefs/config" XDG_DATA_HOME="$prefs/data" \
        orca --user-prefs "$prefs" --debug-file="$ORCA_LOG" >"$X11_TMP/orca.out" 2>&1
    ORCA_PID=$!
    orca_wait_said "Screen reader on." || x11_fail "Orca did not start: $(tail -n 5 "$X11_TMP/orca.out")"
}

# orca_start_program DIR EXE [ARG...]: start the program with its accessibility on.
orca_start_program() {
    (cd "$1" && shift && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec setpriv --pdeathsig KILL -- "$@") &
    X11_PROGRAM_PID=$!
}

# orca_heard: print what Orca said since the last thing waited for, one utterance a line
# ("space " for a key that it echoes).
orca_heard() {
    tail -n +"$((ORCA_MARK + 1))" "$ORCA_SPEECH" | sed -En "s/^SPEECH OUTPUT: '(.*)'( voice=[a-z]+| \{.*\})?\$/\1/p"
}

# orca_wait_said TEXT: wait until Orca says an utterance containing TEXT (a fixed string),
# after what was waited for last; what comes after it is left for the next wait. Prints
# what was said instead when it does not come within ORCA_TIMEOUT seconds.
orca_wait_said() {
    local said i deadline=$((SECONDS + ORCA_TIMEOUT))
    while :; do
        mapfile -t -s "$ORCA_MARK" said <"$ORCA_SPEECH"
        for i in "${!said[@]}"; do
            [[ ${said[i]} == "SPEECH OUTPUT: '"*"$1"* ]] && ORCA_MARK=$((ORCA_MARK + i + 1)) && return 0
        done
        if [ "$SECONDS" -gt "$deadline" ] || ! kill -0 "$ORCA_PID" 2>/dev/null; then
            kill -0 "$ORCA_PID" 2>/dev/null && echo "Orca did not say '$1' within $ORCA_TIMEOUT s; it said:" >&2 ||
                echo "Orca ended without saying '$1'; it said:" >&2
            orca_heard | sed 's/^/    /' >&2
            return 1
        fi
        sleep 0.1
    done
}
