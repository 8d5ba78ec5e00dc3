// The computer player: Black's move in a game against the computer.
//
// One move is a pause, then seven phases tried in a fixed order, the first move found
// being made: captures (preferring those that can be continued), rescue of a threatened
// piece, a crowning step, a safe step that keeps neighbours covered, a step to an edge
// square, a safe step, any step. Pieces and directions are visited in an order rotated
// by random numbers; nothing is scored or compared. Everything is read from intBoard and
// from the black pieces' positions and king flags.
#pragma once

#include "board/Board.h"
#include "outside/Random.h"

#include <cstdint>

namespace jumpline {

class Screen;

// Board directions, as seen by Black: 1 and 2 ahead (towards row 8), 3 and 4 back.
struct Direction {
    int dc = 0;
    int dr = 0;
};
inline constexpr Direction Directions[5] = {{0, 0}, {-1, +1}, {+1, +1}, {-1, -1}, {+1, -1}};

constexpr Cell neighbour(Cell p, int d, int distance = 1)
{
    return {p.col + distance * Directions[d].dc, p.row + distance * Directions[d].dr};
}

// Whether the cell `distance` steps from p in direction d lies on the board. A capture, and
// the safe steps whose tests look two cells out, need two; any step one.
constexpr bool reaches(Cell p, int d, int distance)
{
    const Cell c = neighbour(p, d, distance);
    return onBoard(c.col, c.row);
}

class Computer {
public:
    Computer(Board &board, Random &random, Screen &screen) : board(board), random(random), screen(screen) {}

    enum class Outcome { Moved, NoMove };

    // Plays one Black move, or announces that Black cannot move; either way ends with the
    // crowning check and intAIMoves + 1. The caller hands the turn back or starts a new game.
    Outcome ComputerMove();

    // Whether black piece `piece`, imagined on (col, row), could capture there.
    bool CanJumpAgain(std::int16_t piece, std::int16_t col, std::int16_t row);

    // Black piece `piece` has just captured and stands on (col, row): it captures on, one
    // jump after each pause, while it can; (col, row) end where it finally stands.
    void ComputerMultiJump(std::int16_t piece, std::int16_t &col, std::int16_t &row);

private:
    bool captures();
    bool rescue();
    bool rescueFromAhead(std::int16_t i, Cell p, int s);
    bool rescueFromBehind(std::int16_t i, Cell p, int s);
    enum class SafeStep { KeepingNeighboursCovered, Plain };
    bool crowningStep();
    bool stepOntoRowEight(std::int16_t i, Cell p);
    bool safeStep(SafeStep kind);
    bool edgeStep();
    bool anyStep();
    void finish();

    template <typename Examine>
    bool visitPieces(int firstPiece, Examine examine);
    int startPiece();
    int startPieceFirstMoveExcepted();

    template <typename Try>
    bool firstDirection(Try tryDirection);

    void step(std::int16_t i, Cell from, Cell to);
    void moveBlackPiece(std::int16_t i, Cell to);
    bool coverStep(Cell from, Cell to);
    void capture(std::int16_t i, Cell from, int d);
    bool captureRange(std::int16_t i, Cell from, int d) const;
    bool canCapture(std::int16_t i, Cell from, int d) const;

    bool forwardSafe(Cell p, int x) const;
    bool backwardSafe(Cell p, int x) const;
    bool mirroredForwardSafe(Cell p, int x) const;
    bool keepsNeighboursCovered(Cell p, int d) const;

    bool red(int col, int row) const { return board.intBoard(col, row) > 0; }
    bool redKing(int col, int row) const { return board.intBoard(col, row) == RedKing; }
    bool black(int col, int row) const { return board.intBoard(col, row) < 0; }
    bool blackKing(int col, int row) const { return board.intBoard(col, row) == BlackKing; }
    bool empty(int col, int row) const { return board.intBoard(col, row) == Empty; }
    bool king(std::int16_t i) const { return board.blnBlackKing[static_cast<std::size_t>(i)]; }

    Board &board;
    Random &random;
    Screen &screen;
};

// Visits the black pieces from `firstPiece` round to the one before it, skipping parked
// ones, and calls examine(index, cell) for each; stops at the first that returns true.
template <typename Examine>
bool Computer::visitPieces(int firstPiece, Examine examine)
{
    const float parkedLeft = static_cast<float>(board.parkLeft());
    for (int k = 0; k < PieceCount; ++k) {
        const auto i = static_cast<std::int16_t>((firstPiece + k) % PieceCount);
        const Piece &p = board.Black[static_cast<std::size_t>(i)];
        if (static_cast<float>(p.Left) == parkedLeft)
            continue;
        auto col = static_cast<std::int16_t>(p.Left), row = static_cast<std::int16_t>(p.Top);
        board.ConvertCoordinates(col, row);
        if (examine(i, Cell{col, row}))
            return true;
    }
    return false;
}

// The directions from d0 round in cyclic order: d0, d0 + 1, ..., 4, 1, ..., d0 - 1.
constexpr int rotatedDirection(int d0, int k) { return (d0 - 1 + k) % 4 + 1; }

// Draws a start direction and tries the four directions from it in cyclic order until
// tryDirection(d) returns true.
template <typename Try>
bool Computer::firstDirection(Try tryDirection)
{
    const int d0 = drawInt(random, 4, 1);
    for (int k = 0; k < 4; ++k)
        if (tryDirection(rotatedDirection(d0, k)))
            return true;
    return false;
}

} // namespace jumpline
