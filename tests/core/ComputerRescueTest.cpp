// The computer's rescue of a piece that Red could capture next: the rules for a threat
// from each of the four directions, in their order, and the cases where none may apply.
#include "support/ComputerRun.h"
#include "support/Position.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

using testing::BlackPiece;
using testing::ComputerRun;
using testing::ComputerSetup;

// One threatened black piece, no capture for Black, every random number 0: the move the
// computer makes. Where another piece could make a step, it is examined first in the
// later phases, so that only the rule named makes the move shown. A covering piece that
// is missing (parked, while intBoard still shows it) makes the rule after it cover.
struct RescueCase {
    const char *name;
    const char *picture;
    const char *path;
    int parked = -1; // a black piece hidden and parked while intBoard still shows it
};

const RescueCase kRescueCases[] = {
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
                                                                       "7 . r . . . r . .\n", "(6, 3) -> (5, 4)", 0},
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
                                                                       "6 . . r . . . r .\n", "(3, 2) -> (4, 3)", 1},
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
                                                                     "7 . r . B . r . .\n", "(6, 5) -> (5, 6)", 3},
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
                                                                      "6 . . r . B . r .\n", "(3, 4) -> (4, 5)", 3},
};

TEST(ComputerRescue, EachRuleMakesItsMoveInItsTurn)
{
    for (const RescueCase &c : kRescueCases) {
        SCOPED_TRACE(c.name);
        ComputerSetup setup(c.picture);
        const Cell parkedCell = c.parked >= 0 ? testing::cellOfPiece(setup.board, BlackPiece(c.parked)) : Cell{};
        if (c.parked >= 0)
            setup.parked(BlackPiece(c.parked));
        const ComputerRun run = runComputerMove(setup, {}, 0.0);
        EXPECT_EQ(run.path, c.path);
        EXPECT_EQ(run.pauses, 1);
        // intBoard follows the pieces that moved, and keeps the cell of the parked one.
        Board shown = run.after;
        if (c.parked >= 0)
            shown.placePiece(BlackPiece(c.parked), parkedCell);
        EXPECT_EQ(testing::boardPicture(shown), testing::piecesPicture(shown));
    }
}

} // namespace
} // namespace jumpline
