// Phase 1 of the computer's move: captures, and the multi-jumps that continue them.
#include "computer/Computer.h"

#include "outside/Screen.h"

namespace jumpline {

// Backwards only for a king, whose kingship is read from its flag, never from intBoard.
bool Computer::captureRange(std::int16_t i, Cell p, int d) const
{
    return (d <= 2 || king(i)) && reaches(p, d, 2);
}

// From P in direction d over M onto J: the range holds, M is red and J is empty.
bool Computer::canCapture(std::int16_t i, Cell p, int d) const
{
    if (!captureRange(i, p, d))
        return false;
    const Cell m = neighbour(p, d), j = neighbour(p, d, 2);
    return red(m.col, m.row) && empty(j.col, j.row);
}

// Two passes: the first takes only a capture that can be continued from its landing cell,
// the second any capture.
bool Computer::captures()
{
    for (int pass = 0; pass < 2; ++pass) {
        const bool captured = visitPieces(startPiece(), [&](std::int16_t i, Cell p) {
            return firstDirection([&](int d) {
                if (!captureRange(i, p, d))
                    return false;
                const Cell j = neighbour(p, d, 2);
                auto col = static_cast<std::int16_t>(j.col), row = static_cast<std::int16_t>(j.row);
                const bool again = CanJumpAgain(i, col, row); // asked in both passes: it draws a number
                if ((pass == 0 && !again) || !canCapture(i, p, d))
                    return false;
                capture(i, p, d);
                ComputerMultiJump(i, col, row);
                return true;
            });
        });
        if (captured)
            return true;
    }
    return false;
}

bool Computer::CanJumpAgain(std::int16_t piece, std::int16_t col, std::int16_t row)
{
    // The start direction uses up a number but changes nothing: any of the four will do.
    return firstDirection([&](int d) { return canCapture(piece, {col, row}, d); });
}

void Computer::ComputerMultiJump(std::int16_t piece, std::int16_t &col, std::int16_t &row)
{
    for (;;) {
        screen.Pause();
        const bool captured = firstDirection([&](int d) {
            if (!canCapture(piece, {col, row}, d))
                return false;
            capture(piece, {col, row}, d);
            const Piece &p = board.Black[static_cast<std::size_t>(piece)];
            col = static_cast<std::int16_t>(p.Left);
            row = static_cast<std::int16_t>(p.Top);
            board.ConvertCoordinates(col, row);
            return true;
        });
        if (!captured)
            return;
    }
}

// Black piece i jumps from P over M onto J. The jumped red piece is hidden and parked; its
// king flag stays. Crowning waits for the end of the whole move.
void Computer::capture(std::int16_t i, Cell p, int d)
{
    const Cell m = neighbour(p, d), j = neighbour(p, d, 2);
    const auto mCol = static_cast<std::int16_t>(m.col), mRow = static_cast<std::int16_t>(m.row);
    const auto jCol = static_cast<std::int16_t>(j.col), jRow = static_cast<std::int16_t>(j.row);

    board.SetBoardValue(0, mCol, mRow, Empty);
    auto MX = mCol, MY = mRow;
    board.ConvertCoordinates(MX, MY);
    for (Piece &red : board.Red) {
        if (static_cast<float>(red.Left) == static_cast<float>(MX) && static_cast<float>(red.Top) == static_cast<float>(MY))
            board.parkPiece(red);
    }
    board.SetBoardValue(0, static_cast<std::int16_t>(p.col), static_cast<std::int16_t>(p.row), Empty);
    board.SetBoardValue(0, jCol, jRow, king(i) ? BlackKing : BlackMan);
    moveBlackPiece(i, j);
}

} // namespace jumpline
