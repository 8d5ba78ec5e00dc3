// The computer's captures: the two passes of its first phase, the multi-jump that follows
// every capture, CanJumpAgain, and the pauses a capture takes.
#include "computer/Computer.h"
#include "game/Screen.h"
#include "support/ComputerRun.h"
#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

using testing::BlackMove;
using testing::BlackPiece;
using testing::ComputerRun;
using testing::ComputerSetup;
using testing::drawing;
using testing::runComputerMove;

constexpr double startPiece(int s) { return drawing(s, 6, 4); }
constexpr double direction(int d) { return drawing(d, 4, 1); }

// Black(3) on (4, 3) can capture twice; Black(6) on (1, 4) once, and nothing from (3, 6).
constexpr const char *kOneCaptureContinues =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    "b . . . r . . .\n"
    ". r . . . . . .\n"
    ". . . . . . r .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// The same without the second red piece: neither capture can be continued.
constexpr const char *kNoCaptureContinues =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    "b . . . r . . .\n"
    ". r . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

ComputerSetup twoCapturers(const char *picture)
{
    return ComputerSetup(picture).numbered(BlackPiece(3), {4, 3}).numbered(BlackPiece(6), {1, 4});
}

TEST(ComputerCaptures, FirstPassPrefersTheCaptureThatContinuesWhateverTheStartPiece)
{
    const std::vector<BlackMove> doubleCapture{{3, {4, 3}, {6, 5}}, {3, {6, 5}, {8, 7}}};
    for (int s = 4; s <= 9; ++s) {
        for (double rest : {0.0, 0.3, 0.6, 0.9}) {
            SCOPED_TRACE("start piece " + std::to_string(s) + ", other numbers " + std::to_string(rest));
            const ComputerRun run = runComputerMove(twoCapturers(kOneCaptureContinues), {startPiece(s)}, rest);
            EXPECT_EQ(run.moves, doubleCapture);
            EXPECT_EQ(run.pauses, 3);
            EXPECT_TRUE(testing::computerMoveProblems(run.positions).empty())
                << testing::linesOf(testing::computerMoveProblems(run.positions));
        }
    }
}

TEST(ComputerCaptures, SecondPassTakesTheFirstCaptureInTheRotatedOrder)
{
    // Pass 0 draws six numbers here: its start piece, then for each man a start direction
    // and one CanJumpAgain per direction in range (two for (4, 3), one for (1, 4)).
    struct Case {
        int secondPassStart;
        BlackMove capture;
        std::size_t draws;
    };
    const Case cases[] = {
        {4, {6, {1, 4}, {3, 6}}, 10}, // 4, 5, 6: Black(6) comes first
        {6, {6, {1, 4}, {3, 6}}, 10},
        {7, {3, {4, 3}, {6, 5}}, 11}, // 7, 8, 9: round past 11 to Black(3)
        {9, {3, {4, 3}, {6, 5}}, 11},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("second pass starts at " + std::to_string(c.secondPassStart));
        const ComputerRun run =
            runComputerMove(twoCapturers(kNoCaptureContinues), {0, 0, 0, 0, 0, 0, startPiece(c.secondPassStart)});
        EXPECT_EQ(run.moves, std::vector<BlackMove>{c.capture});
        EXPECT_EQ(run.used.size(), c.draws);
        EXPECT_EQ(run.pauses, 2);
    }
}

TEST(ComputerCaptures, ManCapturingOntoRowEightStopsAndIsCrownedAtTheEnd)
{
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . b . . . . .\n"
                                                          ". . . r . r . .\n"
                                                          ". . . . . . . .\n"),
                                            {}, 0.5);
    // As a king it could jump (6, 7) backwards from (5, 8); as a man during the move it can't.
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {3, 6}, {5, 8}}}));
    EXPECT_EQ(run.picture(), ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . . . .\n"
                             ". . . . . r . .\n"
                             ". . . . B . . .\n");
    EXPECT_TRUE(run.after.blnBlackKing[0]);
    EXPECT_EQ(run.after.Black[0].picture, Picture::BlackKing);
    EXPECT_EQ(run.after.intBoard(5, 8), BlackKing);
    EXPECT_EQ(run.pauses, 2);
    EXPECT_FALSE(run.positions[1].blnBlackKing[0]) << "crowned before the multi-jump ended";
    EXPECT_TRUE(testing::consistencyProblems(run.after).empty());
}

