// The computer's captures: the two passes of its first phase, the multi-jump that follows
// every capture, and the pauses a capture takes.
#include "support/ComputerRun.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

using testing::BlackPiece;
using testing::ComputerRun;
using testing::ComputerSetup;
using testing::drawing;
using testing::runComputerMove;

constexpr double startPiece(int s) { return drawing(s, 6, 4); }
constexpr double direction(int d) { return drawing(d, 4, 1); }

// Black(3) on (4, 3) can capture twice; Black(6) on (1, 4) once, and nothing from (3, 6).
// Without the red man on (7, 6) neither capture goes on.
ComputerSetup twoCapturers(const char *row6)
{
    return ComputerSetup(std::string("3 . . . b . . . .\n"
                                     "4 b . . . r . . .\n"
                                     "5 . r . . . . . .\n"
                                     "6 ") + row6)
        .numbered(BlackPiece(3), {4, 3})
        .numbered(BlackPiece(6), {1, 4});
}

TEST(ComputerCaptures, FirstPassPrefersTheCaptureThatContinuesWhateverTheStartPiece)
{
    for (int s = 4; s <= 9; ++s) {
        SCOPED_TRACE("start piece " + std::to_string(s));
        const ComputerRun run = runComputerMove(twoCapturers(". . . . . . r ."), {startPiece(s)});
        EXPECT_EQ(run.path, "(4, 3) -> (6, 5) -> (8, 7)");
    }
}

// A black king on (4, 3) takes the red king on (5, 4); from (6, 5) it can go on over
// (7, 6) (direction 2) or over (7, 4) (direction 4).
const ComputerSetup kKingWithTwoContinuations("3 . . . B . . . .\n"
                                              "4 . . . . R . r .\n"
                                              "6 . . . . . . r .\n");

// A man on (3, 6) takes (4, 7) and lands on row 8.
const ComputerSetup kOntoRowEight("6 . . b . . . . .\n"
                                  "7 . . . r . r . .\n");

struct CaptureCase {
    const char *name;
    ComputerSetup setup;
    std::vector<double> numbers; // then zeros
    const char *path;
    int pauses;
    std::size_t draws;
};

TEST(ComputerCaptures, EachJumpFollowsAPauseAndTheManIsCrownedAtTheEnd)
{
    // Pass 0 draws its start piece, then for each man a start direction and one
    // CanJumpAgain per direction in range: two for (4, 3), one for (1, 4). Pass 1 does the
    // same until it captures; the multi-jump draws once more, finding nothing.
    const CaptureCase cases[] = {
        {"second pass starting at 4, 5 or 6: Black(6) comes first", twoCapturers(". . . . . . . ."),
         {0, 0, 0, 0, 0, 0, startPiece(4)}, "(1, 4) -> (3, 6)", 2, 10},
        {"second pass starting at 7, 8 or 9: round past 11 to Black(3)", twoCapturers(". . . . . . . ."),
         {0, 0, 0, 0, 0, 0, startPiece(7)}, "(4, 3) -> (6, 5)", 2, 11},
        // Start piece; the king's start direction 2; its CanJumpAgain; the two cycles.
        {"king, multi-jump from direction 1", kKingWithTwoContinuations,
         {startPiece(4), direction(2), 0.0, direction(1), 0.0}, "(4, 3) -> (6, 5) -> (8, 7)", 3, 5},
        {"king, multi-jump from direction 3", kKingWithTwoContinuations,
         {startPiece(4), direction(2), 0.0, direction(3), 0.0}, "(4, 3) -> (6, 5) -> (8, 3)", 3, 5},
        // A man is still a man on row 8 until the move is over, so it can't go on backwards.
        // Each pass: start piece, start direction, CanJumpAgain in directions 1 and 2; the
        // second pass captures. One multi-jump cycle.
        {"a man onto row 8", kOntoRowEight, {}, "(3, 6) -> (5, 8)", 2, 9},
        // The first pass captures, the king being able to go on; two multi-jump cycles.
        {"a man known as a king by its flag", ComputerSetup(kOntoRowEight).king(BlackPiece(0)), {},
         "(3, 6) -> (5, 8) -> (7, 6)", 3, 6},
        // Start piece, start direction, one CanJumpAgain (direction 1 is out of range); three
        // multi-jump cycles.
        {"a man zigzagging through three captures", ComputerSetup("1 . b . . . . . .\n"
                                                                  "2 . . r . . . . .\n"
                                                                  "4 . . r . . . . .\n"
                                                                  "6 . . r . . . . .\n"),
         {}, "(2, 1) -> (4, 3) -> (2, 5) -> (4, 7)", 4, 6},
    };
    for (const CaptureCase &c : cases) {
        SCOPED_TRACE(c.name);
        const ComputerRun run = runComputerMove(c.setup, c.numbers);
        EXPECT_EQ(run.path, c.path);
        EXPECT_EQ(run.pauses, c.pauses);
        EXPECT_EQ(run.used.size(), c.draws);
        EXPECT_EQ(testing::boardPicture(run.after), testing::piecesPicture(run.after));
        // Captured red pieces are parked and keep their king flags.
        for (const Piece &red : run.after.Red)
            EXPECT_TRUE(red.Visible || (red.Left == 7980 && red.Top == 525));
        EXPECT_EQ(run.after.blnRedKing, c.setup.board.blnRedKing);
        // No crowning until the last pause is over; then no black man is left on row 8.
        EXPECT_EQ(run.positions[run.positions.size() - 2].blnBlackKing, c.setup.board.blnBlackKing);
        EXPECT_EQ(testing::piecesPicture(run.after).find('b', 7 * 2 * BoardSize), std::string::npos);
    }
}

} // namespace
} // namespace jumpline
