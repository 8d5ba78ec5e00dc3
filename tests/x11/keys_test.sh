#!/usr/bin/env bash
# A person plays by the keys alone, and a screen reader hears the game: under a fresh X
# server and a session bus of its own, the start-up window takes Down (Versus Computer) and
# Enter; the main window takes Down, Right, Space, Up, Space, which steps Red(9) from c3 to
# d4; the screenshot shows it, and the accessibility tree (AT-SPI) names the squares, the
# turn display and what Black did. Skips (exit 77) without an X server or a bus.
#
# Usage: keys_test.sh JUMPLINE
set -u
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && [ -n "${JUMPLINE_OWN_BUS:-}" ] ||
    exec dbus-run-session -- env JUMPLINE_OWN_BUS=1 bash "$0" "$@" 2>/dev/null ||
    { echo "SKIP: no session bus could be started (dbus-run-session)"; exit 77; }
source "$(dirname "$0")/lib.sh"
x11_start
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || x11_skip "python3-pyatspi is missing (run scripts/setup.sh)"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 x11_start_program "$PWD" "$1"
x11_wait_window Jumpline 359 294 >/dev/null || x11_fail "no start-up window"
xdotool windowfocus --sync "$X11_ID" key Down Return
x11_wait_window Jumpline 618 518 >/dev/null || x11_fail "Enter opened no main window"
xdotool windowfocus --sync "$X11_ID" key Down Right space Up space
tree() { /usr/bin/python3 "$(dirname "$0")/atspi_tree.py"; }
deadline=$((SECONDS + X11_TIMEOUT))
until { tree >"$X11_TMP/tree" && grep -q 'Black moved' "$X11_TMP/tree"; } || [ "$SECONDS" -gt "$deadline" ]; do sleep 0.2; done
for heard in 'label: c3, empty' 'label: d4, red man' 'label: b8, black man' "label: Red's turn" \
    'push button: Reset' 'image: red man' '| Black moved [a-h][1-8] to [a-h][1-8]$'; do
    grep -q "$heard" "$X11_TMP/tree" || x11_fail "the screen reader does not hear '$heard'; it hears: $(sort -u "$X11_TMP/tree" | head -c 2000)"
done
x11_board "$X11_X" "$X11_Y" 1 | sed -n 5,6p | grep -qx '...r....' || x11_fail "Red(9) is not on d4: $(x11_board "$X11_X" "$X11_Y" 1)"
echo "ok: a move by the keys, and the screen reader's names"
