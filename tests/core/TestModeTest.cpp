// Test mode: the switch, free placement of either colour without rules, the "Delete"
// square, and the access code that opens the test window.
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace jumpline {
namespace {

using testing::boardPicture;
using testing::GameRig;
using testing::pieceAt;
using testing::squareOf;
using Opponent = Settings::Opponent;

// A red man on (3, 6), a red king on (6, 3), a black man on (4, 5), a black king on (5, 2).
constexpr std::string_view kPlacement =
    ". . . . . . . .\n"
    ". . . . B . . .\n"
    ". . . . . R . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . r . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

struct ToggleCase {
    const char *name;
    Opponent opponent;
    bool redToMove;
};

const ToggleCase kToggles[] = {
    {"Red to move against a human", Opponent::Human, true},
    {"Black to move against a human", Opponent::Human, false},
    {"Red to move against the computer", Opponent::Computer, true},
    {"Black to move against the computer", Opponent::Computer, false},
};

TEST(TestModeSwitch, OnEnablesEveryPieceOffDisablesTheSideNotOnMove)
{
    for (const ToggleCase &c : kToggles) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent);
        rig.setPosition(kPlacement, c.redToMove);
        Board &board = rig.game.board;
        const Board before = board;

        rig.game.cmdTestMode_Click();

        EXPECT_TRUE(rig.settings.blnTestMode);
        EXPECT_TRUE(board.DeleteVisible);
        EXPECT_TRUE(board.DeleteEnabled);
        for (std::size_t i = 0; i < PieceCount; ++i) {
            EXPECT_TRUE(board.Red[i].Enabled);
            EXPECT_TRUE(board.Black[i].Enabled);
            // Enabling shows nothing and moves nothing: captured pieces stay parked.
            EXPECT_EQ(board.Red[i].Visible, before.Red[i].Visible);
            EXPECT_EQ(board.Black[i].Left, before.Black[i].Left);
        }

        rig.game.cmdTestMode_Click();

        EXPECT_FALSE(rig.settings.blnTestMode);
        EXPECT_FALSE(board.DeleteVisible);
        EXPECT_FALSE(board.DeleteEnabled);
        for (std::size_t i = 0; i < PieceCount; ++i) {
            EXPECT_EQ(board.Red[i].Enabled, c.redToMove) << "Red(" << i << ")";
            EXPECT_EQ(board.Black[i].Enabled, !c.redToMove) << "Black(" << i << ")";
        }
        EXPECT_EQ(board.blnCurrentPlayer, c.redToMove);
        EXPECT_EQ(rig.screen.dumps, 0);
    }
}

TEST(TestModeSwitch, ClosingTheTestWindowSwitchesTestModeOff)
{
    GameRig rig;
    rig.setPosition(kPlacement, false);
    const Board before = rig.game.board;

    rig.game.TestWindowClosing(); // test mode is off: nothing changes
    EXPECT_EQ(rig.game.board, before);
    EXPECT_FALSE(rig.settings.blnTestMode);

    rig.game.cmdTestMode_Click();
    rig.game.TestWindowClosing();
    EXPECT_FALSE(rig.settings.blnTestMode);
    EXPECT_FALSE(rig.game.board.DeleteVisible);
    EXPECT_FALSE(rig.game.board.DeleteEnabled);
    EXPECT_EQ(rig.game.board, before);
}

struct PlacementCase {
    const char *name;
    Cell from, to;
    std::string_view after; // intBoard afterwards
};

