// The computer's rescue of a piece that Red could capture next: every rule for a threat
// from each of the four directions, cases where no rule may apply, and the edges.
#include "support/ComputerRun.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

using testing::BlackMove;
using testing::BlackPiece;
using testing::cellName;
using testing::ComputerRun;
using testing::ComputerSetup;
using testing::runComputerMove;

// One threatened black piece, no capture for Black: the move expected of the computer.
struct RescueCase {
    const char *name;
    const char *picture;
    Cell from;
    Cell to;
    int parkedPiece; // a black piece hidden and parked while intBoard still shows it; -1: none
};

const RescueCase kRescueCases[] = {
    {"threat ahead-left: edge escape from column 7 comes before a step elsewhere",
     ". b . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . b .\n"
     ". . . . . r . .\n"
     ". . . . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {7, 4}, {8, 5}, -1},
    {"threat ahead-left: edge escape from row 7",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n",
     {4, 7}, {5, 8}, -1},
    {"threat ahead-left: safe step away",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . . . .\n"
     ". . . . . . . .\n",
     {4, 5}, {5, 6}, -1},
    {"threat ahead-left: king on row 2 steps back onto row 1",
     ". . . . . . . .\n"
     ". . B . . . . .\n"
     ". r . b . . . .\n"
     "r . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {3, 2}, {4, 1}, -1},
    {"threat ahead-left: king steps back to the right",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . B . . . .\n"
     ". . r . b . . .\n"
     ". r . . . . . .\n"
     ". . . . . . . .\n",
     {4, 5}, {5, 4}, -1},
    {"threat ahead-left: king steps back to the left when the right is unsafe",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . B . r . .\n"
     ". . r . b . . .\n"
     ". r . . . . . .\n"
     ". . . . . . . .\n",
     {4, 5}, {3, 4}, -1},
    {"threat ahead-left: the piece two rows up covers",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {4, 3}, {5, 4}, -1},
    {"threat ahead-left: the piece two rows up does not cover when a red piece beside would jump it",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . b . r . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {4, 3}, {3, 4}, -1},
    {"threat ahead-left: the piece up on the right covers",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . b . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {6, 3}, {5, 4}, -1},
    {"threat ahead-left: a king beside steps back to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . B . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {6, 5}, {5, 4}, -1},
    {"threat ahead-left: a man beside does not step back to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . b . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {6, 5}, {5, 6}, -1},
    {"threat ahead-left: no piece where intBoard shows one, so the next cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . b . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {6, 3}, {5, 4}, 0},
    {"threat ahead-left: a piece on row 1 still covers",
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {4, 1}, {5, 2}, -1},
    {"threat ahead-right: edge escape from column 2 comes before a step elsewhere",
     ". . . . . . . b\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". b . . . . . .\n"
     ". . r . . . . .\n"
     ". . . r . . . .\n"
     ". . . . . . . .\n",
     {2, 5}, {1, 6}, -1},
    {"threat ahead-right: safe step away",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n"
     ". . . . . r . .\n"
     ". . . . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 4}, {4, 5}, -1},
    {"threat ahead-right: king on row 2 steps back onto row 1",
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . b . r . .\n"
     ". . . . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 2}, {4, 1}, -1},
    {"threat ahead-right: king steps back to the right first",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . B . . . .\n"
     ". . b . r . . .\n"
     ". . . . . r . .\n"
     ". . . . . . . .\n",
     {4, 5}, {5, 4}, -1},
    {"threat ahead-right: king steps back to the left when the right is unsafe",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . B . r . .\n"
     ". . b . r . . .\n"
     ". . . . . r . .\n"
     ". . . . . . . .\n",
     {4, 5}, {3, 4}, -1},
    {"threat ahead-right: the piece two rows up covers",
     ". . . . . . . .\n"
     ". . . . b . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n"
     ". . . . . r . .\n"
     ". . r . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 2}, {4, 3}, -1},
    {"threat ahead-right: the piece up on the left covers",
     ". . . . . . . .\n"
     ". . b . . . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n"
     ". . . . . r . .\n"
     ". . r . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {3, 2}, {4, 3}, -1},
    {"threat ahead-right: a king beside steps back to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . B . b . . .\n"
     ". . . . . r . .\n"
     ". . r . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {3, 4}, {4, 3}, -1},
    {"threat ahead-right: no piece where intBoard shows one, so the next cover",
     ". . . . . . . .\n"
     ". . b . b . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n"
     ". . . . . r . .\n"
     ". . r . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {3, 2}, {4, 3}, 1},
    {"red king behind-left: king at the edge steps back",
     ". . . . . . . .\n"
     ". . . . r . . .\n"
     ". . . . . R . .\n"
     ". . . . . . B .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {7, 4}, {8, 3}, -1},
    {"red king behind-left: king steps back safely",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". r . . . . . .\n"
     ". . R . . . . .\n"
     ". . . B . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {4, 5}, {5, 4}, -1},
    {"red king behind-left: edge escape from column 7 comes before a step elsewhere",
     ". b . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . . . . . b .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {7, 4}, {8, 5}, -1},
    {"red king behind-left: step onto the landing cell",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {4, 5}, {5, 6}, -1},
    {"red king behind-left: step ahead on the other side",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . r . .\n"
     ". . . . . . . .\n",
     {4, 5}, {3, 6}, -1},
    {"red king behind-left: a king two rows down steps back to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". r . B . r . .\n"
     ". . . . . . . .\n",
     {4, 7}, {5, 6}, -1},
    {"red king behind-left: a king down on the right is beaten to it by the step onto the landing cell",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . B . .\n"
     ". . . . . . . .\n",
     {4, 5}, {5, 6}, -1},
    {"red king behind-left: the piece beside steps ahead to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . b . .\n"
     ". . . . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {6, 5}, {5, 6}, -1},
    {"red king behind-left: no king where intBoard shows one, so the next cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . b . .\n"
     ". . . . . . . .\n"
     ". r . B . r . .\n"
     ". . . . . . . .\n",
     {6, 5}, {5, 6}, 2},
    {"red king behind-left: a man two rows down does not step back",
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". r . b . r . .\n"
     ". . . . . . . .\n"
     ". . . . . r . .\n"
     ". . . . . . . .\n",
     {4, 5}, {3, 6}, -1},
    {"red king behind-right: king on row 2 steps back",
     ". . . . . R . .\n"
     ". . . . B . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 2}, {4, 1}, -1},
    {"red king behind-right: king steps back safely",
     ". . . . . . . .\n"
     ". . . . . . r .\n"
     ". . . . . R . .\n"
     ". . . . B . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 4}, {4, 3}, -1},
    {"red king behind-right: edge escape from column 2 comes before a step elsewhere",
     ". . . . . . . b\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". b . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {2, 5}, {1, 6}, -1},
    {"red king behind-right: step onto the landing cell",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . . . b . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 4}, {4, 5}, -1},
    {"red king behind-right: step ahead on the other side",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . . . b . . .\n"
     ". . . . . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 4}, {6, 5}, -1},
    {"red king behind-right: a king two rows down steps back to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . . . b . . .\n"
     ". . . . . . . .\n"
     ". . r . B . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {5, 6}, {4, 5}, -1},
    {"red king behind-right: the piece beside steps ahead to cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . b . b . . .\n"
     ". . . . . . . .\n"
     ". . r . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {3, 4}, {4, 5}, -1},
    {"red king behind-right: no king where intBoard shows one, so the next cover",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . b . b . . .\n"
     ". . . . . . . .\n"
     ". . r . B . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {3, 4}, {4, 5}, 2},
};

TEST(ComputerRescue, EachRuleMakesItsMoveWhateverTheNumbers)
{
    for (const RescueCase &c : kRescueCases) {
        SCOPED_TRACE(c.name);
        ComputerSetup setup(c.picture);
        if (c.parkedPiece >= 0)
            setup.parked(BlackPiece(c.parkedPiece));
        for (double numbers : {0.0, 0.45, 0.99}) {
            SCOPED_TRACE("every number " + std::to_string(numbers));
            const ComputerRun run = runComputerMove(setup, {}, numbers);
            ASSERT_EQ(run.moves.size(), 1u) << run.picture();
            EXPECT_EQ(cellName(run.moves[0].from) + " -> " + cellName(run.moves[0].to),
                      cellName(c.from) + " -> " + cellName(c.to));
            EXPECT_TRUE(testing::computerMoveProblems(run.positions).empty())
                << testing::linesOf(testing::computerMoveProblems(run.positions));
            if (c.parkedPiece < 0) {
                EXPECT_TRUE(testing::consistencyProblems(run.after).empty())
                    << testing::linesOf(testing::consistencyProblems(run.after));
            }
        }
    }
}

TEST(ComputerRescue, CoveringPieceKeepsItsKingFlag)
{
    // The black king on (6, 5) steps back to (5, 4) and stays a king there.
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . B . .\n"
                                                          ". . r . . . . .\n"
                                                          ". r . . . r . .\n"
                                                          ". . . . . . . .\n"),
                                            {}, 0.5);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{1, {6, 5}, {5, 4}}}));
    EXPECT_EQ(run.after.intBoard(5, 4), BlackKing);
    EXPECT_EQ(run.after.intBoard(6, 5), Empty);
    EXPECT_TRUE(run.after.blnBlackKing[1]);
}

TEST(ComputerRescue, MissingCoveringPieceLeavesIntBoardAsItWas)
{
    // intBoard shows a black man on (4, 3), but Black(0), which stood there, is parked.
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . b . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . . . .\n"
                                                          ". . r . . . . .\n"
                                                          ". r . . . r . .\n"
                                                          ". . . . . . . .\n")
                                                .parked(BlackPiece(0)),
                                            {}, 0.5);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{1, {6, 3}, {5, 4}}}));
    EXPECT_EQ(run.after.intBoard(4, 3), BlackMan);
    EXPECT_FALSE(run.after.Black[0].Visible);
}

TEST(ComputerRescue, PieceOnTheOuterEdgeIsNeverExaminedButDrawsItsDirection)
{
    // A lone man on (1, 4): it can't be captured, so the rescue only draws its start piece
    // and the man's start direction; the step comes from the safe-step phase.
    //   captures, two passes: start piece, start direction, CanJumpAgain in direction 2
    //   rescue: start piece, start direction
    //   crowning step: start piece, start direction of the two-way loop
    //   safe step: start piece, start direction
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          "b . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"),
                                            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(run.used.size(), 12u);
    EXPECT_EQ(run.overruns, 0);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {1, 4}, {2, 5}}}));
}

TEST(ComputerRescue, RedManBehindIsNoThreat)
{
    // Only a king captures towards row 8: the man on (4, 5) is not rescued onto (5, 6) but
    // steps by the safe-step phase in its start direction 1.
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . r . . . . .\n"
                                                          ". . . b . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"),
                                            {}, 0.0);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {4, 5}, {3, 6}}}));
}

