// The computer's later phases, each chosen when the earlier ones find nothing; the safety
// tests that tell them apart; the first move of a game; the random draws; and the move
// that cannot be made.
#include "game/Random.h"
#include "support/ComputerRun.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace jumpline {
namespace {

using testing::BlackPiece;
using testing::ComputerRun;
using testing::ComputerSetup;
using testing::drawing;
using testing::runComputerMove;

// Neither a capture nor a threatened piece: the step each position leaves to a later
// phase, every random number being `every`. Rows start at `firstRow`.
struct PhaseCase {
    const char *name;
    const char *picture;
    double every;
    const char *path;
    Cell examinedFirst{}; // numbered Black(4), the first piece examined when `every` is 0
};

constexpr double kBackFirst = drawing(3, 4, 1); // a king tries (5, 4) -> (4, 3) first

const PhaseCase kPhaseCases[] = {
    {"crowning step before a safe step elsewhere", "6 . . . . . . b .\n"
                                                   "7 . . . b . . . .\n", 0.0, "(4, 7) -> (3, 8)"},
    {"cover test: a step that leaves a neighbour open is refused", "3 . . . b . . . .\n"
                                                                   "4 . . . . b . . .\n"
                                                                   "5 . . . . . r . .\n"
                                                                   "6 . . . . . . r .\n", 0.0, "(5, 4) -> (4, 5)"},
    {"cover test: a red man beyond a neighbour behind can't jump it", "3 . r . . . . . .\n"
                                                                      "4 . . b . . . . .\n"
                                                                      "5 . . . b . . . .\n", 0.0, "(4, 5) -> (3, 6)",
     {4, 5}},
    {"cover test: a red king beyond a neighbour behind can", "3 . R . . . . . .\n"
                                                             "4 . . b . . . . .\n"
                                                             "5 . . . b . . . .\n", 0.0, "(3, 4) -> (2, 5)", {4, 5}},
    {"edge step from column 2 when the step ahead is unsafe", "3 . b . . . . . .\n"
                                                              "5 . . . r . . . .\n", 0.3, "(2, 3) -> (1, 4)"},
    {"a king on column 2 steps back to the edge", "5 . B . R . . . .\n"
                                                  "6 b . . . . . . .\n"
                                                  "8 . . r . . . . .\n", 0.0, "(2, 5) -> (1, 4)"},
    {"edge step from column 7", "4 . . . . . . b .\n"
                                "6 . . . . r . . .\n", 0.0, "(7, 4) -> (8, 5)"},
    {"a king on column 7 steps back to the edge", "4 . . . . R . B .\n"
                                                  "5 . . . . . . . b\n"
                                                  "7 . . . . . r . .\n", 0.0, "(7, 4) -> (8, 3)"},
    {"a king on row 7 steps onto row 8", "7 . r . B . r . .\n", 0.9, "(4, 7) -> (5, 8)"},
    {"a king on row 2 steps onto row 1", "2 . . B . . . . .\n"
                                         "4 r . . . r . . .\n", 0.9, "(3, 2) -> (4, 1)"},
    {"any step when every step is unsafe", "3 . . . b . . . .\n"
                                           "5 . r . . . r . .\n", 0.3, "(4, 3) -> (5, 4)"},
    // A king on (5, 4) trying the step back to (4, 3): the safe step judges it by the
    // backward safety test; the last safe step (reached when the cover test holds the king
    // beside Black's man on (6, 3)) by the mirrored forward test.
    {"safe step: a red man on (3, 2) does not count", "2 . . r . . . . .\n"
                                                      "4 . . . . B . . .\n", kBackFirst, "(5, 4) -> (4, 3)"},
    {"safe step: a red man on (3, 4) beside it does", "4 . . r . B . . .\n", kBackFirst, "(5, 4) -> (6, 3)"},
    {"safe step: so does a red king on (5, 2) behind it", "2 . . . . R . . .\n"
                                                          "4 . . . . B . . .\n", kBackFirst, "(5, 4) -> (4, 5)"},
    {"last safe step: a red man on (3, 2) counts", "2 . . r . . . R .\n"
                                                   "3 . . . . . b . .\n"
                                                   "4 . . . . B . . .\n"
                                                   "5 . . . . . . . r\n", kBackFirst, "(5, 4) -> (4, 5)"},
    {"last safe step: a red man on (3, 4) beside it does not", "2 . . . . . . R .\n"
                                                               "3 . . . . . b . .\n"
                                                               "4 . . r . B . . .\n"
                                                               "5 . . . . . . . r\n", kBackFirst, "(5, 4) -> (4, 3)"},
};

TEST(ComputerPhases, EachPhaseMovesWhenTheEarlierOnesFindNothing)
{
    for (const PhaseCase &c : kPhaseCases) {
        SCOPED_TRACE(c.name);
        ComputerSetup setup(c.picture);
        if (c.examinedFirst.col != 0)
            setup.numbered(BlackPiece(4), c.examinedFirst);
        const ComputerRun run = runComputerMove(setup, {}, c.every);
        EXPECT_EQ(run.path, c.path);
        EXPECT_EQ(run.pauses, 1);
        EXPECT_EQ(testing::boardPicture(run.after), testing::piecesPicture(run.after));
    }
}

// Black(4) and Black(8) can both move in the phase named, and every number is 0: the start
// piece is 4, or 8 where the first move of a game starts among the pieces 8..11.
TEST(ComputerPhases, FirstMoveStartsAmongPiecesEightToElevenOnlyInTheSafeSteps)
{
    const struct {
        const char *phase;
        const char *picture;
        Cell piece4, piece8;
        const char *firstPath;
        const char *laterPath;
    } cases[] = {
        {"safe step that keeps neighbours covered", "3 . . . b . . . .\n"
                                                    "5 . . . . . b . .\n", {4, 3}, {6, 5}, "(6, 5) -> (5, 6)",
         "(4, 3) -> (3, 4)"},
        {"last safe step", "2 . . R . . . . .\n"
                           "3 . . . b . . . .\n"
                           "4 . . . . b . . .\n"
                           "5 . . . . . r . .\n"
                           "6 . . . . . . r .\n", {4, 3}, {5, 4}, "(5, 4) -> (4, 5)", "(4, 3) -> (3, 4)"},
        {"captures", "3 . . . b . . . .\n"
                     "4 b . . . r . . .\n"
                     "5 . r . . . . . .\n", {1, 4}, {4, 3}, "(1, 4) -> (3, 6)", "(1, 4) -> (3, 6)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.phase);
        ComputerSetup setup(c.picture);
        setup.numbered(BlackPiece(4), c.piece4).numbered(BlackPiece(8), c.piece8);
        EXPECT_EQ(runComputerMove(ComputerSetup(setup).aiMoves(0), {}).path, c.firstPath);
        EXPECT_EQ(runComputerMove(ComputerSetup(setup).aiMoves(1), {}).path, c.laterPath);
    }
}

// Hand-counted draws, every number being `every`.
TEST(ComputerDraws, EachPhaseDrawsItsStartsInOrder)
{
    const struct {
        const char *name;
        ComputerSetup setup;
        double every;
        const char *path;
        std::size_t draws;
    } cases[] = {
        // Captures, each pass: the start piece, a start direction for each of the twelve men
        // and one CanJumpAgain for each direction in range (eighteen): 31, twice. Rescue: 13.
        // Crowning step: 13. Then the safe step's start piece, 9 in the first move (drawn
        // from 8..11), and Black(9)'s start direction 2.
        {"the opening, first move", ComputerSetup(testing::kOpeningPicture).aiMoves(0), 0.375, "(4, 3) -> (5, 4)", 90},
        // Captures, each pass: start piece, start direction, CanJumpAgain in all four
        // directions. Rescue: start piece, start direction. Crowning step: the start piece
        // only, a king being no candidate. Safe step: start piece, start direction 3.
        {"a lone king", ComputerSetup("4 . . . . B . . .\n"), drawing(3, 4, 1), "(5, 4) -> (4, 3)", 17},
        // Red kings beside the man make its steps unsafe. Captures: 4 a pass. Rescue 2,
        // crowning step 2, safe step 2, edge step 3 (start piece, then the start of each
        // two-way loop, men included), last safe step 2, any step 2: its start direction 2.
        {"a lone man with every step unsafe", ComputerSetup("3 . R . b . R . .\n"), drawing(2, 4, 1), "(4, 3) -> (5, 4)",
         21},
        // The man on (4, 5) is threatened from (3, 6) and from (5, 6); the man on (4, 3)
        // could cover either landing cell. The threatened man's start direction, 2, decides.
        // Captures: 7 a pass; rescue: the start piece and two start directions.
        {"two threats", ComputerSetup("3 . . . b . . . .\n"
                                      "5 . . . b . . . .\n"
                                      "6 . . r . r . . .\n"
                                      "7 . r . . . r . .\n"),
         drawing(2, 4, 1), "(4, 3) -> (3, 4)", 17},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ComputerRun run = runComputerMove(c.setup, {}, c.every);
        EXPECT_EQ(run.path, c.path);
        EXPECT_EQ(run.used.size(), c.draws);
    }
}

TEST(ComputerDraws, DrawIntStaysInRangeForNumbersJustBelowOne)
{
    testing::ScriptedRandom random({0.0, 0.9999999999, std::nextafter(1.0, 0.0)});
    EXPECT_EQ(drawInt(random, 6, 4), 4);
    EXPECT_EQ(drawInt(random, 6, 4), 9);
    EXPECT_EQ(drawInt(random, 4, 8), 11);
}

TEST(ComputerNoMove, AnnouncesRedsVictoryOnceAndStillFinishes)
{
    // The man on (2, 5) is hemmed in and can capture nothing; the man on (5, 8) can't
    // move, but the finishing step crowns it. The ten parked pieces map to row 1 and stay men.
    const ComputerRun run = runComputerMove(ComputerSetup("5 . b . . . . . .\n"
                                                          "6 r . r . . . . .\n"
                                                          "7 . . . r . . . .\n"
                                                          "8 . . . . b . . .\n")
                                                .aiMoves(7),
                                            {}, 0.5);
    EXPECT_EQ(run.outcome, Computer::Outcome::NoMove);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Black can't move. Red is the victor!"});
    EXPECT_EQ(run.path, "");
    EXPECT_EQ(run.pauses, 1);
    EXPECT_EQ(run.after.intAIMoves, 8);
    EXPECT_EQ(std::count(run.after.blnBlackKing.begin(), run.after.blnBlackKing.end(), true), 1);
    EXPECT_EQ(run.after.Black[1].picture, Picture::BlackKing);
    EXPECT_EQ(testing::boardPicture(run.after), testing::piecesPicture(run.after));
}

} // namespace
} // namespace jumpline
