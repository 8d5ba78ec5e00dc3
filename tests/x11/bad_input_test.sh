#!/usr/bin/env bash
# Bad input to the real program: broken piece pictures, a misplaced Images, no display.
#
# Each case lays out a working directory (with its own Images/) and a folder holding a
# copy of the program beside its own Images/, spoils one thing, and starts the program.
# It must either stop with a clear message that names what is wrong and exit status 1,
# or work: show its start-up window and end with status 0 on Exit. It must never end on a
# signal. A picture found first under the working directory is the one that counts, even
# where a good copy lies beside the program.
#
# Usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11
#   headless  the cases that need no X server: pictures read on the offscreen platform,
#             and starts without a display
#   x11       the cases that must show a window, under a fresh X server (skipped, exit 77,
#             where none can be started): the program finds its pictures beside itself,
#             and a broken picture is announced in a message box
# What each failed case printed is left in the working directory.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"

usage='usage: bad_input_test.sh PATH-TO-JUMPLINE headless|x11'
program=${1:?$usage}
group=${2:?$usage}
case $group in headless | x11) ;; *) echo "$usage" >&2 && exit 2 ;; esac
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
images=$(dirname "$program")/Images
[ -x "$program" ] || { echo "FAIL: no program at $program" && exit 1; }
[ -f "$images/Red.bmp" ] || { echo "FAIL: no pictures beside the program in $images" && exit 1; }

# Seconds a start may take before the case fails as "did not stop" or "showed nothing".
runTimeout=${X11_TIMEOUT:-10}
pictures=(Red Black RedKing BlackKing)

if [ "$group" = x11 ]; then
    x11_start # sets X11_TMP, removed on exit
    work=$X11_TMP/bad-input
    mkdir "$work"
else
    command -v convert >/dev/null 2>&1 || x11_skip "ImageMagick's convert is not installed (run scripts/setup.sh)"
    work=$(mktemp -d "${TMPDIR:-/tmp}/jumpline-badinput.XXXXXX")
    trap 'rm -rf "$work"' EXIT
fi
here=$work/here     # the working directory
beside=$work/beside # the program's own folder
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
cp "$program" "$work/jumpline"
cp -r "$images" "$work/good"
# A valid 24-bit bitmap of the wrong size.
convert -size 40x40 xc:grey "BMP3:$work/small.bmp"

# A display number where no X server runs: no socket and no lock file.
deadDisplay=150
while [ -e "/tmp/.X11-unix/X$deadDisplay" ] || [ -e "/tmp/.X$deadDisplay-lock" ]; do
    deadDisplay=$((deadDisplay + 1))
done

# ---- the cases ------------------------------------------------------------------------
# name ; how the program is started ; what must happen ; how the folders are spoiled
#
# How: offscreen (QT_QPA_PLATFORM=offscreen, where a message goes to the terminal only),
# x11 (the fresh X server), or a start without a display: nodisplay (no DISPLAY,
# WAYLAND_DISPLAY or QT_QPA_PLATFORM), deaddisplay (DISPLAY names a display where no X
# server runs), xcbnodisplay (QT_QPA_PLATFORM=xcb and no DISPLAY), waylandnodisplay
# (WAYLAND_DISPLAY names no compositor, and no DISPLAY).
# What: "works", or "fails:TEXT[&TEXT...]", the message on standard error then holding
# every TEXT (in any case).
# Spoiling runs in $work with `here` and `beside` set; both start with good pictures.
cases=()
if [ "$group" = headless ]; then
    for p in "${pictures[@]}"; do
        file=here/Images/$p.bmp
        cases+=(
            "$p.bmp missing here and beside the program;offscreen;fails:$p.bmp&not found;rm $file beside/Images/$p.bmp"
            "$p.bmp empty;offscreen;fails:$work/$file;: >$file"
            "$p.bmp truncated to its first 100 bytes;offscreen;fails:$work/$file;head -c 100 good/$p.bmp >$file"
            "$p.bmp a text file, not a bitmap;offscreen;fails:$work/$file;echo 'not a picture' >$file"
            "$p.bmp a 40 x 40 bitmap;offscreen;fails:$work/$file&40 x 40;cp small.bmp $file"
        )
    done
    cases+=(
        "Images beside the program is a file, and none here;offscreen;fails:Red.bmp&not found;rm -r here/Images beside/Images && echo 'not a folder' >beside/Images"
        "no display;nodisplay;fails:DISPLAY is not set;"
        "DISPLAY names a display where no X server runs;deaddisplay;fails:DISPLAY=:$deadDisplay;"
        "QT_QPA_PLATFORM=xcb and no display;xcbnodisplay;fails:display;"
        "WAYLAND_DISPLAY names no compositor, and no DISPLAY;waylandnodisplay;fails:display;"
    )
else
    cases+=(
        "no Images here: the pictures beside the program;x11;works;rm -r here/Images"
        "Images here is a file: the pictures beside the program;x11;works;rm -r here/Images && echo 'not a folder' >here/Images"
    )
    for p in "${pictures[@]}"; do
        cases+=("$p.bmp missing here: the one beside the program;x11;works;rm here/Images/$p.bmp")
    done
    cases+=(
        "Red.bmp a text file, announced in a message box;x11;fails:$here/Images/Red.bmp;echo 'not a picture' >here/Images/Red.bmp"
        "BlackKing.bmp a 40 x 40 bitmap, announced in a message box;x11;fails:$here/Images/BlackKing.bmp&40 x 40;cp small.bmp here/Images/BlackKing.bmp"
    )
