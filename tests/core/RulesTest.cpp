// The board: a human drop checked against the rules and carried out, free placement in test
// mode, the cell arithmetic and the text dump.
#include "support/Support.h"

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

std::int16_t square(Cell c) { return static_cast<std::int16_t>(squareIndex(c)); }

struct DropCase {
    const char *name;
    const char *before;
    bool redToMove;
    Cell from, to;
    const char *after; // null: refused; "=": left where it was; nothing changes either way
};

const DropCase kDrops[] = {
    {"a man steps diagonally forward", "6:..r.....", true, {3, 6}, {4, 5}, "5:...r...."},
    {"back on its own square", "6:..r.....", true, {3, 6}, {3, 6}, "="},
    {"a man may not step back", "5:...r....", true, {4, 5}, {3, 6}, nullptr},
    {"a king steps back", "5:...R....", true, {4, 5}, {3, 6}, "6:..R....."},
    {"two rows straight up is no move", "5:...r....", true, {4, 5}, {4, 3}, nullptr},
    {"two columns across is no move", "5:...r....", true, {4, 5}, {6, 5}, nullptr},
    {"a square held by an opponent piece of the same index", "4:..b..... 5:...r....", true, {4, 5}, {3, 4}, nullptr},
    {"a jump takes the opponent piece jumped", "4:..b..... 5:...r....", true, {4, 5}, {2, 3}, "3:.r......"},
    {"a jump takes a king, which keeps its flag", "4:..B..... 5:...r....", true, {4, 5}, {2, 3}, "3:.r......"},
    {"a jump to the right", "4:....b... 5:...r....", true, {4, 5}, {6, 3}, "3:.....r.."},
    {"no jump over a piece of its own colour", "4:..r..... 5:...r....", true, {4, 5}, {2, 3}, nullptr},
    {"no jump over an empty cell", "5:...r....", true, {4, 5}, {2, 3}, nullptr},
    {"a jump lands two cells away, not three", "4:..b..... 5:...r....", true, {4, 5}, {1, 2}, nullptr},
    {"a man on row 1 is crowned", "2:..r.....", true, {3, 2}, {2, 1}, "1:.R......"},
    {"a jump onto row 1 crowns", "2:....b... 3:...r....", true, {4, 3}, {6, 1}, "1:.....R.."},
    {"a red king jumps backwards", "5:...R.... 6:....b...", true, {4, 5}, {6, 7}, "7:.....R.."},
    {"a black man steps towards row 8", "4:..b.....", false, {3, 4}, {4, 5}, "5:...b...."},
    {"a black man may not step towards row 1", "4:..b.....", false, {3, 4}, {2, 3}, nullptr},
    {"a black man on row 8 is crowned", "7:.b......", false, {2, 7}, {1, 8}, "8:B......."},
    {"a black man jumps a red one", "4:..b..... 5:...r....", false, {3, 4}, {5, 6}, "6:....b..."},
    {"a black king jumps backwards", "4:..r..... 5:...B....", false, {4, 5}, {2, 3}, "3:.B......"},
    {"a black man jumps two cells down to the left", "4:....b... 5:...r....", false, {5, 4}, {3, 6}, "6:..b....."},
};

TEST(HumanDrop, OnlyLegalMovesAreMadeOnAnyScreen)
{
    for (const auto &[twipsX, twipsY] : {std::pair{15, 15}, std::pair{12, 10}}) {
        for (const DropCase &c : kDrops) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(twipsX) + " x " + std::to_string(twipsY));
            const Board before = boardFromPicture(c.before, c.redToMove, twipsX, twipsY);
            Board board = before;
            const bool made = c.after != nullptr && *c.after != '=';
            EXPECT_EQ(board.Square_DragDrop(square(c.to), *pieceAt(board, c.from), false),
                      made ? DropResult::Completed : c.after ? DropResult::Unchanged : DropResult::Refused);
            EXPECT_EQ(piecesPicture(board), boardPicture(made ? boardFromPicture(c.after) : before));
            EXPECT_EQ(positionProblems(board), std::vector<std::string>{});
            EXPECT_EQ(c.redToMove ? board.blnBlackKing : board.blnRedKing, c.redToMove ? before.blnBlackKing : before.blnRedKing)
                << "a captured king keeps its flag";
        }
    }
}

// Test mode: any piece onto any dark square, no rule, no capture, no crowning; "Delete"
// parks the piece and empties its cell.
TEST(HumanDrop, TestModePlacesAnyPieceAnywhere)
{
    const struct {
        const char *name;
        Cell from;
        std::int16_t to;
        const char *intBoard;
    } cases[] = {
        {"a red man backwards", {3, 6}, square({4, 7}), "4:..b..... 5:...R.... 6:....B... 7:...r...."},
        {"a red man onto row 1 stays a man", {3, 6}, square({2, 1}), "1:.r...... 4:..b..... 5:...R.... 6:....B..."},
        {"a black king onto another piece", {5, 6}, square({3, 6}), "4:..b..... 5:...R.... 6:..B....."},
        {"a black man back on its square", {3, 4}, square({3, 4}), "4:..b..... 5:...R.... 6:..r.B..."},
        {"a black king onto Delete", {5, 6}, DeleteSquare, "4:..b..... 5:...R.... 6:..r....."},
    };
    for (const auto &c : cases) {
        Board board = boardFromPicture("4:..b..... 5:...R.... 6:..r.B...");
        const PieceRef piece = *pieceAt(board, c.from);
        const Board before = board;
        EXPECT_EQ(board.Square_DragDrop(c.to, piece, true), DropResult::Completed) << c.name;
        EXPECT_EQ(std::tuple(boardPicture(board), board.blnBlackKing, board.blnRedKing, board.piece(piece).Visible, positionProblems(board, true)),
                  std::tuple(c.intBoard, before.blnBlackKing, before.blnRedKing, c.to != DeleteSquare, std::vector<std::string>{}))
            << c.name;
    }
}

// Both coordinates 0 choose the square's cell; a column and row, or a piece's twips, a cell.
TEST(BoardCells, SetBoardValueAndConvertCoordinatesChooseTheirRule)
{
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, const char *> writes[] = {
        {0, 0, 0, "1:.B......"}, {31, 0, 0, "8:......B."}, {DeleteSquare, 0, 0, ""}, {-1, 0, 0, ""},
        {5, 3, 2, "2:..B....."}, {0, 225, 4950, "6:B......."} /* a pixel off the grid */, {0, 5880, 6825, "8:......B."},
    };
    for (const auto &[square, x, y, written] : writes) {
        Board board;
        board.SetBoardValue(square, x, y, BlackKing);
        EXPECT_EQ(boardPicture(board), written) << square << ", " << x << ", " << y;
    }
    Board board = boardFromPicture("", true, 12, 10);
    for (const auto &[col, row, X, Y] : {std::array{1, 1, 168, 140}, std::array{8, 8, 5460, 4550}, std::array{3, 6, 1680, 3290}}) {
        auto x = static_cast<std::int16_t>(col), y = static_cast<std::int16_t>(row);
        board.ConvertCoordinates(x, y);
        EXPECT_EQ(std::pair(int{x}, int{y}), std::pair(X, Y));
        board.ConvertCoordinates(x, y);
        EXPECT_EQ(std::pair(int{x}, int{y}), std::pair(col, row));
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
