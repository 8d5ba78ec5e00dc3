// The board model: square indexes, cells and twip positions, the capture of a piece off the
// board, and the dump of intBoard.
#include "support/GameRig.h"

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

TEST(SetBoardValue, WritesTheCellOfASquareAColumnAndRowOrATwipPosition)
{
    constexpr Cell Nothing{0, 0};
    const struct { int twipsX, twipsY; std::int16_t square, x, y; Cell written; } cases[] = {
        {15, 15, 0, 0, 0, {2, 1}}, // both coordinates 0 select the square, not cell (0, 0)
        {15, 15, 4, 0, 0, {1, 2}},             {15, 15, 31, 0, 0, {7, 8}},
        {15, 15, DeleteSquare, 0, 0, Nothing}, {15, 15, -1, 0, 0, Nothing},
        {15, 15, 5, 3, 4, {3, 4}},      // a column and row; the square index does not count
        {15, 15, 0, 225, 5880, {1, 7}}, // a pixel off the grid still finds its cell
        {12, 12, 0, 5460, 168, {8, 1}},        {15, 12, 0, 2100, 3948, {3, 6}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << "SetBoardValue(" << c.square << ", " << c.x << ", " << c.y << ")");
        Board board = boardFromPicture("", true, c.twipsX, c.twipsY);
        board.SetBoardValue(c.square, c.x, c.y, BlackKing);
        BoardArray expected;
        if (c.written != Nothing)
            expected(c.written) = BlackKing;
        EXPECT_EQ(board.intBoard, expected);
    }
}

TEST(ConvertCoordinates, TurnsCellsIntoPiecePositionsAndBack)
{
    const struct { int twipsX, twipsY; std::int16_t x, y, wantX, wantY; } cases[] = {
        {15, 15, 1, 1, 210, 210},   {15, 15, 210, 210, 1, 1},   {15, 15, 8, 8, 6825, 6825},
        {15, 15, 6825, 6825, 8, 8}, {15, 15, 225, 5880, 1, 7},  {12, 12, 8, 1, 5460, 168},
        {15, 12, 3, 6, 2100, 3948}, {15, 12, 2100, 3948, 3, 6},
        {12, 12, 168 + 378, 168 + 756 + 378, 2, 2}, // half a pitch between two cells goes to the even one
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y << " at " << c.twipsX << " x " << c.twipsY);
        std::int16_t x = c.x, y = c.y;
        boardFromPicture("", true, c.twipsX, c.twipsY).ConvertCoordinates(x, y);
        EXPECT_EQ(x, c.wantX);
        EXPECT_EQ(y, c.wantY);
    }
}

TEST(RemovePiece, ParksThePieceOfTheSideNotOnMoveAndNothingElse)
{
    for (const bool redToMove : {true, false}) {
        SCOPED_TRACE(redToMove ? "Red to move" : "Black to move");
        Board board = boardFromPicture(kOpeningPicture, redToMove, 12, 15);
        board.blnRedKing[3] = board.blnBlackKing[3] = true;
        Board expected = board;
        Piece &taken = redToMove ? expected.Black[3] : expected.Red[3];
        taken.Visible = false;
        taken.Left = 532 * 12;
        taken.Top = 35 * 15;
        board.RemovePiece(3);
        EXPECT_EQ(board, expected);
    }
}

TEST(PrintBoard, DumpsTheDarkCellsByteForByte)
{
    const struct { std::string_view position; std::int16_t aiMoves; const char *dump; } cases[] = {
        {kOpeningPicture, 0,
         "   -1    -1    -1    -1 \n"
         "-1    -1    -1    -1 \n"
         "   -1    -1    -1    -1 \n"
         " 0     0     0     0 \n"
         "    0     0     0     0 \n"
         " 1     1     1     1 \n"
         "    1     1     1     1 \n"
         " 1     1     1     1 \n"
         " \n"
         "AI Moves =  0 \n"},
        {"1 . B . . . b . .\n"
         "2 r . . . . . . .\n"
         "3 . . . R . . . .\n"
         "8 . . . . . . b .\n",
         12,
         "   -2     0    -1     0 \n"
         " 1     0     0     0 \n"
         "    0     2     0     0 \n"
         " 0     0     0     0 \n"
         "    0     0     0     0 \n"
         " 0     0     0     0 \n"
         "    0     0     0     0 \n"
         " 0     0     0    -1 \n"
         " \n"
         "AI Moves =  12 \n"},
    };
    for (const auto &c : cases) {
        Board board = boardFromPicture(c.position);
        board.intAIMoves = c.aiMoves;
        EXPECT_EQ(board.PrintBoard(), c.dump);
    }
}

} // namespace
} // namespace jumpline::testing
