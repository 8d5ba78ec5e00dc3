# shellcheck shell=bash
# Shared by the tests that hear the program through the screen reader Orca. On top of lib.sh
# (a fresh Xvfb), a test gets a session bus of its own (that of the desktop, if any, is never
# touched), the accessibility bus and Orca, which speaks to no sound device: what it would say
# is read from its speech log, one line an utterance ("SPEECH OUTPUT: 'Red's turn.'"). They
# all end with the test, also when the test is killed. Where Orca or the accessibility bus is
# missing, the test exits 77 (skipped). A test begins with
#     x11_start
#     orca_start                             # returns once Orca is listening
#     QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$PWD" "$program"
#     wait_window Jumpline >/dev/null
#     xdotool windowfocus --sync "$WIN_ID"   # there is no window manager to activate it
# and then acts with xdotool and waits for what Orca says with orca_hear "Red's turn".
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# orca_start: start the buses and Orca (after x11_start); returns once Orca has said that the
# screen reader is on. Sets ORCA_SPEECH (the speech log).
orca_start() {
    needs "no screen reader can be heard" orca dbus-daemon /usr/libexec/at-spi-bus-launcher
    run dbus-daemon --session --nofork --address="unix:dir=$TMP" --print-address=3 3>"$TMP/bus" 2>"$TMP/bus.log"
    wait_for '[ -n "$(head -n 1 "$TMP/bus")" ]' || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$TMP/bus") && export DBUS_SESSION_BUS_ADDRESS
    # The desktop's settings stay untouched: GSettings in memory (Orca and the bus launcher
    # would turn on toolkit-accessibility there), Orca's settings and caches in the test's folder.
    export GSETTINGS_BACKEND=memory
    ORCA_SPEECH="$TMP/speech.log" ORCA_MARK=0
    : >"$ORCA_SPEECH"
    # Speech through no speech server (it would start speech-dispatcher), no braille, no sounds.
    cat >"$TMP/user-settings.conf" <<'EOF'
{"general": {"speechServerFactory": "", "enableBraille": false, "enableSound": false},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
EOF
    # Orca runs this file at start. Each utterance is written to the speech log at once, and
    # another Orca of this user elsewhere (on another bus) does not stop this one from starting.
    cat >"$TMP/orca-customizations.py" <<EOF
import logging
import sys
_handler = logging.FileHandler("$ORCA_SPEECH")
_handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_handler)
if hasattr(sys.modules["__main__"], "otherOrcas"):
    sys.modules["__main__"].otherOrcas = lambda: []
EOF
    # The accessibility bus first: it takes the bus name before anything can start one on demand.
    # The launcher leads a process group of its own, which the bus and registry daemons join,
    # and which ends with the test.
    run setsid /usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$TMP/at-spi.log"
    wait_for '{ alive "$PID" || return 1; } && dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"' ||
        skip "the accessibility bus could not be started: $(tail -n 3 "$TMP/at-spi.log")"
    SIGNAL=KILL run env XDG_CACHE_HOME="$TMP/cache" XDG_CONFIG_HOME="$TMP/config" XDG_DATA_HOME="$TMP/data" \
        orca --user-prefs "$TMP" >"$TMP/orca.out" 2>&1
    ORCA_PID=$PID
    orca_hear "Screen reader on."
}

# orca_said TEXT: Orca has said an utterance containing TEXT (a fixed string) after what was
# heard last; the mark moves past it, and what comes after is left for the next.
orca_said() {
    local at
    at=$(awk -v from="$ORCA_MARK" -v text="$1" 'NR > from && /^SPEECH OUTPUT: '"'"'/ && index($0, text) { print NR; exit }' "$ORCA_SPEECH")
    [ -n "$at" ] && ORCA_MARK=$at
}

# orca_hear TEXT: wait until Orca says TEXT; fails the test, with what it said instead, where
# it does not within TIMEOUT seconds or it ends.
orca_hear() {
    local text=$1
    wait_for '{ alive "$ORCA_PID" || return 1; } && orca_said "$text"' && return 0
    tail -n +"$((ORCA_MARK + 1))" "$ORCA_SPEECH" | sed -En "s/^SPEECH OUTPUT: '(.*)'( voice=[a-z]+| \{.*\})?\$/    \1/p" >&2
    fail "Orca did not say '$1' (what it said instead is above; its output: $(tail -n 5 "$TMP/orca.out"))"
}
