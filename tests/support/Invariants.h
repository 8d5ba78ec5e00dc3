// What must hold of a game whenever the user can act, and in the computer's pause, checked
// by the fuzzer and the soaks after every action and every move.
#pragma once

#include "game/Game.h"
#include "game/Settings.h"

#include <string>
#include <vector>

namespace jumpline::testing {

// Pieces on the board (visible), by colour.
struct PieceCounts {
    int red = 0;
    int black = 0;
};
PieceCounts countPieces(const Board &board);

// What is wrong with the position as the game keeps it: a piece off the board must be hidden
// at the parking place, one on it must stand on a dark cell with the picture of its king
// flag, the turn display must name the side on move; unless test mode has been used in the
// game, no two visible pieces may share a cell and intBoard must say what they show.
std::vector<std::string> positionProblems(const Board &board, bool testModeUsed);

// What is wrong with `game` as a game just set up with `settings`: every piece a man on its
// opening square, intBoard refilled (light cells too), the first player's pieces enabled,
// the counters cleared, Multi Jump released.
std::vector<std::string> openingProblems(const Game &game, const Settings &settings);

// Follows one Game through a run of actions. Each call returns the broken invariants, one
// line each; empty when all hold:
//  - intBoard says what the visible pieces say, and no two visible pieces share a cell
//    (not checked once test mode has been on in a game, until the next new game);
//  - a piece off the board is hidden at the parking place, one on it stands on a dark cell;
//  - the number of pieces of a colour never rises within a game;
//  - outside test mode only the side on move may be dragged, Black never against the
//    computer, and nobody while the computer moves;
//  - blnCurrentPlayer and the turn display agree; the Multi Jump caption is red only while
//    the button is pressed; "Delete" is shown exactly in test mode;
//  - whenever the user can act: no game is pending its end, no jump count is pending
//    without Multi Jump pressed, and against the computer Red is on move.
class InvariantChecker {
public:
    InvariantChecker(const Game &game, const Settings &settings);

    // A new game has just been set up (Reset, or after a victor message).
    std::vector<std::string> newGame();
    // An action is over and the user can act again.
    std::vector<std::string> afterAction();
    // The computer is in its pause.
    std::vector<std::string> duringComputerMove();
    // A message is being shown: its text must fit the position.
    std::vector<std::string> message(const std::string &text);

    // Test mode may have been on for a moment between two checks.
    void noteTestMode() { testModeSeen = testModeSeen || settings.blnTestMode; }
    // Test mode has been on in this game: the position may be anything free placement makes.
    bool testModeUsed() const { return testModeSeen; }

private:
    std::vector<std::string> check(bool computerMoving);

    const Game &game;
    const Settings &settings;
    bool testModeSeen = false;
    PieceCounts counts;
};

} // namespace jumpline::testing
