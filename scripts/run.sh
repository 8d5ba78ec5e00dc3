#!/usr/bin/env bash
# Install what is missing, build, and start the game.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
Jumpline is built, but it cannot start here: there is no display (neither DISPLAY
nor WAYLAND_DISPLAY is set). Run scripts/run.sh on a desktop, or give it a virtual
screen, for example:  xvfb-run -a scripts/run.sh
TEXT
    exit 1
fi

cd "$root"
exec build/jumpline
