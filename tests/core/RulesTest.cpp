// The board: a human drop checked against the rules and carried out, free placement in test
// mode, the cell arithmetic and the text dump.
#include "support/Support.h"

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

// `after`: null, refused; "=", left where it was; nothing changes either way.
struct DropCase { const char *name, *before; bool redToMove; Cell from, to; const char *after; };

// (The soak plays every other drop and checks it against the rules at 15 and 12 x 10 twips
// per pixel; these are what it cannot tell apart.)
const DropCase kDrops[] = {
    {"back on its own square: left there, no move made", "6:..r.....", true, {3, 6}, {3, 6}, "="},
    {"a jump takes a king, which keeps its flag", "4:..B..... 5:...r....", true, {4, 5}, {2, 3}, "3:.r......"},
    {"a red man reaches row 1 by a jump: a king at once", "2:....b... 3:...r....", true, {4, 3}, {6, 1}, "1:.....R.."},
    {"a black man reaches row 8", "7:.b......", false, {2, 7}, {1, 8}, "8:B......."},
    {"a black king takes a red man backwards", "4:..r..... 5:...B....", false, {4, 5}, {2, 3}, "3:.B......"},
    {"a jump lands two cells away, not three", "4:..b..... 5:...r....", true, {4, 5}, {1, 2}, nullptr},
};

TEST(HumanDrop, OnlyLegalMovesAreMade)
{
    for (const DropCase &c : kDrops) {
        SCOPED_TRACE(c.name);
        const Board before = boardFromPicture(c.before, c.redToMove, 12, 10);
        Board board = before;
        const bool made = c.after != nullptr && *c.after != '=';
        EXPECT_EQ(board.Square_DragDrop(squareAt(c.to), *board.pieceOn(c.from), false),
                  made ? DropResult::Completed : c.after ? DropResult::Unchanged : DropResult::Refused);
        EXPECT_EQ(std::tuple(piecesPicture(board), positionProblems(board), board.blnBlackKing, board.blnRedKing),
                  std::tuple(boardPicture(made ? boardFromPicture(c.after) : before), std::vector<std::string>{},
                             c.redToMove ? before.blnBlackKing : board.blnBlackKing, c.redToMove ? board.blnRedKing : before.blnRedKing));
    }
}

// Test mode: any piece onto any dark square, no rule, no capture, no crowning; "Delete"
// parks the piece and empties its cell.
TEST(HumanDrop, TestModePlacesAnyPieceAnywhere)
{
    const struct { const char *name; Cell from; std::int16_t to; const char *intBoard; } cases[] = {
        {"a red man backwards", {3, 6}, squareAt({4, 7}), "4:..b..... 5:...R.... 6:....B... 7:...r...."},
        {"a black man back on its square", {3, 4}, squareAt({3, 4}), "4:..b..... 5:...R.... 6:..r.B..."},
        {"a black king onto Delete", {5, 6}, DeleteSquare, "4:..b..... 5:...R.... 6:..r....."},
    };
    for (const auto &c : cases) {
        Board board = boardFromPicture("4:..b..... 5:...R.... 6:..r.B...");
        const PieceRef piece = *board.pieceOn(c.from);
        const Board before = board;
        EXPECT_EQ(board.Square_DragDrop(c.to, piece, true), DropResult::Completed) << c.name;
        EXPECT_EQ(std::tuple(boardPicture(board), board.blnBlackKing, board.blnRedKing, board.piece(piece).Visible, positionProblems(board, true)),
                  std::tuple(c.intBoard, before.blnBlackKing, before.blnRedKing, c.to != DeleteSquare, std::vector<std::string>{}))
            << c.name;
    }
}

TEST(BoardDump, PrintsEveryDarkCellWithItsSignAndTheComputersMoves)
{
    Board board = boardFromPicture("1:.B.b.... 2:r....... 8:......R.");
    board.intAIMoves = 12;
    EXPECT_EQ(board.PrintBoard(), "   -2    -1     0     0 \n"
                                  " 1     0     0     0 \n"
                                  "    0     0     0     0 \n"
                                  " 0     0     0     0 \n"
                                  "    0     0     0     0 \n"
                                  " 0     0     0     0 \n"
                                  "    0     0     0     0 \n"
                                  " 0     0     0     2 \n"
                                  " \n"
                                  "AI Moves =  12 \n");
}

} // namespace
} // namespace jumpline::testing
