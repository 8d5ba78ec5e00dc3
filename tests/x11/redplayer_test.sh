#!/usr/bin/env bash
# The whole-game test's Red player and referee know the rules: known positions, drawn as
# the screenshots read them back, and what it must answer. Needs no X server.
#
# Usage: redplayer_test.sh PATH-TO-REDPLAYER
set -u
player=${1:?usage: redplayer_test.sh PATH-TO-REDPLAYER}

opening='. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . . . . . .
r . r . r . r .
. r . r . r . r
r . r . r . r .'

afterFirstStep='. b . b . b . b
b . b . b . b .
. b . b . b . b
. . . . . . . .
. . . r . . . .
r . . . r . r .
. r . r . r . r
r . r . r . r .'

# A black man can take the red man beside it, or step.
blackCanTake='. b . . . . . .
. . . . . . . .
. . . b . . . .
. . . . r . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
r . . . . . . .'

# One black man can take two red men in a row.
blackDouble='. b . . . . . .
. . r . . . . .
. . . . . . . .
. . . . r . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
r . . . . . . .'

# The man on (2, 1) can go on capturing after its first jump, the man on (8, 5) cannot.
blackPrefersChain='. b . . . . . .
. . r . . . . .
. . . . . . . .
. . . . r . . .
. . . . . . . b
. . . . . . r .
. . . . . . . .
. . . . . . . .'

# A black man jumps onto row 8 beside a red man that a king could take next.
blackOntoRow8='. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . b . . . . .
. . . r . r . .
. . . . . . . .'

blackBlocked='. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. b . . . . . .
r . r . . . . .'

# A red man jumps onto row 1, is crowned, and jumps on backwards as a king.
redCrownedInChain='. . . . . . . b
. . b . b . . .
. r . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .'

redBlocked='. b . . . . . .
r . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .'

# Red can capture, or make safe steps elsewhere.
redCanTake='. b . . . . . .
. . . . . . . .
. . . . . . . .
. . b . . . . .
. . . r . . . .
. . . . . . . .
. . . . . r . r
r . r . . . . .'

# name | player arguments | position | expected: the exact output, "lines:N" (that many
# lines) or "status:N" (that exit status)
cases=(
    "Black has 7 answers to Red's first step|replies|$afterFirstStep|lines:7"
    "the computer captures when it can|replies|$blackCanTake|. b . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . b . ./. . . . . . . ./. . . . . . . ./r . . . . . . ."
    "a legal Black move may also be a step where a capture is open|replies --any|$blackCanTake|lines:4"
    "the computer goes on capturing while it can|replies|$blackDouble|. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . b . ./. . . . . . . ./. . . . . . . ./r . . . . . . ."
    "a chain broken off is a legal Black move, though not the computer's|replies --any|$blackDouble|lines:3"
    "the computer starts with a capture it can continue|replies|$blackPrefersChain|. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . b/. . . . . . . ./. . . . . . . b/. . . . . . . ."
    "a black man is crowned only after its move, so it does not jump back|replies|$blackOntoRow8|. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . . . ./. . . . . r . ./. . . . B . . ."
    "a blocked Black side has no answer|replies|$blackBlocked|"
    "a red man crowned in a chain jumps on as a king|move|$redCrownedInChain|2 3 4 1 6 3"
    "the chain leaves a red king and the far black man|after 2 3 4 1 6 3|$redCrownedInChain|. . . . . . . b
. . . . . . . .
. . . . . R . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . .
. . . . . . . ."
    "Red takes when it can|move|$redCanTake|4 5 2 3"
    "a blocked Red side has no move|move|$redBlocked|none"
    "a red man may not step backwards|after 4 5 5 6|$redCanTake|status:2"
    "a jump must land two cells away|after 4 5 1 2|$redCanTake|status:2"
    "Red's first step leaves the position Black answers|after 3 6 4 5|$opening|$afterFirstStep"
    "a position that was not read whole is refused|move|${opening/r/?}|status:2"
)

failures=0
for entry in "${cases[@]}"; do
    IFS='|' read -r -d '' name arguments position expected <<<"$entry" || true
    expected=${expected%$'\n'}
    read -ra args <<<"$arguments"
    actual=$("$player" "${args[@]}" <<<"$position" 2>/dev/null)
    status=$?
    case $expected in
    lines:*) got="lines:$(grep -c . <<<"$actual")" ;;
    status:*) got="status:$status" ;;
    *) got=$actual ;;
    esac
    if [ "$got" = "$expected" ] && { [ "$status" -eq 0 ] || [ "${expected#status:}" != "$expected" ]; }; then
        echo "ok: $name"
    else
        failures=$((failures + 1))
        printf 'FAIL: %s\nexpected:\n%s\ngot (status %d):\n%s\n' "$name" "$expected" "$status" "$actual"
    fi
done
echo "$((${#cases[@]} - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
