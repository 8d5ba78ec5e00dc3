#!/usr/bin/env bash
# The harness reads boards back correctly: draw screenshots of known positions, the way
# the main window draws them (64 px cells at a pitch of 63 px from (7, 7), a 50 px piece
# 7 px inside its cell on a light grey surround), and read them back. Needs no X server.
set -u
# shellcheck source=tests/x11/lib.sh
source "$(dirname "$0")/lib.sh"

command -v convert >/dev/null 2>&1 || x11_skip "ImageMagick's convert is not installed (run scripts/setup.sh)"
work=$(mktemp -d "${TMPDIR:-/tmp}/jumpline-readboard.XXXXXX")
trap 'rm -rf "$work"' EXIT

# drawScreen FILE WINX WINY BOARD [PICTURES]: a 1024 x 768 screenshot with the main
# window at (WINX, WINY) showing BOARD; an empty BOARD draws only the bare root window.
# The pieces are plain discs of the colours the game's pictures show at their centre,
# or the pictures themselves, taken from the directory PICTURES.
drawScreen() {
    local file=$1 winX=$2 winY=$3 board=$4 pictures=${5:-}
    local draw=() row=0 line col piece x y
    if [ -n "$board" ]; then
        draw+=(-fill black -draw "rectangle $winX,$winY $((winX + 617)),$((winY + 517))")
        while read -r line; do
            row=$((row + 1))
            col=0
            for piece in $line; do
                col=$((col + 1))
                x=$((winX + 7 + 63 * (col - 1)))
                y=$((winY + 7 + 63 * (row - 1)))
                if [ $(((col + row) % 2)) -eq 0 ]; then
                    draw+=(-stroke black -fill white -draw "rectangle $x,$y $((x + 63)),$((y + 63))")
                    continue
                fi
                draw+=(-stroke black -fill 'rgb(192,192,192)' -draw "rectangle $x,$y $((x + 63)),$((y + 63))")
                local colour='' picture=''
                case $piece in
                r) colour='rgb(200,30,30)' picture=Red.bmp ;;
                b) colour='rgb(30,30,30)' picture=Black.bmp ;;
                R) colour='rgb(255,215,0)' picture=RedKing.bmp ;;
                B) colour='rgb(235,235,235)' picture=BlackKing.bmp ;;
                esac
                if [ -n "$picture" ] && [ -n "$pictures" ]; then
                    draw+=(-draw "image over $((x + 7)),$((y + 7)) 50,50 '$pictures/$picture'")
                elif [ -n "$colour" ]; then
                    # A disc with a dark rim in a 50 px box whose corners keep the surround.
                    draw+=(-stroke 'rgb(60,60,60)' -fill "$colour"
                        -draw "circle $((x + 32)),$((y + 32)) $((x + 32)),$((y + 10))")
                fi
            done
        done <<<"$board"
    fi
    convert -size 1024x768 "xc:$X11_ROOT_COLOUR" "${draw[@]}" -depth 8 "$file"
}

opening='. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .'

# One piece of each kind, placed so that a swap of rows and columns, or a reading one
# cell off, gives another picture.
everyKind='. R . . . . . .
. . . . . . b .
. . . r . . . .
. . . . . . . .
. . . . . B . .
. . . . . . . .
. . . . . . . .
b . . . . . r .'

nothing='. ? . ? . ? . ?
? . ? . ? . ? .
. ? . ? . ? . ?
? . ? . ? . ? .
. ? . ? . ? . ?
? . ? . ? . ? .
. ? . ? . ? . ?
? . ? . ? . ? .'

# The game's own piece pictures, which the program reads at run time.
images=$(cd "$(dirname "$0")/../../Images" 2>/dev/null && pwd) || images=''

# name | window x | window y | pictures | board drawn | board expected
cases=(
    "opening position, window centred|203|125||$opening|$opening"
    "every kind of piece, window at the screen's corner|0|0||$everyKind|$everyKind"
    "every kind of piece, window near the far corner|406|250||$everyKind|$everyKind"
    "no window on the screen|203|125|||$nothing"
)
if [ -f "$images/Red.bmp" ]; then
    cases+=("the game's own piece pictures|203|125|$images|$everyKind|$everyKind")
else
    echo "note: no Images/ beside the tests, so the game's own pictures are not read"
fi

failures=0
for entry in "${cases[@]}"; do
    IFS='|' read -r -d '' name winX winY pictures drawn expected <<<"$entry" || true
    expected=${expected%$'\n'}
    shot="$work/screen.png"
    drawScreen "$shot" "$winX" "$winY" "$drawn" "$pictures"
    actual=$(x11_read_board "$shot" "$winX" "$winY")
    if [ "$actual" = "$expected" ]; then
        echo "ok: $name"
    else
        failures=$((failures + 1))
        printf 'FAIL: %s\nexpected:\n%s\nread:\n%s\n' "$name" "$expected" "$actual"
        cp "$shot" "$PWD/read-board-$failures.png" 2>/dev/null || true
    fi
done
echo "$(( ${#cases[@]} - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
