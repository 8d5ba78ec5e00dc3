#!/usr/bin/env bash
# Measure Jumpline: the core's benchmarks, then the real program under a fresh X server
# (the time from exec to its first window being mapped, warm, and the peak memory of a
# short game played with the mouse), with a bare Qt window measured the same way for
# comparison. Prints each figure beside its target.
#
# Usage: scripts/bench.sh [BUILD-DIR]
#   Without BUILD-DIR, scripts/setup.sh installs what is missing and builds into build/.
#   With it, that configured build is brought up to date and measured.
# Environment:
#   BENCH_RUNS=10      timed starts of each program (after one untimed start that warms
#                      the file cache)
#   BENCH_STRICT=1     exit 3 when a figure misses its target (default: report only)
#   BENCH_ARGS='...'   extra options for jumpline_bench, e.g. --benchmark_filter=Drop
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${BENCH_RUNS:-10}
missed=0

# Targets.
dropTargetUs=50     # a drop, or a computer decision without its pause
startTargetMs=60    # exec to the start-up window mapped, warm (median)
memoryTargetKb=$((36 * 1024)) # peak resident memory of a short session

if [ $# -ge 1 ]; then
    build=$(cd "$1" && pwd) || exit 2
    cmake --build "$build" --parallel 2 || exit 2
else
    "$root/scripts/setup.sh" || exit 2
    build=$root/build
fi

verdict() { # verdict FIGURE LIMIT: "ok" when FIGURE < LIMIT, else "MISSED"
    if awk -v f="$1" -v l="$2" 'BEGIN { exit !(f < l) }'; then
        echo "ok"
    else
        echo "MISSED"
    fi
}

work=$(mktemp -d "${TMPDIR:-/tmp}/jumpline-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# --- The core -------------------------------------------------------------------------
echo "== Core benchmarks (jumpline_bench)"
bench=$build/bench/jumpline_bench
[ -x "$bench" ] || {
    echo "no $bench: is the build configured with JUMPLINE_TESTS=ON?" >&2
    exit 2
}
# shellcheck disable=SC2086
"$bench" --benchmark_out="$work/bench.csv" --benchmark_out_format=csv ${BENCH_ARGS:-} || exit 2

echo
echo "Drops and computer decisions against the target of $dropTargetUs us:"
# CSV: name,iterations,real_time,cpu_time,time_unit,...,error_occurred,error_message
while IFS=, read -r name _ realTime _ unit rest; do
    name=${name//\"/}
    case $name in
    BM_Drop* | BM_ComputerMove*) ;;
    *) continue ;;
    esac
    case $rest in
    *true*)
        echo "  $name: did not run (${rest##*,})"
        missed=1
        continue
        ;;
    esac
    us=$(awk -v t="$realTime" -v u="$unit" 'BEGIN {
        f = (u == "ns") ? 0.001 : (u == "ms") ? 1000 : (u == "s") ? 1000000 : 1
        printf "%.3f", t * f }')
    v=$(verdict "$us" "$dropTargetUs")
    [ "$v" = ok ] || missed=1
    printf '  %-28s %10s us   %s\n' "$name" "$us" "$v"
done < <(sed -n '/^name,/,$p' "$work/bench.csv" | tail -n +2)

# --- The windows ----------------------------------------------------------------------
echo
echo "== Windows under a fresh Xvfb"
jumpline=$build/jumpline
mapwatch=$build/bench/jumpline_mapwatch
bare=$build/bench/jumpline_barewindow
for program in "$jumpline" "$mapwatch" "$bare"; do
    [ -x "$program" ] || {
        echo "SKIP: no $program (a build with JUMPLINE_WINDOWS=ON makes it)"
        exit $((missed && ${BENCH_STRICT:-0} ? 3 : 0))
    }
done
[ -x /usr/bin/time ] || {
    echo "SKIP: /usr/bin/time is missing (Debian package 'time')"
    exit $((missed && ${BENCH_STRICT:-0} ? 3 : 0))
}

# The program's first window is the start-up window (359 x 294); a build without one
# opens the main window (618 x 518) first, and that is what is timed then.
splashSize=359x294
mainSize=618x518

