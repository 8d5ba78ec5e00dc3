// Addressing the board: square indexes, cells and twip positions, and the capture of a
// piece off the board.
#include "board/Board.h"
#include "support/Position.h"

#include <gtest/gtest.h>

#include <array>

namespace jumpline {
namespace {

// The dark cells of each row, in Square index order: Square(4 * (row - 1)) is the first.
constexpr std::array<std::array<int, 4>, BoardSize> kSquareColumns = {{
    {2, 4, 6, 8}, // row 1: Square(0)..Square(3)
    {1, 3, 5, 7}, // row 2: Square(4)..Square(7)
    {2, 4, 6, 8},
    {1, 3, 5, 7},
    {2, 4, 6, 8},
    {1, 3, 5, 7},
    {2, 4, 6, 8},
    {1, 3, 5, 7}, // row 8: Square(28)..Square(31)
}};

Board boardAt(int twipsX, int twipsY)
{
    Board board;
    board.intTwipsX = static_cast<std::int16_t>(twipsX);
    board.intTwipsY = static_cast<std::int16_t>(twipsY);
    return board;
}

BoardArray withCell(Cell cell, std::int16_t value)
{
    BoardArray cells;
    cells(cell) = value;
    return cells;
}

TEST(SetBoardValue, SquareIndexWritesExactlyItsCell)
{
    for (int row = 1; row <= BoardSize; ++row) {
        for (int k = 0; k < 4; ++k) {
            const auto square = static_cast<std::int16_t>(4 * (row - 1) + k);
            const Cell cell{kSquareColumns[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(k)], row};
            SCOPED_TRACE("Square(" + std::to_string(square) + ")");
            Board board;
            board.SetBoardValue(square, 0, 0, RedKing);
            EXPECT_EQ(board.intBoard, withCell(cell, RedKing));
        }
    }
}

TEST(SetBoardValue, SquareZeroWithBothCoordinatesZeroWritesSecondColumnOfFirstRow)
{
    Board board;
    board.SetBoardValue(0, 0, 0, BlackMan);
    EXPECT_EQ(board.intBoard, withCell({2, 1}, BlackMan));
}

TEST(SetBoardValue, SquareIndexOutsideTheBoardWritesNothing)
{
    for (const std::int16_t square : {std::int16_t{-1}, DeleteSquare, std::int16_t{33}, std::int16_t{100}}) {
        SCOPED_TRACE(square);
        Board board;
        board.intBoard(2, 1) = RedMan;
        const BoardArray before = board.intBoard;
        board.SetBoardValue(square, 0, 0, BlackKing);
        EXPECT_EQ(board.intBoard, before);
    }
}

TEST(SetBoardValue, ColumnAndRowWriteThatCell)
{
    const struct {
        std::int16_t col, row;
    } cases[] = {{1, 1}, {8, 8}, {3, 4}, {8, 1}, {1, 8}, {4, 4}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.col) + ", " + std::to_string(c.row));
        Board board;
        board.SetBoardValue(5, c.col, c.row, RedMan); // the square index counts only with both coordinates 0
        EXPECT_EQ(board.intBoard, withCell({c.col, c.row}, RedMan));
    }
}

TEST(SetBoardValue, TwipPositionOfEveryDarkCellWritesThatCell)
{
    for (const int twips : {15, 12}) {
        for (int k = 0; k < SquareCount; ++k) {
            const int row = k / 4 + 1;
            const Cell cell{kSquareColumns[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(k % 4)], row};
            SCOPED_TRACE(std::to_string(twips) + " twips per pixel, Square(" + std::to_string(k) + ")");
            Board board = boardAt(twips, twips);
            // Piece position: 14 px into the board, 63 px a cell.
            const auto left = static_cast<std::int16_t>((14 + 63 * (cell.col - 1)) * twips);
            const auto top = static_cast<std::int16_t>((14 + 63 * (cell.row - 1)) * twips);
            board.SetBoardValue(0, left, top, BlackKing);
            EXPECT_EQ(board.intBoard, withCell(cell, BlackKing));
        }
    }
}

TEST(SetBoardValue, TwipPositionOffTheGridFindsTheNearestCell)
{
    Board board = boardAt(15, 15);
    board.SetBoardValue(0, 225, 5880, RedMan); // one pixel right of column 1's piece position
    EXPECT_EQ(board.intBoard, withCell({1, 7}, RedMan));
}

