// A human move: a piece dropped on a dark square is checked against the rules, then made
// on the pieces and in intBoard, or refused so that nothing at all changes.
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <utility>

namespace jumpline::testing {
namespace {

// Red(0), a king, on (6, 1); Red(1) (6, 5), Red(2) (3, 6), Red(3) (7, 6). Black(0) (7, 2),
// Black(1) (2, 5), Black(2) (4, 5); Black(3), a king, on (4, 7).
constexpr std::string_view kRed = "1 . . . . . R . .\n"
                                  "2 . . . . . . b .\n"
                                  "5 . b . b . r . .\n"
                                  "6 . . r . . . r .\n"
                                  "7 . . . B . . . .\n";
// A black king on (4, 3), a black man on (3, 4), red men on (5, 2) and (5, 4).
constexpr std::string_view kBlack = "2 . . . . r . . .\n"
                                    "3 . . . B . . . .\n"
                                    "4 . . b . r . . .\n";
// Men one move from the far row: red on (3, 2) and (6, 3), black on (5, 6) and (4, 7).
constexpr std::string_view kNearTheFarRow = "2 . . r . b . . .\n"
                                            "3 . . . . . r . .\n"
                                            "6 . . . . b . . .\n"
                                            "7 . . . b . r . .\n";

enum class Outcome { Refused, Moves, Crowned };
constexpr bool Red = true, Black = false; // to move

const struct DropCase {
    const char *name;
    std::string_view before;
    bool redToMove;
    Cell from, to;
    Outcome outcome;
} kDrops[] = {
    {"red man steps up-right onto row 2, still a man", kNearTheFarRow, Red, {6, 3}, {7, 2}, Outcome::Moves},
    {"red man jumps up-left", kRed, Red, {3, 6}, {1, 4}, Outcome::Moves},
    {"Red(2) may not step onto Black(2)", kRed, Red, {3, 6}, {4, 5}, Outcome::Refused},
    {"red man may not step onto a red piece", kRed, Red, {7, 6}, {6, 5}, Outcome::Refused},
    {"red man may not step backwards", kRed, Red, {3, 6}, {2, 7}, Outcome::Refused},
    {"red man may not jump its own colour", kRed, Red, {7, 6}, {5, 4}, Outcome::Refused},
    {"red man may not jump an empty cell", kRed, Red, {6, 5}, {4, 3}, Outcome::Refused},
    {"a jump must land two cells away, not three", kRed, Red, {3, 6}, {6, 3}, Outcome::Refused},
    {"two rows up and none across", kRed, Red, {3, 6}, {3, 4}, Outcome::Refused},
    {"two columns across and no row", kRed, Red, {3, 6}, {5, 6}, Outcome::Refused},
    {"dropped back on its own square", kRed, Red, {3, 6}, {3, 6}, Outcome::Refused},
    {"red king steps backwards", kRed, Red, {6, 1}, {5, 2}, Outcome::Moves},
    {"red king jumps backwards", kRed, Red, {6, 1}, {8, 3}, Outcome::Moves},
    {"red king may not move two rows down", kRed, Red, {6, 1}, {6, 3}, Outcome::Refused},
    {"black man steps down-left", kBlack, Black, {3, 4}, {2, 5}, Outcome::Moves},
    {"black man jumps down-left", kRed, Black, {4, 5}, {2, 7}, Outcome::Moves},
    {"Black(2) may not step onto Red(2)", kRed, Black, {4, 5}, {3, 6}, Outcome::Refused},
    {"black man may not step backwards", kBlack, Black, {3, 4}, {2, 3}, Outcome::Refused},
    {"black king steps backwards", kBlack, Black, {4, 3}, {3, 2}, Outcome::Moves},
    {"black king jumps backwards", kBlack, Black, {4, 3}, {6, 1}, Outcome::Moves},
    {"black king may not move two columns across", kBlack, Black, {4, 3}, {6, 3}, Outcome::Refused},
    {"black king may not jump onto an occupied cell", kRed, Black, {4, 7}, {2, 5}, Outcome::Refused},
    {"red man crowned by a step", kNearTheFarRow, Red, {3, 2}, {2, 1}, Outcome::Crowned},
    {"red man crowned by a jump", kNearTheFarRow, Red, {6, 3}, {4, 1}, Outcome::Crowned},
    {"black man crowned by a step", kNearTheFarRow, Black, {4, 7}, {3, 8}, Outcome::Crowned},
    {"black man crowned by a jump", kNearTheFarRow, Black, {5, 6}, {7, 8}, Outcome::Crowned},
};

TEST(HumanMoveRules, AcceptsOnlyLegalStepsAndJumps)
{
    // Across and down differ, so that neither axis can stand in for the other.
    for (const auto &[twipsX, twipsY] : {std::pair{12, 15}, std::pair{15, 12}}) {
        for (const DropCase &c : kDrops) {
            SCOPED_TRACE(::testing::Message() << c.name << " at " << twipsX << " x " << twipsY << " twips per pixel");
            GameRig rig;
            rig.setPosition(c.before, c.redToMove, twipsX, twipsY);
            Board &board = rig.game.board;
            const PieceRef dragged = rig.at(c.from);
            Board unchanged = board;
            unchanged.intOldLeft = static_cast<std::int16_t>(board.piece(dragged).Left);
            unchanged.intOldTop = static_cast<std::int16_t>(board.piece(dragged).Top);

            rig.drag(c.from, c.to);

            if (c.outcome == Outcome::Refused) {
                EXPECT_EQ(board, unchanged) << piecesPicture(board);
                EXPECT_EQ(rig.screen.dumps, 0);
                continue;
            }
            // The piece moves, a jumped piece goes, and the turn passes.
            std::string after = padded(c.before);
            const char mover = cellIn(after, c.from);
            cellIn(after, c.from) = '.';
            if (std::abs(c.to.col - c.from.col) == 2)
                cellIn(after, {(c.from.col + c.to.col) / 2, (c.from.row + c.to.row) / 2}) = '.';
            cellIn(after, c.to) = c.outcome == Outcome::Crowned ? static_cast<char>(std::toupper(mover)) : mover;
            EXPECT_EQ(boardPicture(board), after);
            EXPECT_EQ(piecesPicture(board), after);
            const Picture picture = board.piece(dragged).picture;
            EXPECT_EQ(picture == Picture::RedKing || picture == Picture::BlackKing, board.isKing(dragged));
            EXPECT_EQ(board.blnCurrentPlayer, !c.redToMove);
            EXPECT_EQ(rig.screen.dumps, 1);
        }
    }
}

} // namespace
} // namespace jumpline::testing