TEST(ComputerCaptures, KingLandingOnRowEightGoesOnBackwards)
{
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . B . . . . .\n"
                                                          ". . . r . r . .\n"
                                                          ". . . . . . . .\n"),
                                            {}, 0.5);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {3, 6}, {5, 8}}, {0, {5, 8}, {7, 6}}}));
    EXPECT_EQ(run.pauses, 3);
}

// A black king on (4, 3) takes the red king on (5, 4); from (6, 5) it can go on over
// (7, 6) (direction 2) or over (7, 4) (direction 4).
constexpr const char *kKingWithTwoContinuations =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . B . . . .\n"
    ". . . . R . r .\n"
    ". . . . . . . .\n"
    ". . . . . . r .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

TEST(ComputerCaptures, KingContinuesInTheFirstDirectionFromTheDrawnStart)
{
    const struct {
        int start;
        Cell end;
    } cases[] = {{1, {8, 7}}, {2, {8, 7}}, {3, {8, 3}}, {4, {8, 3}}};
    for (const auto &c : cases) {
        SCOPED_TRACE("multi-jump starts at direction " + std::to_string(c.start));
        // Start piece; the king's start direction 2; its CanJumpAgain; the two cycles.
        const ComputerRun run = runComputerMove(ComputerSetup(kKingWithTwoContinuations),
                                                {startPiece(4), direction(2), 0.0, direction(c.start), 0.0});
        EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {4, 3}, {6, 5}}, {0, {6, 5}, c.end}}));
        EXPECT_EQ(run.used.size(), 5u);
        EXPECT_EQ(run.overruns, 0);
        EXPECT_EQ(run.pauses, 3);
    }
}

TEST(ComputerCaptures, CapturedRedKingKeepsItsFlag)
{
    const ComputerRun run = runComputerMove(ComputerSetup(kKingWithTwoContinuations),
                                            {startPiece(4), direction(2), 0.0, direction(1), 0.0});
    ASSERT_TRUE(run.before.blnRedKing[0]);
    const Piece &taken = run.after.Red[0];
    EXPECT_FALSE(taken.Visible);
    EXPECT_EQ(taken.Left, 7980);
    EXPECT_EQ(taken.Top, 525);
    EXPECT_TRUE(run.after.blnRedKing[0]);
    EXPECT_EQ(run.after.intBoard(5, 4), Empty);
}

TEST(ComputerCaptures, CaptureComesBeforeRescuingAThreatenedPiece)
{
    // The man on (4, 5) is threatened from (3, 6), but the man on (6, 3) can take (7, 4).
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . b . .\n"
                                                          ". . . . . . r .\n"
                                                          ". . . b . . . .\n"
                                                          ". . r . . . . .\n"
                                                          ". r . . . . . .\n"
                                                          ". . . . . . . .\n"),
                                            {}, 0.5);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {6, 3}, {8, 5}}}));
}

