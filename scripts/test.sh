#!/usr/bin/env bash
# Install what is missing, build, and run every test. Exits non-zero when any fails.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"

# Every test registered with CTest: the core, the windows offscreen, the real program
# under its own X server.
echo "== ctest"
ctest --test-dir build --output-on-failure --parallel 2

# About a minute of the action fuzzer, with the soak of 2,000 runs alongside, both under the sanitizers.
echo "== fuzz"
scripts/fuzz.sh 60
