// Positions drawn as pictures, so that a reader checks a case by eye.
//
// A picture is eight rows, row 1 (Black's home row) first, of eight cells each; blanks
// between cells are ignored. '.' is an empty cell (light cells are always '.'),
// 'b' a black man, 'B' a black king, 'r' a red man, 'R' a red king. Pieces of each colour
// take the indexes 0, 1, 2, ... in reading order; the rest are parked off the board.
// A partial picture lists only the rows that matter, each led by its number
// ("5 . b . . . r . ."); the other rows are empty, and "" is the empty board.
#pragma once

#include "board/Board.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jumpline::testing {

// Throws std::invalid_argument naming `what` unless `ok`: a mistake in a test's own
// set-up fails that test in every build type, where an assert would vanish with NDEBUG.
void require(bool ok, const char *what);

// The opening position, as a new game lays it out.
inline constexpr std::string_view kOpeningPicture =
    ". b . b . b . b\n"
    "b . b . b . b .\n"
    ". b . b . b . b\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    "r . r . r . r .\n"
    ". r . r . r . r\n"
    "r . r . r . r .\n";

// The opening after Red(9) has stepped from (3, 6) to (4, 5): the first move of many tests.
inline constexpr std::string_view kAfterRedNineStepsPicture =
    ". b . b . b . b\n"
    "b . b . b . b .\n"
    ". b . b . b . b\n"
    ". . . . . . . .\n"
    ". . . r . . . .\n"
    "r . . . r . r .\n"
    ". r . r . r . r\n"
    "r . r . r . r .\n";

// A partial picture made whole, in the format boardPicture writes; a whole one unchanged.
std::string padded(std::string_view picture);

// The symbol of a cell in a whole picture.
char &cellIn(std::string &picture, Cell c);

// A board holding exactly the (possibly partial) picture: pieces, king flags, pictures and
// intBoard (light cells 0). Red's pieces are enabled when Red is to move, Black's otherwise.
Board boardFromPicture(std::string_view picture, bool redToMove = true, int twipsX = DesignTwipsPerPixel,
                       int twipsY = DesignTwipsPerPixel);

// The picture a piece of this colour shows, man or king.
Picture pictureOf(Colour colour, bool king);

// The dark cells of intBoard as a whole picture.
std::string boardPicture(const Board &board);

// What the visible pieces and their king flags show, in the same format; '?' where two
// visible pieces share a cell.
std::string piecesPicture(const Board &board);

// The cell a piece stands on, or {0, 0} when it is parked.
Cell cellOfPiece(const Board &board, PieceRef piece);

// The visible piece standing on a cell (the first in index order, Red before Black), if any.
std::optional<PieceRef> pieceAt(const Board &board, Cell cell);

// The Square index of a dark cell, as a drop receives it.
std::int16_t squareOf(Cell cell);

// Problems with the position as the game keeps it, one line each; empty when there are
// none: a piece off the board must be hidden at the parking place, one on it must stand on
// a dark cell with the picture of its king flag, the turn display must name the side on
// move; unless `testModeUsed` (free placement may break these), no two visible pieces may
// share a cell and intBoard must say what they show. (The invariants of a whole game, which
// build on this, are in fuzz/Harness.h.)
std::vector<std::string> consistencyProblems(const Board &board, bool testModeUsed = false);

} // namespace jumpline::testing