TEST(ComputerCaptures, PausesAreOnePerMoveAndOnePerMultiJumpCycle)
{
    const struct {
        const char *name;
        const char *picture;
        int captures;
    } cases[] = {
        {"a step",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . b . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         0},
        {"a single capture",
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . b . . . .\n"
         ". . . . r . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         1},
        {"a double capture", kKingWithTwoContinuations, 2},
        {"a triple capture",
         ". b . . . . . .\n"
         ". . r . . . . .\n"
         ". . . . . . . .\n"
         ". . . . r . . .\n"
         ". . . . . . . .\n"
         ". . . . . . r .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ComputerRun run = runComputerMove(ComputerSetup(c.picture), {}, 0.5);
        EXPECT_EQ(run.pauses, c.captures == 0 ? 1 : c.captures + 1);
        EXPECT_EQ(static_cast<int>(run.moves.size()), c.captures == 0 ? 1 : c.captures);
        EXPECT_TRUE(testing::computerMoveProblems(run.positions).empty())
            << testing::linesOf(testing::computerMoveProblems(run.positions));
    }
}

TEST(ComputerCaptures, SingleCaptureDrawsInHandCountedOrder)
{
    // Pass 0: start piece, start direction, CanJumpAgain for directions 1 and 2, none of
    // which goes on. Pass 1: the same four, capturing in direction 2. The multi-jump: one
    // cycle that finds nothing.
    const ComputerRun run = runComputerMove(ComputerSetup(". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . b . . . .\n"
                                                          ". . . . r . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"
                                                          ". . . . . . . .\n"),
                                            {0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(run.used.size(), 9u);
    EXPECT_EQ(run.overruns, 0);
    EXPECT_EQ(run.moves, (std::vector<BlackMove>{{0, {4, 3}, {6, 5}}}));
}

class CanJumpAgainTest : public ::testing::Test {
protected:
    bool canJumpAgain(const ComputerSetup &setup, int piece, Cell at, int startDirection)
    {
        board = setup.board;
        testing::ScriptedRandom random({testing::drawing(startDirection, 4, 1)});
        testing::FakeScreen screen;
        Computer computer(board, random, screen);
        const bool result =
            computer.CanJumpAgain(static_cast<std::int16_t>(piece), static_cast<std::int16_t>(at.col),
                                  static_cast<std::int16_t>(at.row));
        draws = random.used.size();
        return result;
    }
    Board board;
    std::size_t draws = 0;
};

TEST_F(CanJumpAgainTest, CountsOnlyCapturesThePieceMayMake)
{
    // Black(0) is imagined on the landing cell of its first capture.
    constexpr const char *picture = ". . . . . . . .\n"
                                    ". . . . . . . .\n"
                                    ". . . b . . . .\n"
                                    ". . . . r . . .\n"
                                    ". . . . . . . .\n"
                                    ". . . . r . . .\n"
                                    ". . . . . . . .\n"
                                    ". . . . . . . .\n";
    constexpr const char *kingBehind = ". . . . . . . .\n"
                                       ". . . . . . . .\n"
                                       ". . . B . . . .\n"
                                       ". . . . r . . .\n"
                                       ". . . . . . . .\n"
                                       ". . . . . . . .\n"
                                       ". . . . . . . .\n"
                                       ". . . . . . . .\n";
    const struct {
        const char *name;
        ComputerSetup setup;
        Cell at;
        bool expected;
    } cases[] = {
        {"a man goes on ahead over (5, 6)", ComputerSetup(picture), {6, 5}, true},
        {"a man may not go on backwards over (7, 4)",
         ComputerSetup(". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . b . . . .\n"
                       ". . . . r . r .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"),
         {6, 5},
         false},
        {"a king, known by its flag alone, goes on backwards over (7, 4)",
         ComputerSetup(". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . b . . . .\n"
                       ". . . . r . r .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n")
             .king(BlackPiece(0), true),
         {6, 5},
         true},
        {"the jump back over the piece being taken lands on the capturer itself",
         ComputerSetup(kingBehind),
         {6, 5},
         false},
        {"a landing cell beyond the edge does not count",
         ComputerSetup(". . . . . . . .\n"
                       ". . . . b . . .\n"
                       ". . . . . r . .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . r\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"
                       ". . . . . . . .\n"),
         {7, 4},
         false},
    };
    for (const auto &c : cases) {
        for (int start = 1; start <= 4; ++start) {
            SCOPED_TRACE(std::string(c.name) + ", start direction " + std::to_string(start));
            EXPECT_EQ(canJumpAgain(c.setup, 0, c.at, start), c.expected) << "all four directions count";
            EXPECT_EQ(draws, 1u) << "one start direction per call";
            EXPECT_EQ(testing::boardPicture(board), testing::boardPicture(c.setup.board)) << "the board changed";
        }
    }
}

} // namespace
} // namespace jumpline
