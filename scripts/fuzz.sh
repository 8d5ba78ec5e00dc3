#!/usr/bin/env bash
# Fuzz the game with libFuzzer and soak it with whole seeded games, under AddressSanitizer
# and UndefinedBehaviorSanitizer, in a build of their own (build-fuzz, built with clang):
# first the core's actions, then real mouse and key events on the main window, offscreen.
# Exits non-zero when an invariant breaks or a sanitizer complains.
#
#   scripts/fuzz.sh [seconds]      each fuzzer for that long (60 unless told); each soak runs
#                                  alongside its fuzzer on the other core
#
# JUMPLINE_FUZZ_BUILD names another build directory; JUMPLINE_SOAK_RUNS changes the number
# of the core soak's runs (2000, some 7,000 games) and JUMPLINE_WINDOW_SOAK_RUNS the window
# soak's (60, some 150,000 events). A failing input is kept under <build>/artifacts; replay
# it with <build>/fuzz/action_fuzzer <file> or <build>/fuzz/window_fuzzer <file>.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=${JUMPLINE_FUZZ_BUILD:-$root/build-fuzz}
runs=${JUMPLINE_SOAK_RUNS:-2000}
windowRuns=${JUMPLINE_WINDOW_SOAK_RUNS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DJUMPLINE_FUZZ=ON -DJUMPLINE_WINDOWS=ON -DJUMPLINE_TESTS=ON -DJUMPLINE_WERROR=ON >/dev/null
cmake --build "$build" --parallel 2 --target core_tests action_fuzzer window_tests window_fuzzer

# The soaks allocate a great deal: hold fewer freed blocks back and do not fill new ones.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:max_malloc_fill_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen

status=0
soak=''
trap 'kill $soak 2>/dev/null || true' EXIT # an interrupted run leaves no soak behind

# fuzz NAME SOAK_COMMAND...: the fuzzer NAME in the foreground for $seconds, its whole report
# in one log, and the soak in the background; inputs may be long from the start, as a fault
# may need a whole game to show.
fuzz() {
    local name=$1 corpus="$build/corpus-$1" artifacts="$build/artifacts" fuzzStatus=0 soakStatus=0
    shift
    mkdir -p "$corpus" "$artifacts"
    echo "== $name for $seconds s, with a soak alongside"
    "$@" >"$build/$name-soak.log" 2>&1 &
    soak=$!
    "$build/fuzz/$name" -max_total_time="$seconds" -max_len=4000 -len_control=0 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" "$corpus" >"$build/$name.log" 2>&1 || fuzzStatus=$?
    if [ "$fuzzStatus" -eq 0 ]; then
        local executions rate
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$name.log")
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$build/$name.log")
        echo "$name: $executions executions in $seconds s ($rate a second), corpus of $(ls "$corpus" | wc -l) inputs, nothing broke"
    else
        grep -E 'broken: |ERROR: |runtime error|Test unit written' "$build/$name.log" || tail -n 40 "$build/$name.log"
        echo "$name: FAILED (status $fuzzStatus); the whole report is in $build/$name.log"
        status=1
    fi
    wait "$soak" || soakStatus=$?
    soak=''
    grep -E 'events$|OK|FAILED|Failure|ERROR|runtime error|run [0-9]+:' "$build/$name-soak.log" || tail -n 40 "$build/$name-soak.log"
    [ "$soakStatus" -eq 0 ] || { echo "soak beside $name: FAILED (status $soakStatus)"; status=1; }
}

fuzz action_fuzzer env JUMPLINE_SOAK_RUNS="$runs" "$build/tests/core_tests" --gtest_filter='Soak.*'
fuzz window_fuzzer env JUMPLINE_WINDOW_SOAK_RUNS="$windowRuns" "$build/tests/windows/window_tests" --gtest_filter='WindowSoak.*'
exit "$status"
