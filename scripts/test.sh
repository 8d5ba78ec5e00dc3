#!/usr/bin/env bash
# Install what is missing, build, and run every test. Exits non-zero when any fails.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"

# Every test registered with CTest: the core, the windows offscreen, the real program
# under its own X server.
runCtest() {
    ctest --test-dir build --output-on-failure --parallel 2
}

# Each step runs in turn; the first that fails stops the run with its status.
steps=(runCtest)
for step in "${steps[@]}"; do
    echo "== $step"
    "$step"
done
scripts/fuzz.sh 60
