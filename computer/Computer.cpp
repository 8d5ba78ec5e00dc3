#include "computer/Computer.h"

#include "outside/Screen.h"

namespace jumpline {

Computer::Outcome Computer::ComputerMove()
{
    screen.Pause();
    const bool moved = captures() || rescue() || crowningStep() || safeStep(SafeStep::KeepingNeighboursCovered) ||
                       edgeStep() || safeStep(SafeStep::Plain) || anyStep();
    if (!moved)
        screen.ShowMessage("Black can't move. Red is the victor!");
    finish();
    return moved ? Outcome::Moved : Outcome::NoMove;
}

int Computer::startPiece()
{
    return drawInt(random, 6, 4);
}

// In the computer's first move of a game, the safe steps start among pieces 8..11.
int Computer::startPieceFirstMoveExcepted()
{
    return board.intAIMoves == 0 ? drawInt(random, 4, 8) : startPiece();
}

void Computer::step(std::int16_t i, Cell from, Cell to)
{
    board.SetBoardValue(0, static_cast<std::int16_t>(from.col), static_cast<std::int16_t>(from.row), Empty);
    board.SetBoardValue(0, static_cast<std::int16_t>(to.col), static_cast<std::int16_t>(to.row),
                        king(i) ? BlackKing : BlackMan);
    moveBlackPiece(i, to);
}

// Black piece i stands on the piece position of `to`.
void Computer::moveBlackPiece(std::int16_t i, Cell to)
{
    auto X = static_cast<std::int16_t>(to.col), Y = static_cast<std::int16_t>(to.row);
    board.ConvertCoordinates(X, Y);
    Piece &p = board.Black[static_cast<std::size_t>(i)];
    p.Left = X;
    p.Top = Y;
    p.Visible = true;
}

// A red piece on (col, row + 2) could jump over D towards row 1 onto the cell beside P; one
// on (col + 2x, row + 2) over D onto P, which the step empties; a red king beside P over D
// towards row 8.
bool Computer::forwardSafe(Cell p, int x) const
{
    const int col = p.col, row = p.row;
    return !(red(col, row + 2) && empty(col + 2 * x, row)) && !red(col + 2 * x, row + 2) &&
           !(redKing(col + 2 * x, row) && empty(col, row + 2));
}

bool Computer::backwardSafe(Cell p, int x) const
{
    const int col = p.col, row = p.row;
    return !(red(col + 2 * x, row) && empty(col, row - 2)) && !(redKing(col, row - 2) && empty(col + 2 * x, row)) &&
           !redKing(col + 2 * x, row - 2);
}

// The forward safety test with every row offset negated. It is weaker than the backward
// safety test (a red man beside P does not count), and phase 6 uses it as such.
bool Computer::mirroredForwardSafe(Cell p, int x) const
{
    const int col = p.col, row = p.row;
    return !(red(col, row - 2) && empty(col + 2 * x, row)) && !red(col + 2 * x, row - 2) &&
           !(redKing(col + 2 * x, row) && empty(col, row - 2));
}

// Leaving P must not let a red piece jump a black neighbour onto P.
bool Computer::keepsNeighboursCovered(Cell p, int d) const
{
    for (int n = 1; n <= 4; ++n) {
        if (n == d)
            continue;
        const Cell N = neighbour(p, n), B = neighbour(p, n, 2);
        if (!onBoard(B.col, B.row))
            continue;
        const bool threat = n <= 2 ? red(B.col, B.row) : redKing(B.col, B.row);
        if (black(N.col, N.row) && threat)
            return false;
    }
    return true;
}

// The two-direction loop onto row 8 that phases 3 and 5 share.
bool Computer::stepOntoRowEight(std::int16_t i, Cell p)
{
    const int d0 = drawInt(random, 2, 1);
    for (int k = 0; k < 2; ++k) {
        const int d = k == 0 ? d0 : 3 - d0;
        if (d == 1 && p.row == 7 && empty(p.col - 1, 8)) {
            step(i, p, {p.col - 1, 8});
            return true;
        }
        if (d == 2 && p.row == 7 && p.col != 8 && empty(p.col + 1, 8)) {
            step(i, p, {p.col + 1, 8});
            return true;
        }
    }
    return false;
}

bool Computer::crowningStep()
{
    return visitPieces(startPiece(), [&](std::int16_t i, Cell p) { return !king(i) && stepOntoRowEight(i, p); });
}

// Phases 4 and 6: a step to a safe cell. Phase 4 also keeps the neighbours covered and
// judges a king's step back by the backward safety test; phase 6 uses the weaker mirrored
// forward test there.
bool Computer::safeStep(SafeStep kind)
{
    const bool covered = kind == SafeStep::KeepingNeighboursCovered;
    return visitPieces(startPieceFirstMoveExcepted(), [&](std::int16_t i, Cell p) {
        return firstDirection([&](int d) {
            if ((d >= 3 && !king(i)) || !reaches(p, d, 2))
                return false;
            const Cell to = neighbour(p, d);
            const int x = Directions[d].dc;
            const bool safe = d <= 2 ? forwardSafe(p, x) : covered ? backwardSafe(p, x) : mirroredForwardSafe(p, x);
            if (!empty(to.col, to.row) || !safe || (covered && !keepsNeighboursCovered(p, d)))
                return false;
            step(i, p, to);
            return true;
        });
    });
}

bool Computer::edgeStep()
{
    return visitPieces(startPiece(), [&](std::int16_t i, Cell p) {
        const int col = p.col, row = p.row;
        Cell to;
        if (col == 2 && row != 8 && empty(1, row + 1))
            to = {1, row + 1};
        else if (king(i) && col == 2 && row != 1 && empty(1, row - 1))
            to = {1, row - 1};
        else if (col == 7 && row != 8 && empty(8, row + 1))
            to = {8, row + 1};
        else if (king(i) && col == 7 && row != 1 && empty(8, row - 1))
            to = {8, row - 1};
        if (to.col != 0) {
            step(i, p, to);
            return true;
        }
        if (stepOntoRowEight(i, p)) // men and kings alike
            return true;
        // Back onto row 1: kings only, though every piece that gets here draws its start.
        const int back = drawInt(random, 2, 1);
        if (!king(i))
            return false;
        for (int k = 0; k < 2; ++k) {
            const int d = k == 0 ? back : 3 - back;
            if (d == 1 && row == 2 && col != 1 && empty(col - 1, 1)) {
                step(i, p, {col - 1, 1});
                return true;
            }
            if (d == 2 && row == 2 && empty(col + 1, 1)) {
                step(i, p, {col + 1, 1});
                return true;
            }
        }
        return false;
    });
}

bool Computer::anyStep()
{
    return visitPieces(startPiece(), [&](std::int16_t i, Cell p) {
        return firstDirection([&](int d) {
            if ((d >= 3 && !king(i)) || !reaches(p, d, 1))
                return false;
            const Cell to = neighbour(p, d);
            if (!empty(to.col, to.row))
                return false;
            step(i, p, to);
            return true;
        });
    });
}

// A man that reached row 8 is crowned only now, after the whole move.
void Computer::finish()
{
    for (std::int16_t i = 0; i < PieceCount; ++i) {
        Piece &p = board.Black[static_cast<std::size_t>(i)];
        auto col = static_cast<std::int16_t>(p.Left), row = static_cast<std::int16_t>(p.Top);
        board.ConvertCoordinates(col, row); // a parked piece maps to row 1
        if (!king(i) && row == BoardSize) {
            board.blnBlackKing[static_cast<std::size_t>(i)] = true;
            p.picture = Picture::BlackKing;
            board.SetBoardValue(0, col, row, BlackKing);
        }
    }
    ++board.intAIMoves;
}

} // namespace jumpline
