// Phase 2 of the computer's move: rescue of a black piece that Red could capture next.
//
// A threat comes from direction t of the piece's cell P: the red piece on T = P + t would
// jump P and land on L = P - t. Threats from ahead (t = 1, 2) come from any red piece,
// threats from behind (t = 3, 4) from red kings only. The piece is saved by moving it out
// of reach, or by stepping another black piece onto L. Directions 2 and 4 mirror 1 and 3:
// s is +1 for a threat from the left, -1 for one from the right.
#include "computer/Computer.h"

namespace jumpline {

namespace {

constexpr bool onBoardColumn(int col) { return col >= 1 && col <= BoardSize; }

} // namespace

bool Computer::rescue()
{
    return visitPieces(startPiece(), [&](std::int16_t i, Cell p) {
        return firstDirection([&](int t) {
            // A piece on the outer edge cannot be captured.
            if (p.col < 2 || p.col > 7 || p.row < 2 || p.row > 7)
                return false;
            const int s = t % 2 == 1 ? +1 : -1;
            return t <= 2 ? rescueFromAhead(i, p, s) : rescueFromBehind(i, p, s);
        });
    });
}

// Steps whatever black piece stands on `from` onto `to`, keeping its own king flag. When
// no piece is found there (the pieces and intBoard disagree), nothing moves.
bool Computer::coverStep(Cell from, Cell to)
{
    const std::optional<PieceRef> piece = board.pieceOn(from, Colour::Black);
    if (piece)
        step(piece->index, from, to);
    return piece.has_value();
}

// A red piece on T = (col - s, row + 1) threatens to land on L = (col + s, row - 1).
bool Computer::rescueFromAhead(std::int16_t i, Cell p, int s)
{
    const int col = p.col, row = p.row;
    const Cell L{col + s, row - 1};
    if (!(red(col - s, row + 1) && empty(L.col, L.row)))
        return false;
    const int edgeCol = s > 0 ? 7 : 2;

    // Away from the threat, ahead on the other side.
    if (empty(col + s, row + 1) && (col == edgeCol || row == 7)) {
        step(i, p, {col + s, row + 1});
        return true;
    }
    if (onBoardColumn(col + 2 * s) && row <= 6 && empty(col + s, row + 1) && forwardSafe(p, s)) {
        step(i, p, {col + s, row + 1});
        return true;
    }
    // A king steps back; the right-hand step back is tried first whichever side threatens.
    if (king(i) && row == 2 && empty(col + s, row - 1)) {
        step(i, p, {col + s, 1});
        return true;
    }
    if (king(i) && col <= 6 && row >= 3 && empty(col + 1, row - 1) && backwardSafe(p, +1)) {
        step(i, p, {col + 1, row - 1});
        return true;
    }
    if (king(i) && col >= 3 && row >= 3 && empty(col - 1, row - 1) && backwardSafe(p, -1)) {
        step(i, p, {col - 1, row - 1});
        return true;
    }

    // Cover L with another piece.
    if (!(onBoardColumn(col + 2 * s) && row >= 3))
        return false;
    if (black(col, row - 2) && empty(L.col, L.row) && !red(col + 2 * s, row) && coverStep({col, row - 2}, L))
        return true;
    if (black(col + 2 * s, row - 2) && empty(L.col, L.row) && !(red(col + 2 * s, row) && empty(col, row - 2)) &&
        !(redKing(col, row - 2) && empty(col + 2 * s, row)) && coverStep({col + 2 * s, row - 2}, L))
        return true;
    // Only a king covers by stepping back.
    if (empty(L.col, L.row) && blackKing(col + 2 * s, row) && !redKing(col, row - 2) && coverStep({col + 2 * s, row}, L))
        return true;
    return false;
}

// A red king on T = (col - s, row - 1) threatens to land on L = (col + s, row + 1).
bool Computer::rescueFromBehind(std::int16_t i, Cell p, int s)
{
    const int col = p.col, row = p.row;
    const Cell L{col + s, row + 1};
    if (!(redKing(col - s, row - 1) && empty(L.col, L.row)))
        return false;
    const int edgeCol = s > 0 ? 7 : 2;

    // A king steps back, away from the threat.
    if (king(i) && empty(col + s, row - 1) && (col == edgeCol || row == 2)) {
        step(i, p, {col + s, row - 1});
        return true;
    }
    if (king(i) && onBoardColumn(col + 2 * s) && row >= 3 && empty(col + s, row - 1) && backwardSafe(p, s)) {
        step(i, p, {col + s, row - 1});
        return true;
    }
    // Any piece steps ahead: onto L itself, or ahead on the other side.
    if ((row == 7 || col == edgeCol) && empty(L.col, L.row)) {
        step(i, p, L);
        return true;
    }
    if (onBoardColumn(col + 2 * s) && row <= 6 && empty(L.col, L.row) && forwardSafe(p, s)) {
        step(i, p, L);
        return true;
    }
    if (onBoardColumn(col - 2 * s) && row <= 6 && empty(col - s, row + 1) && forwardSafe(p, -s)) {
        step(i, p, {col - s, row + 1});
        return true;
    }

    // Cover L with another piece; only kings cover by stepping back.
    if (!(onBoardColumn(col + 2 * s) && row <= 6))
        return false;
    if (empty(L.col, L.row) && blackKing(col, row + 2) && !redKing(col + 2 * s, row) && coverStep({col, row + 2}, L))
        return true;
    if (blackKing(col + 2 * s, row + 2) && empty(L.col, L.row) && !(red(col, row + 2) && empty(col + 2 * s, row)) &&
        !(redKing(col + 2 * s, row) && empty(col, row + 2)) && coverStep({col + 2 * s, row + 2}, L))
        return true;
    if (black(col + 2 * s, row) && empty(L.col, L.row) && !red(col, row + 2) && coverStep({col + 2 * s, row}, L))
        return true;
    return false;
}

} // namespace jumpline