TEST(SetBoardValue, TwipPositionUsesEachAxisOwnScale)
{
    Board board = boardAt(15, 12);
    // Column 3 at 15 twips across, row 6 at 12 twips down.
    board.SetBoardValue(0, (14 + 63 * 2) * 15, (14 + 63 * 5) * 12, RedKing);
    EXPECT_EQ(board.intBoard, withCell({3, 6}, RedKing));
}

struct ConvertCase {
    const char *name;
    int twipsX, twipsY;
    std::int16_t x, y;
    std::int16_t wantX, wantY;
};

const ConvertCase kConversions[] = {
    {"top-left cell to its piece position", 15, 15, 1, 1, 210, 210},
    {"bottom-right cell to its piece position", 15, 15, 8, 8, 6825, 6825},
    {"top-left piece position back to its cell", 15, 15, 210, 210, 1, 1},
    {"bottom-right piece position back to its cell", 15, 15, 6825, 6825, 8, 8},
    {"a pixel off the grid still finds its cell", 15, 15, 225, 5880, 1, 7},
    {"a cell at 12 twips per pixel", 12, 12, 1, 1, 168, 168},
    {"the far cell at 12 twips per pixel", 12, 12, 8, 8, 5460, 5460},
    {"a piece position at 12 twips per pixel", 12, 12, 5460, 168, 8, 1},
    {"each axis at its own scale", 15, 12, 3, 6, 2100, 3948},
    {"back at each axis' own scale", 15, 12, 2100, 3948, 3, 6},
    // Exactly half a pitch (378 twips at 12) between two cells goes to the even one.
    {"half a pitch past column 1 goes to column 2", 12, 12, 168 + 378, 168 + 378, 2, 2},
    {"half a pitch past column 2 stays on column 2", 12, 12, 168 + 756 + 378, 168 + 756 + 378, 2, 2},
    {"half a pitch past column 3 goes to column 4", 12, 12, 168 + 1512 + 378, 168 + 1512 + 378, 4, 4},
    {"top-right cell to its piece position", 15, 15, 8, 1, 6825, 210},
};

TEST(ConvertCoordinates, ConvertsCellsAndTwipPositions)
{
    for (const ConvertCase &c : kConversions) {
        SCOPED_TRACE(c.name);
        const Board board = boardAt(c.twipsX, c.twipsY);
        std::int16_t x = c.x, y = c.y;
        board.ConvertCoordinates(x, y);
        EXPECT_EQ(x, c.wantX);
        EXPECT_EQ(y, c.wantY);
    }
}

TEST(ConvertCoordinates, EveryCellSurvivesTheRoundTrip)
{
    for (const int twips : {15, 12, 20}) {
        const Board board = boardAt(twips, twips);
        for (std::int16_t col = 1; col <= BoardSize; ++col) {
            for (std::int16_t row = 1; row <= BoardSize; ++row) {
                SCOPED_TRACE(std::to_string(twips) + " twips: " + std::to_string(col) + ", " + std::to_string(row));
                std::int16_t x = col, y = row;
                board.ConvertCoordinates(x, y);
                EXPECT_EQ(x, (14 + 63 * (col - 1)) * twips);
                EXPECT_EQ(y, (14 + 63 * (row - 1)) * twips);
                board.ConvertCoordinates(x, y);
                EXPECT_EQ(x, col);
                EXPECT_EQ(y, row);
            }
        }
    }
}

TEST(RemovePiece, TakesThePieceOfTheSideNotOnMove)
{
    for (const bool redToMove : {true, false}) {
        SCOPED_TRACE(redToMove ? "Red to move" : "Black to move");
        Board board = testing::boardFromPicture(testing::kOpeningPicture, redToMove);
        board.blnRedKing[3] = true;
        board.blnBlackKing[3] = true;
        Board expected = board;
        auto &victim = redToMove ? expected.Black[3] : expected.Red[3];
        victim.Visible = false;
        victim.Left = 532 * 15;
        victim.Top = 35 * 15;

        board.RemovePiece(3);

        // Only the piece moves: intBoard, the king flags and the other colour stay.
        EXPECT_EQ(board, expected);
    }
}

TEST(RemovePiece, ParksAtTheScreenScale)
{
    Board board = testing::boardFromPicture(testing::kOpeningPicture, true, 12);
    board.RemovePiece(11);
    EXPECT_FALSE(board.Black[11].Visible);
    EXPECT_EQ(board.Black[11].Left, 532 * 12);
    EXPECT_EQ(board.Black[11].Top, 35 * 12);
}

} // namespace
} // namespace jumpline
