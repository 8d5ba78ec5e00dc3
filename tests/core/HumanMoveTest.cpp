// A human move: a piece dropped on a dark square is checked against the rules, then made
// on the pieces and in intBoard, or refused so that nothing at all changes.
#include "board/Board.h"
#include "support/GameRig.h"
#include "support/Position.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace jumpline {
namespace {

using testing::boardFromPicture;
using testing::boardPicture;
using testing::consistencyProblems;
using testing::GameRig;
using testing::pieceAt;
using testing::piecesPicture;
using testing::squareOf;

constexpr bool RedToMove = true;
constexpr bool BlackToMove = false;
constexpr std::string_view Refused{};

// Red men on (3, 6), (6, 5) and (7, 6); black men on (4, 5) and (4, 7).
constexpr std::string_view kRedMen =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . r . .\n"
    ". . r . . . r .\n"
    ". . . b . . . .\n"
    ". . . . . . . .\n";

// The same with a red king on (3, 6).
constexpr std::string_view kRedKing =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . r . .\n"
    ". . R . . . r .\n"
    ". . . b . . . .\n"
    ". . . . . . . .\n";

// Black men on (4, 3) and (3, 4); red men on (5, 2) and (5, 4).
constexpr std::string_view kBlackMen =
    ". . . . . . . .\n"
    ". . . . r . . .\n"
    ". . . b . . . .\n"
    ". . b . r . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// The same with a black king on (4, 3).
constexpr std::string_view kBlackKing =
    ". . . . . . . .\n"
    ". . . . r . . .\n"
    ". . . B . . . .\n"
    ". . b . r . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// Black(0) on (4, 5) beside Red(0) on (3, 6): opponents with the same index.
constexpr std::string_view kSameIndex =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . r . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// Red's jump from (3, 6) over (4, 5) would land on the black man on (5, 4).
constexpr std::string_view kLandingTaken =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . b . . .\n"
    ". . . b . . . .\n"
    ". . r . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

struct DropCase {
    const char *name;
    std::string_view before;
    bool redToMove;
    Cell from, to;
    std::string_view after; // Refused: the drop changes nothing
};

const DropCase kDrops[] = {
    // Red men move towards row 1.
    {"red man steps up-left", kRedMen, RedToMove, {3, 6}, {2, 5},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". r . b . r . .\n"
     ". . . . . . r .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"},
    {"red man steps up-right", kRedMen, RedToMove, {7, 6}, {8, 5},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . r . r\n"
     ". . r . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"},
    {"red man jumps a black man and takes it", kRedMen, RedToMove, {3, 6}, {5, 4},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . r . . .\n"
     ". . . . . r . .\n"
     ". . . . . . r .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"},
    {"red man may not step onto a black piece", kRedMen, RedToMove, {3, 6}, {4, 5}, Refused},
    {"red man may not step onto a red piece", kRedMen, RedToMove, {7, 6}, {6, 5}, Refused},
    {"red man may not step down-left", kRedMen, RedToMove, {3, 6}, {2, 7}, Refused},
    {"red man may not step down-right", kRedMen, RedToMove, {7, 6}, {8, 7}, Refused},
    {"red man may not jump backwards over a black piece", kRedMen, RedToMove, {3, 6}, {5, 8}, Refused},
    {"red man may not jump its own colour", kRedMen, RedToMove, {7, 6}, {5, 4}, Refused},
    {"red man may not jump an empty cell", kRedMen, RedToMove, {3, 6}, {1, 4}, Refused},
    {"red man may not jump onto an occupied cell", kLandingTaken, RedToMove, {3, 6}, {5, 4}, Refused},
    {"a jump landing three cells out is refused", kRedMen, RedToMove, {3, 6}, {6, 3}, Refused},
    {"a jump landing two across and four up is refused", kRedMen, RedToMove, {3, 6}, {5, 2}, Refused},
    {"two rows up and none across is refused", kRedMen, RedToMove, {3, 6}, {3, 4}, Refused},
    {"two columns across and no row is refused", kRedMen, RedToMove, {3, 6}, {5, 6}, Refused},
    {"one column across and three rows up is refused", kRedMen, RedToMove, {3, 6}, {2, 3}, Refused},

    // A red king moves both ways.
    {"red king steps down-left", kRedKing, RedToMove, {3, 6}, {2, 7},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . r . .\n"
     ". . . . . . r .\n"
     ". R . b . . . .\n"
     ". . . . . . . .\n"},
    {"red king jumps backwards", kRedKing, RedToMove, {3, 6}, {5, 8},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . r . .\n"
     ". . . . . . r .\n"
     ". . . . . . . .\n"
     ". . . . R . . .\n"},
    {"red king jumps forwards", kRedKing, RedToMove, {3, 6}, {5, 4},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . R . . .\n"
     ". . . . . r . .\n"
     ". . . . . . r .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"},
    {"red king may not step onto a black piece", kRedKing, RedToMove, {3, 6}, {4, 7}, Refused},
    {"red king may not move two rows straight down", kRedKing, RedToMove, {3, 6}, {3, 8}, Refused},
    {"red king may not jump an empty cell backwards", kRedKing, RedToMove, {3, 6}, {1, 8}, Refused},

    // Black men move towards row 8.
    {"black man steps down-left", kBlackMen, BlackToMove, {3, 4}, {2, 5},
     ". . . . . . . .\n"
     ". . . . r . . .\n"
     ". . . b . . . .\n"
     ". . . . r . . .\n"
     ". b . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"black man jumps a red man and takes it", kBlackMen, BlackToMove, {4, 3}, {6, 5},
     ". . . . . . . .\n"
     ". . . . r . . .\n"
     ". . . . . . . .\n"
     ". . b . . . . .\n"
     ". . . . . b . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"black man may not step onto a black piece", kBlackMen, BlackToMove, {4, 3}, {3, 4}, Refused},
    {"black man may not step onto a red piece", kBlackMen, BlackToMove, {4, 3}, {5, 4}, Refused},
    {"black man may not step up", kBlackMen, BlackToMove, {4, 3}, {3, 2}, Refused},
    {"black man may not jump backwards over a red piece", kBlackMen, BlackToMove, {4, 3}, {6, 1}, Refused},
    {"black man may not jump its own colour", kBlackMen, BlackToMove, {4, 3}, {2, 5}, Refused},
    {"black man may not jump an empty cell", kBlackMen, BlackToMove, {3, 4}, {1, 6}, Refused},
    {"black jump landing three cells out is refused", kBlackMen, BlackToMove, {4, 3}, {7, 6}, Refused},

    // A black king moves both ways.
    {"black king steps up", kBlackKing, BlackToMove, {4, 3}, {3, 2},
     ". . . . . . . .\n"
     ". . B . r . . .\n"
     ". . . . . . . .\n"
     ". . b . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"black king jumps backwards", kBlackKing, BlackToMove, {4, 3}, {6, 1},
     ". . . . . B . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . b . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"black king may not jump its own colour", kBlackKing, BlackToMove, {4, 3}, {2, 5}, Refused},
    {"black king may not move two columns straight across", kBlackKing, BlackToMove, {4, 3}, {6, 3}, Refused},

    // The occupied-square test tells the colours apart, not just the indexes.
    {"Red(0) may not step onto Black(0)", kSameIndex, RedToMove, {3, 6}, {4, 5}, Refused},
    {"Black(0) may not step onto Red(0)", kSameIndex, BlackToMove, {4, 5}, {3, 6}, Refused},
};

struct Scale {
    int x, y; // twips per pixel across and down
};

// The standard screen, a large-font screen, and screens whose two ratios differ.
constexpr Scale kScales[] = {{15, 15}, {12, 12}, {15, 12}, {12, 15}};

TEST(HumanMoveRules, AcceptsOnlyLegalStepsAndJumps)
{
    for (const Scale scale : kScales) {
        for (const DropCase &c : kDrops) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(scale.x) + " x " + std::to_string(scale.y) +
                         " twips per pixel");
            Board board = boardFromPicture(c.before, c.redToMove, scale.x, scale.y);
            const PieceRef dragged = *pieceAt(board, c.from);
            const Piece origin = board.piece(dragged);
            Board expected = board;

            const DropResult result = board.Square_DragDrop(squareOf(c.to), dragged, false);

            if (c.after == Refused) {
                EXPECT_EQ(result, DropResult::Refused);
                // The origin is remembered before the checks; nothing else may change.
                expected.intOldLeft = static_cast<std::int16_t>(origin.Left);
                expected.intOldTop = static_cast<std::int16_t>(origin.Top);
                EXPECT_EQ(board, expected) << "after the drop:\n" << piecesPicture(board) << boardPicture(board);
            } else {
                EXPECT_EQ(result, DropResult::Completed);
                EXPECT_EQ(piecesPicture(board), c.after);
                EXPECT_EQ(boardPicture(board), c.after);
                EXPECT_EQ(pieceAt(board, c.to), dragged);
                EXPECT_EQ(board.blnCurrentPlayer, c.redToMove) << "the board alone never passes the turn";
                EXPECT_EQ(consistencyProblems(board), std::vector<std::string>{});
            }
        }
    }
}

TEST(HumanMoveRules, ACompletedMovePrintsTheBoardAndPassesTheTurn)
{
    GameRig rig;
    rig.setPosition(kRedMen);
    rig.drag({3, 6}, {2, 5});
    EXPECT_EQ(rig.screen.dumps, 1);
    EXPECT_EQ(rig.screen.dump, rig.game.board.PrintBoard());
    EXPECT_FALSE(rig.game.board.blnCurrentPlayer);
    EXPECT_EQ(rig.game.board.lblPlayer, "Black's");
    EXPECT_TRUE(rig.screen.messages.empty());
}

TEST(HumanMoveRules, ARefusedDropPrintsNothingAndKeepsTheTurn)
{
    for (const DropCase &c : kDrops) {
        if (c.after != Refused)
            continue;
        SCOPED_TRACE(c.name);
        GameRig rig;
        rig.setPosition(c.before, c.redToMove);
        const PieceRef dragged = rig.at(c.from);
        Board expected = rig.game.board;
        expected.intOldLeft = static_cast<std::int16_t>(expected.piece(dragged).Left);
        expected.intOldTop = static_cast<std::int16_t>(expected.piece(dragged).Top);

        rig.drag(c.from, c.to);

        EXPECT_EQ(rig.game.board, expected);
        EXPECT_EQ(rig.screen.dumps, 0);
        EXPECT_EQ(rig.screen.pauses, 0);
        EXPECT_TRUE(rig.screen.messages.empty());
    }
}

TEST(HumanMoveRules, DroppingBackOnItsOwnSquareChangesNothing)
{
    for (const bool redToMove : {RedToMove, BlackToMove}) {
        SCOPED_TRACE(redToMove ? "red man" : "black man");
        GameRig rig;
        rig.setPosition(kRedMen, redToMove);
        const Cell from = redToMove ? Cell{3, 6} : Cell{4, 5};
        const PieceRef dragged = rig.at(from);
        Board expected = rig.game.board;
        expected.intOldLeft = static_cast<std::int16_t>(expected.piece(dragged).Left);
        expected.intOldTop = static_cast<std::int16_t>(expected.piece(dragged).Top);

        EXPECT_EQ(rig.game.board.Square_DragDrop(squareOf(from), dragged, false), DropResult::Unchanged);
        EXPECT_EQ(rig.game.board, expected);

        rig.drag(from, from); // through the game: no dump, no turn change
        EXPECT_EQ(rig.game.board, expected);
        EXPECT_TRUE(rig.game.board.piece(dragged).Visible);
        EXPECT_EQ(rig.screen.dumps, 0);
    }
}

TEST(HumanMoveRules, ACaptureClearsTheTakenPieceAndParksIt)
{
    Board board = boardFromPicture(kRedMen, RedToMove, 12, 15);
    board.blnBlackKing[0] = true; // the taken piece keeps its flag until the next game
    const PieceRef taken = *pieceAt(board, {4, 5});
    ASSERT_EQ(taken, (PieceRef{Colour::Black, 0}));

    ASSERT_EQ(board.Square_DragDrop(squareOf({5, 4}), *pieceAt(board, {3, 6}), false), DropResult::Completed);

    const Piece &p = board.piece(taken);
    EXPECT_FALSE(p.Visible);
    EXPECT_EQ(p.Left, 532 * 12);
    EXPECT_EQ(p.Top, 35 * 15);
    EXPECT_EQ(board.intBoard(4, 5), Empty);
    EXPECT_TRUE(board.blnBlackKing[0]);
}

struct CrownCase {
    const char *name;
    std::string_view before;
    bool redToMove;
    Cell from, to;
    std::int16_t value; // what intBoard then holds on `to`
};

const CrownCase kCrownings[] = {
    {"red man steps onto row 1",
     ". . . . . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n",
     RedToMove, {3, 2}, {4, 1}, RedKing},
    {"red man jumps onto row 1",
     ". . . . . . . .\n"
     ". . b . . . . .\n"
     ". . . r . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . b . . .\n",
     RedToMove, {4, 3}, {2, 1}, RedKing},
    {"black man steps onto row 8",
     ". r . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n",
     BlackToMove, {4, 7}, {3, 8}, BlackKing},
    {"black man jumps onto row 8",
     ". r . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . b . . . . .\n"
     ". . . r . . . .\n"
     ". . . . . . . .\n",
     BlackToMove, {3, 6}, {5, 8}, BlackKing},
};

TEST(HumanMoveRules, AManReachingTheFarRowIsCrowned)
{
    for (const Scale scale : kScales) {
        for (const CrownCase &c : kCrownings) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(scale.x) + " x " + std::to_string(scale.y) +
                         " twips per pixel");
            Board board = boardFromPicture(c.before, c.redToMove, scale.x, scale.y);
            const PieceRef man = *pieceAt(board, c.from);

            ASSERT_EQ(board.Square_DragDrop(squareOf(c.to), man, false), DropResult::Completed);

            EXPECT_TRUE(board.isKing(man));
            EXPECT_EQ(board.piece(man).picture, c.redToMove ? Picture::RedKing : Picture::BlackKing);
            EXPECT_EQ(board.intBoard(c.to), c.value);
            EXPECT_EQ(pieceAt(board, c.to), man);
            EXPECT_EQ(consistencyProblems(board), std::vector<std::string>{});
        }
    }
}

TEST(HumanMoveRules, AManOneRowShortOfTheFarRowStaysAMan)
{
    Board board = boardFromPicture(
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . r . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n"
        ". . . . . . b .\n"
        ". . . . . . . .\n"
        ". . . . . . . .\n",
        RedToMove);
    const PieceRef redMan = *pieceAt(board, {4, 3});
    const PieceRef blackMan = *pieceAt(board, {7, 6});
    ASSERT_EQ(board.Square_DragDrop(squareOf({3, 2}), redMan, false), DropResult::Completed);
    board.blnCurrentPlayer = false;
    ASSERT_EQ(board.Square_DragDrop(squareOf({8, 7}), blackMan, false), DropResult::Completed);

    EXPECT_EQ(piecesPicture(board),
              ". . . . . . . .\n"
              ". . r . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . b\n"
              ". . . . . . . .\n");
    EXPECT_EQ(board.piece(redMan).picture, Picture::Red);
    EXPECT_EQ(board.piece(blackMan).picture, Picture::Black);
    EXPECT_EQ(board.intBoard(3, 2), RedMan);
    EXPECT_EQ(board.intBoard(8, 7), BlackMan);
}

} // namespace
} // namespace jumpline
