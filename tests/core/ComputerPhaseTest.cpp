// The computer's later phases, each chosen when the earlier ones find nothing; the safety
// tests that tell them apart; the first move of a game; the random draws; and the move
// that cannot be made.
#include "game/Random.h"
#include "support/ComputerRun.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace jumpline {
namespace {

using testing::BlackMove;
using testing::BlackPiece;
using testing::cellName;
using testing::ComputerRun;
using testing::ComputerSetup;
using testing::drawing;
using testing::runComputerMove;

std::string moveText(Cell from, Cell to) { return cellName(from) + " -> " + cellName(to); }

// Neither a capture nor a threatened piece: the step each position leaves to a later phase.
struct PhaseCase {
    const char *name;
    const char *picture;
    double numbers; // every random number
    Cell from;
    Cell to;
};

const PhaseCase kPhaseCases[] = {
    {"crowning step before a safe step elsewhere",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n",
     0.0, {4, 7}, {3, 8}},
    {"crowning step to the right when its loop starts there",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n",
     0.9, {4, 7}, {5, 8}},
    {"safe step refused by the cover test: the neighbour moves instead",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . b . . .\n"
     ". . . . . r . .\n"
     ". . . . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.0, {5, 4}, {4, 5}},
    {"edge step from column 2 when the step ahead is unsafe",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". b . . . . . .\n"
     ". . . . . . . .\n"
     ". . . r . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.3, {2, 3}, {1, 4}},
    {"a king on column 2 steps back to the edge",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . R . . . .\n"
     ". . . . . . . .\n"
     ". B . . . . . .\n"
     "b . . . . . . .\n"
     ". . . r . . . .\n"
     ". . r . . . . .\n",
     0.0, {2, 5}, {1, 4}},
    {"edge step from column 7",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . b .\n"
     ". . . . . . . .\n"
     ". . . . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.0, {7, 4}, {8, 5}},
    {"a king on column 7 steps back to the edge",
     ". . . . . . . .\n"
     ". . . . R . . .\n"
     ". . . . . . . .\n"
     ". . . . . . B .\n"
     ". . . . . . . b\n"
     ". . . . r . . .\n"
     ". . . . . r . .\n"
     ". . . . . . . .\n",
     0.0, {7, 4}, {8, 3}},
    {"a king on row 7 steps onto row 8, left first",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". r . B . r . .\n"
     ". . . . . . . .\n",
     0.0, {4, 7}, {3, 8}},
    {"a king on row 7 steps onto row 8, right first",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". r . B . r . .\n"
     ". . . . . . . .\n",
     0.9, {4, 7}, {5, 8}},
    {"a king on row 2 steps onto row 1, left first",
     ". . . . . . . .\n"
     ". . B . . . . .\n"
     ". . . . . . . .\n"
     "r . . . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.0, {3, 2}, {2, 1}},
    {"a king on row 2 steps onto row 1, right first",
     ". . . . . . . .\n"
     ". . B . . . . .\n"
     ". . . . . . . .\n"
     "r . . . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.9, {3, 2}, {4, 1}},
    {"any step when every step is unsafe, left first",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.0, {4, 3}, {3, 4}},
    {"any step when every step is unsafe, right first",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     0.3, {4, 3}, {5, 4}},
};

TEST(ComputerPhases, EachPhaseMovesWhenTheEarlierOnesFindNothing)
{
    for (const PhaseCase &c : kPhaseCases) {
        SCOPED_TRACE(c.name);
        const ComputerRun run = runComputerMove(ComputerSetup(c.picture), {}, c.numbers);
        ASSERT_EQ(run.moves.size(), 1u) << run.picture();
        EXPECT_EQ(moveText(run.moves[0].from, run.moves[0].to), moveText(c.from, c.to));
        EXPECT_TRUE(testing::computerMoveProblems(run.positions).empty())
            << testing::linesOf(testing::computerMoveProblems(run.positions));
        EXPECT_TRUE(testing::consistencyProblems(run.after).empty())
            << testing::linesOf(testing::consistencyProblems(run.after));
    }
}

TEST(ComputerPhases, CrowningStepCrownsOnlyAfterTheMove)
{
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . . . .\n"
                                                          ". . . . . . . .\n"),
                                            {}, 0.0);
    EXPECT_EQ(run.picture(), ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . b . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . B . . . . .\n");
    EXPECT_TRUE(run.after.blnBlackKing[1]);
    EXPECT_EQ(run.after.Black[1].picture, Picture::BlackKing);
}

TEST(ComputerPhases, CoverTestCountsOnlyAKingBeyondANeighbourBehind)
{
    // Black(4) on (4, 5) is examined first; its neighbour behind on (3, 4) has a red piece
    // beyond it on (2, 3). A man there can't jump back over the neighbour once (4, 5) is
    // empty, so the step is made; a king could, so Black(5) steps instead.
    const struct {
        const char *name;
        const char *picture;
        Cell from, to;
    } cases[] = {
        {"red man beyond",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". r . . . . . .\n"
         ". . b . . . . .\n"
         ". . . b . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         {4, 5},
         {3, 6}},
        {"red king beyond",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". R . . . . . .\n"
         ". . b . . . . .\n"
         ". . . b . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         {3, 4},
         {2, 5}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ComputerRun run = runComputerMove(
            ComputerSetup(c.picture).numbered(BlackPiece(4), {4, 5}).numbered(BlackPiece(5), {3, 4}), {}, 0.0);
        ASSERT_EQ(run.moves.size(), 1u) << run.picture();
        EXPECT_EQ(moveText(run.moves[0].from, run.moves[0].to), moveText(c.from, c.to));
    }
}

// A black king on (5, 4) whose start direction is 3: first it tries the step back to (4, 3).
// The safe step (phase 4) judges it by the backward safety test; the last safe step
// (phase 6, reached here because a covered neighbour holds the king in phase 4) by the
// mirrored forward test. A refused step back leaves the step to (6, 3).
struct SafetyCase {
    const char *name;
    const char *picture;
    Cell to;
};

const SafetyCase kSafetyCases[] = {
    {"safe step: a red man on (3, 2) leaves the step back to (4, 3) safe",
     ". . . . . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {4, 3}},
    {"safe step: a red man on (3, 4) beside it makes the step back unsafe",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . r . B . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {6, 3}},
    {"last safe step: a red man on (3, 2) makes the step back unsafe",
     ". . . . . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {6, 3}},
    {"last safe step: a red man on (3, 4) beside it does not count",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . r . B . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". r . . . r . .\n"
     ". . . . . . . .\n",
     {4, 3}},
};

TEST(ComputerPhases, BackwardSafetyTestAndMirroredForwardTestDisagree)
{
    for (const SafetyCase &c : kSafetyCases) {
        SCOPED_TRACE(c.name);
        const ComputerRun run = runComputerMove(ComputerSetup(c.picture), {}, drawing(3, 4, 1));
        ASSERT_EQ(run.moves.size(), 1u) << run.picture();
        EXPECT_EQ(moveText(run.moves[0].from, run.moves[0].to), moveText({5, 4}, c.to));
    }
}

// Black(4) and Black(8) can both move in the phase named, and every number is 0: the start
// piece is 4, or 8 where the first move of a game starts among the pieces 8..11.
struct FirstMoveCase {
    const char *phase;
    const char *picture;
    Cell piece4;
    Cell piece8;
    Cell firstFrom, firstTo; // intAIMoves = 0
    Cell laterFrom, laterTo; // intAIMoves = 1
};

const FirstMoveCase kFirstMoveCases[] = {
    {"safe step that keeps neighbours covered",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . b . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {4, 3}, {6, 5}, {6, 5}, {5, 6}, {4, 3}, {3, 4}},
    {"last safe step",
     ". . . . . . . .\n"
     ". . R . . . . .\n"
     ". . . b . . . .\n"
     ". . . . b . . .\n"
     ". . . . . r . .\n"
     ". . . . . . r .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {4, 3}, {5, 4}, {5, 4}, {4, 5}, {4, 3}, {3, 4}},
    {"captures",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     "b . . . r . . .\n"
     ". r . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n",
     {1, 4}, {4, 3}, {1, 4}, {3, 6}, {1, 4}, {3, 6}},
    {"crowning step",
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". b . . . b . .\n"
     ". . . . . . . .\n",
     {2, 7}, {6, 7}, {2, 7}, {1, 8}, {2, 7}, {1, 8}},
    {"any step",
     ". . . . . . . .\n"
     ". . b . . . . .\n"
     ". . . . . . . .\n"
     "r . . . r . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n"
     ". . . . . . . .\n"
     ". . r . . . r .\n",
     {3, 2}, {5, 6}, {3, 2}, {2, 3}, {3, 2}, {2, 3}},
};

TEST(ComputerPhases, FirstMoveStartsAmongPiecesEightToElevenOnlyInTheSafeSteps)
{
    for (const FirstMoveCase &c : kFirstMoveCases) {
        SCOPED_TRACE(c.phase);
        ComputerSetup setup(c.picture);
        setup.numbered(BlackPiece(4), c.piece4).numbered(BlackPiece(8), c.piece8);
        const ComputerRun first = runComputerMove(ComputerSetup(setup).aiMoves(0), {}, 0.0);
        ASSERT_EQ(first.moves.size(), 1u);
        EXPECT_EQ(moveText(first.moves[0].from, first.moves[0].to), moveText(c.firstFrom, c.firstTo));
        const ComputerRun later = runComputerMove(ComputerSetup(setup).aiMoves(1), {}, 0.0);
        ASSERT_EQ(later.moves.size(), 1u);
        EXPECT_EQ(moveText(later.moves[0].from, later.moves[0].to), moveText(c.laterFrom, c.laterTo));
    }
}

ComputerSetup opening(std::int16_t intAIMoves)
{
    return ComputerSetup(testing::kOpeningPicture).aiMoves(intAIMoves);
}

TEST(ComputerDraws, OpeningFirstMoveDrawsInHandCountedOrder)
{
    // Captures, each pass: the start piece, a start direction for each of the twelve men
    // and one CanJumpAgain for each direction in range (eighteen): 31, twice. Rescue: 13.
    // Crowning step: 13, every piece being a man. Then the safe step's start piece, drawn
    // from 8..11 in the first move, and Black(9)'s start direction: 90 numbers.
    std::vector<double> numbers(88, 0.0);
    numbers.push_back(drawing(9, 4, 8));
    numbers.push_back(drawing(1, 4, 1));
    const ComputerRun run = runComputerMove(opening(0), numbers);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{9, {4, 3}, {3, 4}}}));
    EXPECT_EQ(run.used.size(), 90u);
    EXPECT_EQ(run.overruns, 0);

    // In a later move the same number starts at piece 6; 6 and 7 are hemmed in and draw
    // their directions, then Black(8) steps.
    const ComputerRun later = runComputerMove(opening(5), numbers);
    EXPECT_EQ(later.moves, (std::vector<BlackMove>{{8, {2, 3}, {3, 4}}}));
    EXPECT_EQ(later.used.size(), 92u);
}

TEST(ComputerDraws, KingDrawsNothingInTheCrowningStep)
{
    // A lone king on (5, 4). Captures, each pass: start piece, start direction, CanJumpAgain
    // in all four directions. Rescue: start piece, start direction. Crowning step: the
    // start piece only. Safe step: start piece, start direction 3.
    std::vector<double> numbers(16, 0.0);
    numbers.push_back(drawing(3, 4, 1));
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . B . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"),
                                            numbers);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {5, 4}, {4, 3}}}));
    EXPECT_EQ(run.used.size(), 17u);
    EXPECT_EQ(run.overruns, 0);
}

TEST(ComputerDraws, EdgeStepDrawsBothLoopStartsForAMan)
{
    // A lone man on (4, 3) with every step unsafe. Captures: 4 a pass. Rescue 2, crowning
    // step 2, safe step 2, edge step 3 (start piece, then the start of each two-way loop,
    // men included), last safe step 2, any step 2, the last being its direction 2.
    std::vector<double> numbers(20, 0.0);
    numbers.push_back(drawing(2, 4, 1));
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". r . . . r . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"),
                                            numbers);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {4, 3}, {5, 4}}}));
    EXPECT_EQ(run.used.size(), 21u);
    EXPECT_EQ(run.overruns, 0);
}