# The measurements run in a subshell: the X harness installs its own traps and exits 77
# where no X server can be started.
(
    # shellcheck source=tests/x11/lib.sh
    source "$root/tests/x11/lib.sh"
    x11_start
    cd "$work" || exit 2

    # startTimes LABEL TITLE SIZE PROGRAM [ARG]: one untimed start, then $runs timed ones until
    # the first window titled TITLE (of SIZE, unless empty) is mapped. Prints min and
    # median of the wall time and the median processor time, in ms; sets STARTUP_MEDIAN_MS
    # and STARTUP_SIZE (the size of the window that was mapped).
    startTimes() {
        local label=$1 title=$2 size=$3 program=$4 k out times=() cpus=() sizeOption=()
        shift 4
        [ -z "$size" ] || sizeOption=(--size "$size")
        for k in $(seq 0 "$runs"); do
            out=$("$mapwatch" --title "$title" "${sizeOption[@]}" "$program" "$@") || {
                echo "  $label: no window '$title' ${size:+($size) }was mapped" >&2
                return 1
            }
            # out: wall-us window-id WxH cpu-us
            read -r _ _ STARTUP_SIZE _ <<<"$out"
            [ "$k" -eq 0 ] && continue
            read -r wall _ _ cpu <<<"$out"
            times+=("$wall")
            cpus+=("$cpu")
        done
        read -r STARTUP_MIN_MS STARTUP_MEDIAN_MS < <(printf '%s\n' "${times[@]}" | statistics)
        read -r _ cpuMedian < <(printf '%s\n' "${cpus[@]}" | statistics)
        printf '  %-46s min %6.1f   median %6.1f ms   (processor %5.1f ms; %d runs)\n' \
            "$label" "$STARTUP_MIN_MS" "$STARTUP_MEDIAN_MS" "$cpuMedian" "$runs"
    }

    # statistics: microseconds, one a line, in; "min median" in milliseconds out.
    statistics() {
        sort -n | awk '
            { t[NR] = $1 }
            END {
                m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
                printf "%.1f %.1f\n", t[1] / 1000, m / 1000
            }'
    }

    # maxRss FILE: the peak resident set of a run of /usr/bin/time -v, in kB.
    maxRss() {
        awk -F': ' '/Maximum resident set size/ { print $2 }' "$1"
    }

    status=0
    # Every figure below depends on what else the machine is doing.
    echo "Load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo unknown)"
    echo "Exec to the first window mapped, warm (the MapNotify that jumpline_mapwatch sees):"
    startTimes "jumpline" Jumpline "" "$jumpline" || exit 1
    case $STARTUP_SIZE in
    "$splashSize") firstName="jumpline: the start-up window ($STARTUP_SIZE)" ;;
    "$mainSize") firstName="jumpline: the main window ($STARTUP_SIZE); no start-up window in this build" ;;
    *) firstName="jumpline: a window of $STARTUP_SIZE" ;;
    esac
    echo "    ($firstName)"
    jumplineMedian=$STARTUP_MEDIAN_MS
    startTimes "bare Qt window ($splashSize), for comparison" "Bare Qt window" "$splashSize" "$bare" || exit 1
    startTimes "the same with one line of text" "Bare Qt window" "$splashSize" "$bare" text || exit 1
    v=$(verdict "$jumplineMedian" "$startTargetMs")
    echo "  jumpline median $jumplineMedian ms against the target of $startTargetMs ms: $v"
    [ "$v" = ok ] || status=3

    # A short session: Start Game, five red moves and five black answers dragged with the
    # mouse in a game between two people, then Exit.
    echo
    echo "Peak memory (maximum resident set, /usr/bin/time -v):"
    start_program "$work" /usr/bin/time -v -o "$work/jumpline.time" "$jumpline"
    wait_window Jumpline >/dev/null || fail "jumpline opened no window"
    if [ "${WIN_W}x$WIN_H" = "$splashSize" ]; then
        # Start Game, with the options as they are: two people, Red first.
        xdotool mousemove $((WIN_X + 28 + 127 / 2)) $((WIN_Y + 154 + 43 / 2)) click 1
    fi
    wait_window Jumpline 618 518 >/dev/null || fail "the main window did not appear"
    MX=$WIN_X MY=$WIN_Y

    # move COL0 ROW0 COL1 ROW1: drag the piece on one cell onto another (columns and rows from 1).
    move() {
        # shellcheck disable=SC2046 # two numbers each
        x11_drag $(cell "$1" "$2") $(cell "$3" "$4")
    }
    board "$(printf '%s\n' .b.b.b.b b.b.b.b. .b.b.b.b ........ ........ r.r.r.r. .r.r.r.r r.r.r.r.)" \
        "the main window does not show the opening position"
    move 3 6 4 5 && move 2 3 1 4
    move 4 7 3 6 && move 1 2 2 3
    move 7 6 8 5 && move 8 3 7 4
    move 5 6 6 5 && move 7 2 8 3
    move 6 7 5 6 && move 4 3 3 4
    board "$(printf '%s\n' .b.b.b.b ..b.b... .b...b.b b.b...b. ...r.r.r r.r.r... .r.....r r.r.r.r.)" \
        "the ten moves did not all arrive on the board"
    # Exit, in the panel on the right (design rectangle 528, 480, 73 x 33 px).
    xdotool mousemove $((MX + 528 + 73 / 2)) $((MY + 480 + 33 / 2)) click 1
    exited || fail "Exit did not end the program"
    jumplineKb=$(maxRss "$work/jumpline.time")

    start_program "$work" /usr/bin/time -v -o "$work/bare.time" "$bare"
    wait_window "Bare Qt window" 359 294 >/dev/null || fail "the bare window did not appear"
    xdotool mousemove $((WIN_X + 100)) $((WIN_Y + 100)) click 1
    exited || fail "a click did not close the bare window"
    bareKb=$(maxRss "$work/bare.time")

    v=$(verdict "$jumplineKb" "$memoryTargetKb")
    printf '  %-44s %6.1f MiB   target under %d MiB: %s\n' "jumpline, start + 10 moves + Exit" \
        "$(awk -v k="$jumplineKb" 'BEGIN { print k / 1024 }')" $((memoryTargetKb / 1024)) "$v"
    printf '  %-44s %6.1f MiB\n' "bare Qt window, start + close" "$(awk -v k="$bareKb" 'BEGIN { print k / 1024 }')"
    [ "$v" = ok ] || status=3
    exit "$status"
)
windows=$?
case $windows in
0) ;;
3) missed=1 ;;
77) echo "(window figures skipped)" ;;
*) exit 1 ;;
esac

if [ "$missed" -ne 0 ]; then
    echo
    echo "Some figures missed their targets."
    [ "${BENCH_STRICT:-0}" = 1 ] && exit 3
fi
exit 0
