// The computer player: its captures and the multi-jump that follows them, the rescue of a
// threatened piece, the later phases and the safety tests that tell them apart, the first
// move of a game, the random draws, and the move that cannot be made.
#include "game/Random.h"
#include "support/ComputerRun.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace jumpline::testing {
namespace {

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

// A position, the numbers scripted (then `every`), and what the computer's move did.
struct RunCase {
    const char *name;
    ComputerSetup setup;
    std::vector<double> numbers;
    const char *path;
    int pauses;
    std::size_t draws;
    double every = 0.0;
};

void expectRun(const RunCase &c)
{
    SCOPED_TRACE(c.name);
    const ComputerRun run = runComputerMove(c.setup, c.numbers, c.every);
    EXPECT_EQ(run.path, c.path);
    EXPECT_EQ(run.pauses, c.pauses);
    EXPECT_EQ(run.used.size(), c.draws);
    EXPECT_EQ(boardPicture(run.after), piecesPicture(run.after));
    // Captured red pieces are parked and keep their king flags.
    for (const Piece &red : run.after.Red)
        EXPECT_TRUE(red.Visible || (red.Left == 7980 && red.Top == 525));
    EXPECT_EQ(run.after.blnRedKing, c.setup.board.blnRedKing);
    // No crowning until the last pause is over; then no black man is left on row 8.
    EXPECT_EQ(run.positions[run.positions.size() - 2].blnBlackKing, c.setup.board.blnBlackKing);
    EXPECT_EQ(piecesPicture(run.after).find('b', 7 * 2 * BoardSize), std::string::npos);
}

TEST(ComputerCaptures, EachJumpFollowsAPauseAndTheManIsCrownedAtTheEnd)
{
    // Pass 0 draws its start piece, then for each man a start direction and one
    // CanJumpAgain per direction in range: two for (4, 3), one for (1, 4). Pass 1 does the
    // same until it captures; the multi-jump draws once more, finding nothing.
    const RunCase cases[] = {
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
    for (const RunCase &c : cases)
        expectRun(c);
}

// A position and the move the computer makes in it.
struct MoveCase {
    const char *name;
    const char *picture;
    const char *path;
    double every = 0.0;   // every random number
    Cell examinedFirst{}; // numbered Black(4), the first piece examined when `every` is 0
    int parked = -1;      // a black piece hidden and parked while intBoard still shows it
};

void expectMove(const MoveCase &c)
{
    SCOPED_TRACE(c.name);
    ComputerSetup setup(c.picture);
    if (c.examinedFirst.col != 0)
        setup.numbered(BlackPiece(4), c.examinedFirst);
    const Cell parkedCell = c.parked >= 0 ? cellOfPiece(setup.board, BlackPiece(c.parked)) : Cell{};
    if (c.parked >= 0)
        setup.parked(BlackPiece(c.parked));
    const ComputerRun run = runComputerMove(setup, {}, c.every);
    EXPECT_EQ(run.path, c.path);
    EXPECT_EQ(run.pauses, 1);
    // intBoard follows the pieces that moved, and keeps the cell of the parked one.
    Board shown = run.after;
    if (c.parked >= 0)
        shown.placePiece(BlackPiece(c.parked), parkedCell);
    EXPECT_EQ(boardPicture(shown), piecesPicture(shown));
}

// One threatened black piece, no capture for Black, every random number 0: the move the
// computer makes. Where another piece could make a step, it is examined first in the
// later phases, so that only the rule named makes the move shown. A covering piece that
// is missing (parked, while intBoard still shows it) makes the rule after it cover.
const MoveCase kRescueCases[] = {
    // A red piece ahead on the left, on (col - 1, row + 1), would land on (col + 1, row - 1).
    {"ahead-left: edge escape from column 7", "4 b . . . . . b .\n"
                                              "5 . . . . . r . .\n"
                                              "6 . . . . r . . .\n", "(7, 4) -> (8, 5)"},
    {"ahead-left: edge escape from row 7", "7 . . . B . . . .\n"
                                           "8 . . r . . . . .\n", "(4, 7) -> (5, 8)"},
    {"ahead-left: safe step away", "4 . . . . . . b .\n"
                                   "5 . . . b . . . .\n"
                                   "6 . . r . . . . .\n"
                                   "7 . r . . . . . .\n", "(4, 5) -> (5, 6)"},
    {"ahead-left: a king on row 2 steps back onto row 1", "2 . . B . . . . .\n"
                                                          "3 . r . b . . . .\n"
                                                          "4 r . . . . . . .\n", "(3, 2) -> (4, 1)"},
    {"ahead-left: a man on row 2 does not", "2 . . b . . . . .\n"
                                            "3 . r . . . . . .\n"
                                            "4 r . . . r . . .\n", "(3, 2) -> (4, 3)"},
    {"ahead-left: a king steps back to the right", "5 . . . B . . . .\n"
                                                   "6 . . r . b . . .\n"
                                                   "7 . r . . . . . .\n", "(4, 5) -> (5, 4)"},
    {"ahead-left: a king steps back to the left when the right is unsafe", "3 . b . . . . . .\n"
                                                                           "5 . . . B . r . .\n"
                                                                           "6 . . r . b . . .\n"
                                                                           "7 . r . . . . . .\n", "(4, 5) -> (3, 4)"},
    {"ahead-left: the piece two rows up covers", "3 . . . b . . . .\n"
                                                 "5 . . . b . . . .\n"
                                                 "6 . . r . . . . .\n"
                                                 "7 . r . . . r . .\n", "(4, 3) -> (5, 4)"},
    {"ahead-left: ... but not when a red piece beside would jump it", "3 . . . b . . . .\n"
                                                                      "5 . . . b . r . .\n"
                                                                      "6 . . r . . . . .\n"
                                                                      "7 . r . . . r . .\n", "(4, 3) -> (3, 4)"},
    {"ahead-left: a king beside steps back to cover", "5 . . . b . B . .\n"
                                                      "6 . . r . . . . .\n"
                                                      "7 . r . . . r . .\n", "(6, 5) -> (5, 4)"},
    {"ahead-left: a man beside does not step back to cover", "5 . . . b . b . .\n"
                                                             "6 . . r . . . . .\n"
                                                             "7 . r . . . r . .\n", "(6, 5) -> (5, 6)"},
    {"ahead-left: the piece up on the right covers for a missing one", "3 . . . b . b . .\n"
                                                                       "5 . . . b . . . .\n"
                                                                       "6 . . r . . . . .\n"
                                                                       "7 . r . . . r . .\n",
     "(6, 3) -> (5, 4)", 0.0, {}, 0},
    // Ahead on the right: the same with the columns mirrored, but a king's step back to the
    // right still comes first.
    {"ahead-right: edge escape from column 2", "4 . . . . . . b .\n"
                                               "5 . b . . . . . .\n"
                                               "6 . . r . . . . .\n"
                                               "7 . . . r . . . .\n", "(2, 5) -> (1, 6)"},
    {"ahead-right: safe step away", "4 b . . . b . . .\n"
                                    "5 . . . . . r . .\n"
                                    "6 . . . . . . r .\n", "(5, 4) -> (4, 5)"},
    {"ahead-right: a king on row 2 steps back onto row 1", "2 . . . . B . . .\n"
                                                           "3 . . . b . r . .\n"
                                                           "4 . . . . . . r .\n", "(5, 2) -> (4, 1)"},
    {"ahead-right: a king steps back to the right first", "5 . . . B . . . .\n"
                                                          "6 . . b . r . . .\n"
                                                          "7 . . . . . r . .\n", "(4, 5) -> (5, 4)"},
    {"ahead-right: the piece two rows up covers", "2 . . . . b . . .\n"
                                                  "4 . . . . b . . .\n"
                                                  "5 . . . . . r . .\n"
                                                  "6 . . r . . . r .\n", "(5, 2) -> (4, 3)"},
    {"ahead-right: a king beside steps back to cover", "4 . . B . b . . .\n"
                                                       "5 . . . . . r . .\n"
                                                       "6 . . r . . . r .\n", "(3, 4) -> (4, 3)"},
    {"ahead-right: the piece up on the left covers for a missing one", "2 . . b . b . . .\n"
                                                                       "4 . . . . b . . .\n"
                                                                       "5 . . . . . r . .\n"
                                                                       "6 . . r . . . r .\n",
     "(3, 2) -> (4, 3)", 0.0, {}, 1},
    // A red king behind on the left, on (col - 1, row - 1), would land on (col + 1, row + 1).
    {"king behind-left: a king at the edge steps back", "2 . . . . r . . .\n"
                                                        "3 . . . . . R . .\n"
                                                        "4 . . . . . . B .\n", "(7, 4) -> (8, 3)"},
    {"king behind-left: a king steps back safely", "3 . r . . . . . .\n"
                                                   "4 . . R . . . . .\n"
                                                   "5 . . . B . . . .\n", "(4, 5) -> (5, 4)"},
    {"king behind-left: a man at the edge escapes ahead", "3 . . . . . R . .\n"
                                                          "4 b . . . . . b .\n", "(7, 4) -> (8, 5)"},
    {"king behind-left: a man steps onto the landing cell", "4 . . R . . . . .\n"
                                                            "5 . . . b . . . .\n", "(4, 5) -> (5, 6)"},
    {"king behind-left: a man steps ahead on the other side", "4 . . R . . . b .\n"
                                                              "5 . . . b . . . .\n"
                                                              "7 . . . . . r . .\n", "(4, 5) -> (3, 6)"},
    {"king behind-left: a king two rows down steps back to cover", "4 . . R . . . . .\n"
                                                                   "5 . . . b . . . .\n"
                                                                   "7 . r . B . r . .\n", "(4, 7) -> (5, 6)"},
    // (A king down on the right could cover too, but whenever it could, the step onto the
    // landing cell is safe, and comes first.)
    {"king behind-left: the piece beside covers for a missing king", "3 . . . . . . . b\n"
                                                                     "4 . . R . . . . .\n"
                                                                     "5 . . . b . b . .\n"
                                                                     "7 . r . B . r . .\n",
     "(6, 5) -> (5, 6)", 0.0, {}, 3},
    {"king behind-left: a man two rows down does not step back to cover", "4 . . R . . . . .\n"
                                                                          "5 . . . b . . . .\n"
                                                                          "7 . r . b . r . .\n", "(4, 7) -> (3, 8)"},
    {"king behind-left: nor does the piece beside when a red piece could jump it", "4 . . R . . . . .\n"
                                                                                   "5 . . . b . b . .\n"
                                                                                   "7 . . . r . r . .\n",
     "(4, 5) -> (3, 6)"},
    // A red king behind on the right: the same with the columns mirrored.
    {"king behind-right: a king on row 2 steps back", "1 . . . . . R . .\n"
                                                      "2 . . . . B . . .\n", "(5, 2) -> (4, 1)"},
    {"king behind-right: a king steps back safely", "2 . . . . . . r .\n"
                                                    "3 . . . . . R . .\n"
                                                    "4 . . . . B . . .\n", "(5, 4) -> (4, 3)"},
    {"king behind-right: a man at the edge escapes ahead", "4 . . R . . . b .\n"
                                                           "5 . b . . . . . .\n", "(2, 5) -> (1, 6)"},
    {"king behind-right: a man steps onto the landing cell", "3 . b . . . R . .\n"
                                                             "4 . . . . b . . .\n", "(5, 4) -> (4, 5)"},
    {"king behind-right: a man steps ahead on the other side", "3 . b . . . R . .\n"
                                                               "4 . . . . b . . .\n"
                                                               "6 . . r . . . . .\n", "(5, 4) -> (6, 5)"},
    {"king behind-right: a king two rows down steps back to cover", "3 . . . . . R . .\n"
                                                                    "4 . . . . b . . .\n"
                                                                    "6 . . r . B . r .\n", "(5, 6) -> (4, 5)"},
    {"king behind-right: the piece beside covers for a missing king", "2 b . . . . . . .\n"
                                                                      "3 . . . . . R . .\n"
                                                                      "4 . . b . b . . .\n"
                                                                      "6 . . r . B . r .\n",
     "(3, 4) -> (4, 5)", 0.0, {}, 3},
};

TEST(ComputerRescue, EachRuleMakesItsMoveInItsTurn)
{
    for (const MoveCase &c : kRescueCases)
        expectMove(c);
}

// Neither a capture nor a threatened piece: the step each position leaves to a later
// phase.
constexpr double kBackFirst = direction(3); // a king tries (5, 4) -> (4, 3) first

const MoveCase kPhaseCases[] = {
    {"crowning step before a safe step elsewhere", "6 . . . . . . b .\n"
                                                   "7 . . . b . . . .\n", "(4, 7) -> (3, 8)"},
    {"cover test: a step that leaves a neighbour open is refused", "3 . . . b . . . .\n"
                                                                   "4 . . . . b . . .\n"
                                                                   "5 . . . . . r . .\n"
                                                                   "6 . . . . . . r .\n", "(5, 4) -> (4, 5)"},
    {"cover test: a red man beyond a neighbour behind can't jump it", "3 . r . . . . . .\n"
                                                                      "4 . . b . . . . .\n"
                                                                      "5 . . . b . . . .\n",
     "(4, 5) -> (3, 6)", 0.0, {4, 5}},
    {"cover test: a red king beyond a neighbour behind can", "3 . R . . . . . .\n"
                                                             "4 . . b . . . . .\n"
                                                             "5 . . . b . . . .\n", "(3, 4) -> (2, 5)", 0.0, {4, 5}},
    {"edge step from column 2 when the step ahead is unsafe", "3 . b . . . . . .\n"
                                                              "5 . . . r . . . .\n", "(2, 3) -> (1, 4)", 0.3},
    {"a king on column 2 steps back to the edge", "5 . B . R . . . .\n"
                                                  "6 b . . . . . . .\n"
                                                  "8 . . r . . . . .\n", "(2, 5) -> (1, 4)"},
    {"edge step from column 7", "4 . . . . . . b .\n"
                                "6 . . . . r . . .\n", "(7, 4) -> (8, 5)"},
    {"a king on column 7 steps back to the edge", "4 . . . . R . B .\n"
                                                  "5 . . . . . . . b\n"
                                                  "7 . . . . . r . .\n", "(7, 4) -> (8, 3)"},
    {"a king on row 7 steps onto row 8", "7 . r . B . r . .\n", "(4, 7) -> (5, 8)", 0.9},
    {"a king on row 2 steps onto row 1", "2 . . B . . . . .\n"
                                         "4 r . . . r . . .\n", "(3, 2) -> (4, 1)", 0.9},
    {"any step when every step is unsafe", "3 . . . b . . . .\n"
                                           "5 . r . . . r . .\n", "(4, 3) -> (5, 4)", 0.3},
    // A king on (5, 4) trying the step back to (4, 3): the safe step judges it by the
    // backward safety test; the last safe step (reached when the cover test holds the king
    // beside Black's man on (6, 3)) by the mirrored forward test.
    {"safe step: a red man on (3, 2) does not count", "2 . . r . . . . .\n"
                                                      "4 . . . . B . . .\n", "(5, 4) -> (4, 3)", kBackFirst},
    {"safe step: a red man on (3, 4) beside it does", "4 . . r . B . . .\n", "(5, 4) -> (6, 3)", kBackFirst},
    {"safe step: so does a red king on (5, 2) behind it", "2 . . . . R . . .\n"
                                                          "4 . . . . B . . .\n", "(5, 4) -> (4, 5)", kBackFirst},
    {"last safe step: a red man on (3, 2) counts", "2 . . r . . . R .\n"
                                                   "3 . . . . . b . .\n"
                                                   "4 . . . . B . . .\n"
                                                   "5 . . . . . . . r\n", "(5, 4) -> (4, 5)", kBackFirst},
    {"last safe step: a red man on (3, 4) beside it does not", "2 . . . . . . R .\n"
                                                               "3 . . . . . b . .\n"
                                                               "4 . . r . B . . .\n"
                                                               "5 . . . . . . . r\n", "(5, 4) -> (4, 3)", kBackFirst},
};

TEST(ComputerPhases, EachPhaseMovesWhenTheEarlierOnesFindNothing)
{
    for (const MoveCase &c : kPhaseCases)
        expectMove(c);
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
    const RunCase cases[] = {
        // Captures, each pass: the start piece, a start direction for each of the twelve men
        // and one CanJumpAgain for each direction in range (eighteen): 31, twice. Rescue: 13.
        // Crowning step: 13. Then the safe step's start piece, 9 in the first move (drawn
        // from 8..11), and Black(9)'s start direction 2.
        {"the opening, first move", ComputerSetup(kOpeningPicture).aiMoves(0), {}, "(4, 3) -> (5, 4)", 1, 90, 0.375},
        // Captures, each pass: start piece, start direction, CanJumpAgain in all four
        // directions. Rescue: start piece, start direction. Crowning step: the start piece
        // only, a king being no candidate. Safe step: start piece, start direction 3.
        {"a lone king", ComputerSetup("4 . . . . B . . .\n"), {}, "(5, 4) -> (4, 3)", 1, 17, direction(3)},
        // Red kings beside the man make its steps unsafe. Captures: 4 a pass. Rescue 2,
        // crowning step 2, safe step 2, edge step 3 (start piece, then the start of each
        // two-way loop, men included), last safe step 2, any step 2: its start direction 2.
        {"a lone man with every step unsafe", ComputerSetup("3 . R . b . R . .\n"), {}, "(4, 3) -> (5, 4)", 1, 21,
         direction(2)},
        // The man on (4, 5) is threatened from (3, 6) and from (5, 6); the man on (4, 3)
        // could cover either landing cell. The threatened man's start direction, 2, decides.
        // Captures: 7 a pass; rescue: the start piece and two start directions.
        {"two threats", ComputerSetup("3 . . . b . . . .\n"
                                      "5 . . . b . . . .\n"
                                      "6 . . r . r . . .\n"
                                      "7 . r . . . r . .\n"),
         {}, "(4, 3) -> (3, 4)", 1, 17, direction(2)},
    };
    for (const RunCase &c : cases)
        expectRun(c);
}

TEST(ComputerDraws, DrawIntStaysInRangeForNumbersJustBelowOne)
{
    ScriptedRandom random({0.0, 0.9999999999, std::nextafter(1.0, 0.0)});
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
    EXPECT_EQ(boardPicture(run.after), piecesPicture(run.after));
}

} // namespace
} // namespace jumpline::testing