TEST(ComputerDraws, DrawIntStaysInRangeForNumbersJustBelowOne)
{
    const struct {
        int n, m, lowest, highest;
    } ranges[] = {{6, 4, 4, 9}, {4, 8, 8, 11}, {4, 1, 1, 4}, {2, 1, 1, 2}};
    for (const auto &range : ranges) {
        SCOPED_TRACE("Int(" + std::to_string(range.n) + " * Rnd + " + std::to_string(range.m) + ")");
        testing::ScriptedRandom random({0.0, 0.9999999999, std::nextafter(1.0, 0.0)});
        EXPECT_EQ(drawInt(random, range.n, range.m), range.lowest);
        EXPECT_EQ(drawInt(random, range.n, range.m), range.highest);
        EXPECT_EQ(drawInt(random, range.n, range.m), range.highest);
    }
}

TEST(ComputerDraws, NumbersJustBelowOneStartAtTheLastPieceOfTheRange)
{
    // Piece 11 first in the opening's first safe step; its start direction 4 is for kings,
    // so it steps in direction 1.
    const ComputerRun run = runComputerMove(opening(0), {}, 0.9999999999);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{11, {8, 3}, {7, 4}}}));
    EXPECT_TRUE(testing::computerMoveProblems(run.positions).empty())
        << testing::linesOf(testing::computerMoveProblems(run.positions));
}

