#!/usr/bin/env bash
# Fuzz the game's core with libFuzzer and soak it with whole seeded games, both under
# AddressSanitizer and UndefinedBehaviorSanitizer, in a build of their own (build-fuzz,
# built with clang). Exits non-zero when an invariant breaks or a sanitizer complains.
#
#   scripts/fuzz.sh [seconds]      fuzz for that long (60 unless told); the soak runs
#                                  alongside on the other core
#
# JUMPLINE_FUZZ_BUILD names another build directory; JUMPLINE_SOAK_RUNS changes the number
# of soak runs (2000, some 7,000 games). A failing input is kept under <build>/artifacts;
# replay it with <build>/fuzz/action_fuzzer <file>.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=${JUMPLINE_FUZZ_BUILD:-$root/build-fuzz}
runs=${JUMPLINE_SOAK_RUNS:-2000}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DJUMPLINE_FUZZ=ON -DJUMPLINE_WINDOWS=OFF -DJUMPLINE_TESTS=ON -DJUMPLINE_WERROR=ON >/dev/null
cmake --build "$build" --parallel 2 --target core_tests action_fuzzer

# The soak allocates a great deal: hold fewer freed blocks back and do not fill new ones.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:max_malloc_fill_size=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

programs="$build/fuzz"
corpus="$build/corpus"
artifacts="$build/artifacts"
mkdir -p "$corpus" "$artifacts"

echo "== soak of $runs runs, alongside the fuzzer"
JUMPLINE_SOAK_RUNS=$runs "$build/tests/core_tests" --gtest_filter='Soak.*' >"$build/soak.log" 2>&1 &
soak=$!
trap 'kill "$soak" 2>/dev/null || true' EXIT # an interrupted run leaves no soak behind

# One fuzzing process, in the foreground: its whole report stays in one log. Inputs may be
# long from the start: a fault may need a whole game to show.
echo "== fuzzing for $seconds s"
fuzzStatus=0
"$programs/action_fuzzer" -max_total_time="$seconds" -max_len=4000 -len_control=0 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" >"$build/fuzz.log" 2>&1 || fuzzStatus=$?
if [ "$fuzzStatus" -eq 0 ]; then
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$build/fuzz.log")
    echo "fuzzer: $executions executions in $seconds s ($rate a second), corpus of $(ls "$corpus" | wc -l) inputs, nothing broke"
else
    grep -E 'broken: |ERROR: |runtime error|Test unit written' "$build/fuzz.log" || tail -n 40 "$build/fuzz.log"
    echo "fuzzer: FAILED (status $fuzzStatus); the whole report is in $build/fuzz.log"
fi

soakStatus=0
wait "$soak" || soakStatus=$?
cat "$build/soak.log"
[ "$soakStatus" -eq 0 ] || echo "soak: FAILED (status $soakStatus)"

[ "$fuzzStatus" -eq 0 ] && [ "$soakStatus" -eq 0 ]
