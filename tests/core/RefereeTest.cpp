// The referee that the fuzzer and the soak trust to tell legal moves from illegal ones: it
// must find every legal drop, and it must object to every kind of wrong move.
#include "support/ExpectProblem.h"
#include "support/Position.h"
#include "support/Referee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace jumpline {
namespace {

using testing::expectProblem;
using testing::boardFromPicture;
using testing::ComputerMoveReferee;
using testing::HumanMove;
using testing::humanMoveProblems;
using testing::kOpeningPicture;
using testing::legalHumanMoves;

constexpr std::string_view kNone{};

PieceRef pieceOn(const Board &board, Cell cell)
{
    for (Colour colour : {Colour::Red, Colour::Black})
        for (std::int16_t i = 0; i < PieceCount; ++i)
            if (board.piece({colour, i}).Visible && board.cellOf(board.piece({colour, i})) == cell)
                return {colour, i};
    ADD_FAILURE() << "no piece on (" << cell.col << ", " << cell.row << ")";
    return {};
}

TEST(LegalHumanMoves, OpeningHasSevenMovesForEitherSide)
{
    // Seven single steps forward from the opening, as every draughts perft starts.
    EXPECT_EQ(legalHumanMoves(boardFromPicture(kOpeningPicture, true)).size(), 7U);
    EXPECT_EQ(legalHumanMoves(boardFromPicture(kOpeningPicture, false)).size(), 7U);
}

TEST(LegalHumanMoves, FollowTheDirectionsOfMenAndKings)
{
    struct Case {
        const char *name;
        std::string_view picture;
        bool redToMove;
        std::vector<Cell> targets; // where the piece on (4, 5) may go
    };
    const Case cases[] = {
        {"a red man steps forward and jumps a black neighbour",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . b . . . . .\n"
         ". . . r . . . .\n"
         ". . b . b . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         true, {{2, 3}, {5, 4}}},
        {"a red man jumps no piece of its own colour",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . r . . . . .\n"
         ". . . r . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         true, {{5, 4}}},
        {"a red king goes every way",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . R . . . .\n"
         ". . b . . . . .\n"
         ". b . . . . . .\n"
         ". . . . . . . .\n",
         true, {{3, 4}, {5, 4}, {5, 6}}},
        {"a black man goes down and jumps down only",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . r . r . . .\n"
         ". . . b . . . .\n"
         ". . r . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         false, {{2, 7}, {5, 6}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Board board = boardFromPicture(c.picture, c.redToMove);
        const PieceRef piece = pieceOn(board, {4, 5});
        std::vector<Cell> targets;
        for (const HumanMove &m : legalHumanMoves(board)) {
            if (m.piece == piece) {
                targets.push_back(m.to);
                EXPECT_EQ(m.jump, std::abs(m.to.col - m.from.col) == 2);
            }
        }
        std::vector<Cell> wanted = c.targets;
        const auto order = [](Cell a, Cell b) { return a.col * 10 + a.row < b.col * 10 + b.row; };
        std::sort(targets.begin(), targets.end(), order);
        std::sort(wanted.begin(), wanted.end(), order);
        EXPECT_EQ(targets, wanted);
    }
}

TEST(LegalHumanMoves, OnlyEnabledPiecesMove)
{
    Board board = boardFromPicture(kOpeningPicture, true);
    for (Piece &p : board.Red)
        p.Enabled = false;
    EXPECT_TRUE(legalHumanMoves(board).empty());
}

// The change a drop made, applied to a copy of the position by hand.
struct DropCase {
    const char *name;
    Cell from;
    Cell to;
    std::vector<Cell> taken; // pieces parked by the drop
    bool crowned;            // the moved piece has a king flag afterwards
    std::string_view problem;
};

// A red man on (3, 6) with a black man before it on (4, 5), and another on (3, 2).
constexpr std::string_view kJumpReady =
    ". . . . . . . .\n"
    ". . b . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . r . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

TEST(HumanMoveProblems, ObjectToEveryWrongDrop)
{
    const DropCase cases[] = {
        {"a step forward", {3, 6}, {2, 5}, {}, false, kNone},
        {"a jump that takes the jumped piece", {3, 6}, {5, 4}, {{4, 5}}, false, kNone},
        {"a man steps backwards", {3, 6}, {2, 7}, {}, false, "backwards"},
        {"a piece moves two cells without a jump", {3, 6}, {1, 4}, {}, false, "exactly the piece it jumps"},
        {"a jump leaves the jumped piece", {3, 6}, {5, 4}, {}, false, "exactly the piece it jumps"},
        {"a jump takes a piece elsewhere", {3, 6}, {5, 4}, {{3, 2}}, false, "exactly the piece it jumps"},
        {"a step takes a piece", {3, 6}, {2, 5}, {{4, 5}}, false, "a step took a piece"},
        {"a move of three cells", {3, 6}, {6, 3}, {}, false, "neither a step nor a jump"},
        {"a move onto an occupied cell", {3, 6}, {4, 5}, {}, false, "occupied"},
        {"a man is crowned away from the far row", {3, 6}, {2, 5}, {}, true, "crowned wrongly"},
        {"a piece is taken and nothing moves", {3, 6}, {3, 6}, {{4, 5}}, false, "no piece moved"},
    };
    for (const DropCase &c : cases) {
        SCOPED_TRACE(c.name);
        const Board before = boardFromPicture(kJumpReady, true);
        Board after = before;
        const PieceRef mover = pieceOn(before, c.from);
        after.placePiece(mover, c.to);
        after.blnRedKing[static_cast<std::size_t>(mover.index)] = c.crowned;
        for (Cell cell : c.taken)
            after.parkPiece(after.piece(pieceOn(before, cell)));
        expectProblem(humanMoveProblems(before, after), c.problem);
    }
}

TEST(HumanMoveProblems, AManReachingTheFarRowMustBeCrowned)
{
    const Board before = boardFromPicture(". . . . . . . .\n"
                                          ". . r . . . . .\n"
                                          ". . . . . . . .\n"
                                          ". . . . . . . .\n"
                                          ". . . . . . . .\n"
                                          ". . . . . . . .\n"
                                          ". . . . . . . .\n"
                                          ". . . . . . b .\n",
                                          true);
    Board after = before;
    after.placePiece({Colour::Red, 0}, {2, 1});
    expectProblem(humanMoveProblems(before, after), "crowned wrongly");
    after.blnRedKing[0] = true;
    expectProblem(humanMoveProblems(before, after), kNone);
}

TEST(HumanMoveProblems, OnlyTheMoverMoves)
{
    const Board before = boardFromPicture(kJumpReady, true);
    Board after = before;
    after.placePiece(pieceOn(before, {4, 5}), {5, 4});
    expectProblem(humanMoveProblems(before, after), "changed in a way no drop allows");
}

// A computer move seen at its pauses, each position drawn as a picture; the last picture
// is the position when the move is over.
struct ComputerCase {
    const char *name;
    std::vector<std::string_view> pictures;
    std::string_view problem;
};

Board withMoves(std::string_view picture, std::int16_t aiMoves)
{
    Board board = boardFromPicture(picture, false);
    board.intAIMoves = aiMoves;
    return board;
}

std::vector<std::string> judge(const std::vector<std::string_view> &pictures)
{
    ComputerMoveReferee referee;
    for (std::size_t k = 0; k + 1 < pictures.size(); ++k)
        referee.pause(withMoves(pictures[k], 3));
    return referee.moved(withMoves(pictures.back(), 4));
}

constexpr std::string_view kStepOnly =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . r . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

constexpr std::string_view kTwoCaptures =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . b\n"
    ". . r . . . r .\n"
    ". . . . . . . .\n"
    ". . r . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

TEST(ComputerMoveReferee, ObjectsToEveryWrongComputerMove)
{
    const ComputerCase cases[] = {
        {"a step forward",
         {kStepOnly, ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . b . . .\n"
                     ". . . . . . . .\n"
                     ". . . . r . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"},
         kNone},
        {"a man steps backwards",
         {kStepOnly, ". . . . . . . .\n"
                     ". . b . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . r . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"},
         "stepped backwards"},
        {"a step of two cells",
         {kStepOnly, ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . b . .\n"
                     ". . . . r . . .\n"
                     ". . . . . . . .\n"
                     ". . . . . . . .\n"},
         "diagonal neighbour"},
        {"nothing moved", {kStepOnly, kStepOnly}, "not one step"},
        {"a step while a capture was there",
         {kTwoCaptures, ". . . . . . . .\n"
                        ". . . . . . . .\n"
                        ". . . . . . . b\n"
                        ". . r . b . r .\n"
                        ". . . . . . . .\n"
                        ". . r . . . . .\n"
                        ". . . . . . . .\n"
                        ". . . . . . . .\n"},
         "did not capture"},
        {"the capture that goes on, then on",
         {kTwoCaptures,
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . r .\n"
          ". b . . . . . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n",
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . r .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . b . . . .\n"
          ". . . . . . . .\n",
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . r .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . b . . . .\n"
          ". . . . . . . .\n"},
         kNone},
        {"the capture that cannot go on, while another could",
         {kTwoCaptures,
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . b . . . .\n"
          ". . r . . . . .\n"
          ". . . . . b . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n",
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . b . . . .\n"
          ". . r . . . . .\n"
          ". . . . . b . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n"},
         "could be continued was passed over"},
        {"a multi-jump that stops early",
         {kTwoCaptures,
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . r .\n"
          ". b . . . . . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n",
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . r .\n"
          ". b . . . . . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n"},
         "stopped, though it could go on"},
        {"two red pieces taken in one jump",
         {kTwoCaptures,
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . . .\n"
          ". b . . . . . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n",
          ". . . . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . b\n"
          ". . . . . . . .\n"
          ". b . . . . . .\n"
          ". . r . . . . .\n"
          ". . . . . . . .\n"
          ". . . . . . . .\n"},
         "not one capture"},
    };
    for (const ComputerCase &c : cases) {
        SCOPED_TRACE(c.name);
        expectProblem(judge(c.pictures), c.problem);
    }
}

TEST(ComputerMoveReferee, AManIsCrownedOnlyWhenTheMoveIsOver)
{
    constexpr std::string_view before =
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . b . . . .\n"
        ". . . . . . r .\n";
    constexpr std::string_view crowned =
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . B . . . r .\n";
    constexpr std::string_view uncrowned =
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . b . . . r .\n";
    expectProblem(judge({before, crowned}), kNone);
    expectProblem(judge({before, uncrowned}), "crowned wrongly");
}

TEST(ComputerMoveReferee, CountsTheMoveInIntAIMoves)
{
    ComputerMoveReferee referee;
    referee.pause(withMoves(kStepOnly, 3));
    Board after = withMoves(kStepOnly, 3);
    after.intBoard(4, 3) = Empty;
    after.intBoard(5, 4) = BlackMan;
    expectProblem(referee.moved(after), "intAIMoves went from 3 to 3");
}

TEST(ComputerMoveReferee, BlackCannotMoveOnlyWhenItHasNoMove)
{
    constexpr std::string_view blocked =
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". b . . . . . .\n"
        "r . r . . . . .\n";
    ComputerMoveReferee referee;
    referee.pause(withMoves(blocked, 0));
    expectProblem(referee.cannotMove(withMoves(blocked, 0)), kNone);
    referee.pause(withMoves(kStepOnly, 0));
    expectProblem(referee.cannotMove(withMoves(kStepOnly, 0)), "though Black has a move");
}

// The soak once saw "Black can't move" called wrong: the referee took the -1 that a new
// game leaves on the light cells of rows 1 to 3 for black men that could step.
TEST(ComputerMoveReferee, LightCellsHoldNoBlackPieces)
{
    Board stuck = withMoves(". . . . . . . .\n"
                            ". . . . . . . .\n"
                            ". . . . . . . .\n"
                            ". . . . . . . .\n"
                            ". . . . . . . b\n"
                            ". . . . . . r .\n"
                            ". . . . . r . .\n"
                            ". . . . . . . .\n",
                            25);
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (!isDark({col, row}))
                stuck.intBoard(col, row) = BlackMan;
    EXPECT_FALSE(testing::blackCanMove(stuck.intBoard));
    ComputerMoveReferee referee;
    referee.pause(stuck);
    expectProblem(referee.cannotMove(stuck), kNone);
}

} // namespace
} // namespace jumpline