fi

# ---- running one case -----------------------------------------------------------------

# startProgram HOW: start the copy of the program in `here`, as HOW says; sets `pid`.
startProgram() {
    local how=$1 unset=(-u QT_QPA_PLATFORM -u WAYLAND_DISPLAY) set=(XDG_RUNTIME_DIR="$work/runtime")
    case $how in
    offscreen) set+=(QT_QPA_PLATFORM=offscreen) ;;
    x11) set+=(DISPLAY="$DISPLAY") ;;
    nodisplay) unset+=(-u DISPLAY) ;;
    deaddisplay) set+=(DISPLAY=":$deadDisplay") ;;
    xcbnodisplay) unset+=(-u DISPLAY) set+=(QT_QPA_PLATFORM=xcb) ;;
    waylandnodisplay) unset+=(-u DISPLAY) set+=(WAYLAND_DISPLAY=jumpline-no-compositor) ;;
    esac
    (cd "$here" && exec env "${unset[@]}" "${set[@]}" "$beside/jumpline" >"$work/stdout" 2>"$work/stderr") &
    pid=$!
    X11_PROGRAM_PID=$pid # killed by the harness if the test is stopped
}

# awaitEnd: wait up to runTimeout seconds for the program to end; sets `status`, or
# kills it and sets status to "running".
awaitEnd() {
    local deadline=$((SECONDS + runTimeout))
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -le "$deadline" ]; do
        sleep 0.02
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        status=running
    else
        wait "$pid"
        status=$?
    fi
    X11_PROGRAM_PID=''
}

# awaitWindow: under X, wait for the program's first window titled "Jumpline"; sets
# `window` to its id and `kind` to splash (the start-up window, 359 x 294 px) or box.
# Returns 1 if the program ended first or nothing appeared.
awaitWindow() {
    local deadline=$((SECONDS + runTimeout)) id
    window='' kind=''
    while [ "$SECONDS" -le "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --name '^Jumpline$' 2>/dev/null); do
            x11_geometry "$id" || continue
            window=$id
            if [ "$X11_WIN_W" = 359 ] && [ "$X11_WIN_H" = 294 ]; then kind=splash; else kind=box; fi
            return 0
        done
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.02
    done
    return 1
}

# runCase NAME HOW EXPECT SETUP: prints "ok: NAME" or "FAIL: NAME: why"; returns 1 on failure.
runCase() {
    local name=$1 how=$2 expect=$3 setup=$4 problem='' shown=''
    rm -rf "$here" "$beside/Images"
    mkdir -p "$here" "$beside"
    cp -r "$work/good" "$here/Images"
    cp -r "$work/good" "$beside/Images"
    [ -e "$beside/jumpline" ] || cp "$work/jumpline" "$beside/jumpline"
    (cd "$work" && eval "$setup") || {
        echo "FAIL: $name: the case could not be set up"
        failures=$((failures + 1))
        return 1
    }

    startProgram "$how"
    if [ "$how" = x11 ]; then
        if awaitWindow; then
            shown=$kind
            if [ "$kind" = splash ]; then
                # Exit on the start-up window (175, 154 px, 127 x 43).
                x11_click $((X11_WIN_X + 175 + 127 / 2)) $((X11_WIN_Y + 154 + 43 / 2))
            else
                xdotool windowfocus --sync "$window" key Return 2>/dev/null
            fi
        fi
    fi
    awaitEnd

    if [ "$status" = running ]; then
        case $expect in
        works) problem="it did not end on Exit" ;;
        *) problem="it did not stop within $runTimeout s (the fault went unnoticed${shown:+; it showed a $shown})" ;;
        esac
    elif [ "$status" -ge 128 ]; then
        problem="it ended on signal $((status - 128)) (exit status $status)"
    elif [ "$expect" = works ]; then
        if [ "$shown" != splash ]; then
            problem="it did not show its start-up window${shown:+ but a message box} (exit status $status)"
        elif [ "$status" -ne 0 ]; then
            problem="it ended with status $status after Exit"
        fi
    else
        local texts text
        IFS='&' read -ra texts <<<"${expect#fails:}"
        if [ "$status" -ne 1 ]; then
            problem="it ended with status $status, not 1"
        fi
        for text in "${texts[@]}"; do
            [ -n "$problem" ] || grep -qiF -- "$text" "$work/stderr" || problem="its message does not say '$text'"
        done
        if [ -n "$problem" ]; then
            :
        elif [ "$how" = x11 ] && [ "$shown" != box ]; then
            problem="it showed no message box"
        fi
    fi

    if [ -z "$problem" ]; then
        echo "ok: $name"
        return 0
    fi
    echo "FAIL: $name: $problem"
    sed 's/^/    stderr: /' "$work/stderr"
    failures=$((failures + 1))
    {
        echo "== $name: $problem"
        cat "$work/stderr"
    } >>"$PWD/bad-input-failures.log"
    return 1
}

rm -f "$PWD/bad-input-failures.log"
failures=0
for entry in "${cases[@]}"; do
    IFS=';' read -r name how expect setup <<<"$entry"
    runCase "$name" "$how" "$expect" "$setup"
done
echo "$((${#cases[@]} - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