TEST(ComputerRescue, ThreatsFromSeveralSidesAreTriedFromTheDrawnDirection)
{
    // The man on (4, 5) is threatened from (3, 6) and from (5, 6); the man on (4, 3) can
    // cover either landing cell, (5, 4) or (3, 4). Which threat is answered first follows
    // the threatened man's start direction: the 17th number drawn, after sixteen for
    // both passes of the captures, the rescue's start piece and the start direction of
    // the man on (4, 3).
    const struct {
        int start;
        Cell covered;
    } cases[] = {{1, {5, 4}}, {2, {3, 4}}, {3, {5, 4}}, {4, {5, 4}}};
    for (const auto &c : cases) {
        SCOPED_TRACE("start direction " + std::to_string(c.start));
        std::vector<double> numbers(16, 0.0);
        numbers.push_back(testing::drawing(c.start, 4, 1));
        const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                              ". . . . . . . .\n"
                                                              ". . . b . . . .\n"
                                                              ". . . . . . . .\n"
                                                              ". . . b . . . .\n"
                                                              ". . r . r . . .\n"
                                                              ". r . . . r . .\n"
                                                              ". . . . . . . .\n"),
                                                numbers);
        EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {4, 3}, c.covered}}));
        EXPECT_EQ(run.used.size(), 17u);
        EXPECT_EQ(run.overruns, 0);
    }
}

} // namespace
} // namespace jumpline