TEST(ComputerNoMove, AnnouncesRedsVictoryOnceAndStillFinishes)
{
    // The man on (2, 5) is hemmed in and can capture nothing; the man on (5, 8) can't
    // move, but the finishing step crowns it.
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". b . . . . . .\n"
                                                          "r . r . . . . .\n"
                                                          ". . . r . . . .\n"
                                                          ". . . . b . . .\n")
                                                .aiMoves(7),
                                            {}, 0.5);
    EXPECT_EQ(run.outcome, Computer::Outcome::NoMove);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Black can't move. Red is the victor!"});
    EXPECT_TRUE(run.moves.empty());
    EXPECT_EQ(run.pauses, 1);
    EXPECT_EQ(run.after.intAIMoves, 8);
    EXPECT_TRUE(run.after.blnBlackKing[1]);
    EXPECT_EQ(run.after.Black[1].picture, Picture::BlackKing);
    EXPECT_EQ(run.after.intBoard(5, 8), BlackKing);
    EXPECT_FALSE(testing::blackCanMove(run.before));
}

TEST(ComputerNoMove, ParkedPieceIsNeverCrowned)
{
    // Black(1) is parked; its place maps to row 1, and it stays a man.
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          "b . . . . . . .\n"),
                                            {}, 0.5);
    EXPECT_EQ(run.outcome, Computer::Outcome::NoMove);
    EXPECT_TRUE(run.after.blnBlackKing[0]);
    for (int i = 1; i < PieceCount; ++i)
        EXPECT_FALSE(run.after.blnBlackKing[static_cast<std::size_t>(i)]) << "Black(" << i << ")";
}

} // namespace
} // namespace jumpline