const PlacementCase kPlacements[] = {
    {"a red man anywhere, even backwards", {3, 6}, {4, 7},
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . R . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . r . . . .\n"
     ". . . . . . . .\n"},
    {"a red man onto row 1 is not crowned", {3, 6}, {2, 1},
     ". r . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . R . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"a red man past a black one takes nothing", {3, 6}, {5, 4},
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . R . .\n"
     ". . . . r . . .\n"
     ". . . b . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"a red king far away", {6, 3}, {1, 8},
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     "R . . . . . . .\n"},
    {"a black man during Red's turn", {4, 5}, {2, 3},
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". b . . . R . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"a black man onto row 8 is not crowned", {4, 5}, {7, 8},
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . R . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . b .\n"},
    {"a black king", {5, 2}, {8, 5},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . R . .\n"
     ". . . . . . . .\n"
     ". . . b . . . B\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"a red man onto a black piece: the cell takes the red man", {3, 6}, {4, 5},
     ". . . . . . . .\n"
     ". . . . B . . .\n"
     ". . . . . R . .\n"
     ". . . . . . . .\n"
     ". . . r . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"a black king onto a red king", {5, 2}, {6, 3},
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . B . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . r . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"},
    {"back on its own square", {4, 5}, {4, 5}, kPlacement},
};

TEST(TestModePlacement, PutsAnyPieceOnAnySquareWithoutRules)
{
    for (const Opponent opponent : {Opponent::Human, Opponent::Computer}) {
        for (const PlacementCase &c : kPlacements) {
            SCOPED_TRACE(c.name);
            GameRig rig(opponent);
            rig.setPosition(kPlacement);
            rig.game.cmdTestMode_Click();
            Board &board = rig.game.board;
            const PieceRef dragged = rig.at(c.from);
            const Board before = board;

            rig.drag(c.from, c.to);

            EXPECT_EQ(boardPicture(board), c.after);
            // The piece stands on its square; every other piece is where it was.
            EXPECT_EQ(testing::cellOfPiece(board, dragged), c.to);
            EXPECT_EQ(board.isKing(dragged), before.isKing(dragged)) << "no crowning";
            EXPECT_EQ(board.piece(dragged).picture, before.piece(dragged).picture);
            for (std::int16_t i = 0; i < PieceCount; ++i) {
                for (const Colour colour : {Colour::Red, Colour::Black}) {
                    const PieceRef other{colour, i};
                    if (other != dragged) {
                        EXPECT_EQ(board.piece(other), before.piece(other));
                    }
                }
            }
            // No turn change and no computer reply; the dump follows every drop.
            EXPECT_TRUE(board.blnCurrentPlayer);
            EXPECT_EQ(board.lblPlayer, "Red's");
            EXPECT_EQ(rig.screen.pauses, 0);
            EXPECT_EQ(rig.screen.dumps, 1);
            EXPECT_EQ(rig.screen.dump, board.PrintBoard());
            EXPECT_TRUE(rig.screen.messages.empty());
        }
    }
}

TEST(TestModePlacement, DeleteTakesAPieceOffTheBoard)
{
    for (const int twips : {15, 12}) {
        for (const Cell from : {Cell{6, 3}, Cell{4, 5}}) {
            SCOPED_TRACE(std::to_string(twips) + " twips per pixel, piece on " + std::to_string(from.col) + ", " +
                         std::to_string(from.row));
            GameRig rig;
            rig.setPosition(kPlacement, true, twips);
            rig.game.cmdTestMode_Click();
            Board &board = rig.game.board;
            const PieceRef dragged = rig.at(from);
            const bool king = board.isKing(dragged);
            BoardArray cells = board.intBoard;
            cells(from) = Empty;

            rig.game.Square_DragDrop(DeleteSquare, dragged);

            const Piece &p = board.piece(dragged);
            EXPECT_FALSE(p.Visible);
            EXPECT_EQ(p.Left, 532 * twips);
            EXPECT_EQ(p.Top, 35 * twips);
            EXPECT_EQ(board.intBoard, cells);
            EXPECT_EQ(board.isKing(dragged), king) << "the king flag stays";
            EXPECT_TRUE(board.blnCurrentPlayer);
            EXPECT_EQ(rig.screen.dumps, 1);
            EXPECT_EQ(rig.screen.pauses, 0);
        }
    }
}

TEST(TestModePlacement, MovesFollowTheRulesAgainOnceItIsOff)
{
    GameRig rig;
    rig.setPosition(kPlacement);
    rig.game.cmdTestMode_Click();
    rig.game.cmdTestMode_Click();
    const PieceRef man = rig.at({3, 6});
    rig.drag({3, 6}, {4, 7}); // backwards: refused
    EXPECT_EQ(testing::cellOfPiece(rig.game.board, man), (Cell{3, 6}));
    EXPECT_EQ(rig.screen.dumps, 0);
}

struct CodeCase {
    const char *typed;
    bool opens;
};

const CodeCase kCodes[] = {
    {"KROV", true},   {"krov", true},    {"KrOv", true},   {"kROV", true},  {"krOV", true},
    {"KROV ", false}, {" KROV", false},  {"KROVX", false}, {"KRO", false},  {"", false},
    {"KROW", false},  {"K ROV", false},  {"XKROV", false}, {"ROV", false},  {"KROV\n", false},
    {"VORK", false},  {"KROVKROV", false},
};

TEST(AccessCode, AcceptsTheCodeInAnyCaseAndNothingElse)
{
    for (const CodeCase &c : kCodes) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        EXPECT_EQ(IsAccessCode(c.typed), c.opens);
    }
}

} // namespace
} // namespace jumpline
