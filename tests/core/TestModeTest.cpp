// Test mode: the switch, free placement of either colour without rules, the "Delete"
// square, and the access code that opens the test window.
#include "support/GameRig.h"

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

// A black king on (5, 2), a red king on (6, 3), a black man on (4, 5), a red man on (3, 6).
constexpr std::string_view kPlacement = "2 . . . . B . . .\n"
                                        "3 . . . . . R . .\n"
                                        "5 . . . b . . . .\n"
                                        "6 . . r . . . . .\n";

TEST(TestModeSwitch, OnEnablesEveryPieceOffOrClosingDisablesTheSideNotOnMove)
{
    for (const Opponent opponent : {VersusHuman, VersusComputer}) {
        for (const bool redToMove : {true, false}) {
            SCOPED_TRACE(::testing::Message() << (opponent == VersusHuman ? "human" : "computer") << ", Red to move "
                                              << redToMove);
            GameRig rig(opponent);
            rig.setPosition(kPlacement, redToMove);
            Board &board = rig.game.board;
            const std::string pieces = piecesPicture(board);

            rig.game.cmdTestMode_Click();
            EXPECT_TRUE(rig.settings.blnTestMode && board.DeleteVisible && board.DeleteEnabled);
            EXPECT_EQ(enabledCount(board.Red) + enabledCount(board.Black), 24);
            EXPECT_EQ(piecesPicture(board), pieces) << "parked pieces stay hidden";

            rig.game.cmdTestMode_Click();
            EXPECT_FALSE(rig.settings.blnTestMode || board.DeleteVisible || board.DeleteEnabled);
            EXPECT_EQ(enabledCount(board.Red), redToMove ? 12 : 0);
            EXPECT_EQ(enabledCount(board.Black), redToMove ? 0 : 12);
            const Board off = board;
            rig.game.TestWindowClosing(); // with test mode off: nothing changes
            EXPECT_EQ(board, off);
            rig.game.cmdTestMode_Click();
            rig.game.TestWindowClosing(); // with test mode on: switched off
            EXPECT_FALSE(rig.settings.blnTestMode);
            EXPECT_EQ(board, off);
        }
    }
}

TEST(TestModePlacement, PutsAnyPieceOnAnySquareWithoutRules)
{
    constexpr Cell Delete{0, 0};
    const struct { const char *name; Cell from, to; } cases[] = {
        {"a red man backwards", {3, 6}, {4, 7}},
        {"a red man onto row 1, not crowned", {3, 6}, {2, 1}},
        {"a red man past a black one, taking nothing", {3, 6}, {5, 4}},
        {"a red king far away", {6, 3}, {1, 8}},
        {"a black man during Red's turn", {4, 5}, {2, 3}},
        {"a black king", {5, 2}, {8, 5}},
        {"a red man onto a black piece: the cell takes the red man", {3, 6}, {4, 5}},
        {"back on its own square: the cell keeps its value", {4, 5}, {4, 5}},
        {"a king onto Delete: parked, its origin cleared, still a king", {6, 3}, Delete},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        GameRig rig(VersusComputer);
        rig.setPosition(kPlacement, true, 15, 12);
        rig.game.cmdTestMode_Click();
        const PieceRef dragged = rig.at(c.from);
        // Only the dragged piece moves and its symbol goes with it in intBoard: no rule, no
        // capture, no crowning, no turn change and so no reply.
        Board expected = rig.game.board;
        expected.intOldLeft = static_cast<std::int16_t>(expected.piece(dragged).Left);
        expected.intOldTop = static_cast<std::int16_t>(expected.piece(dragged).Top);
        std::string after = padded(kPlacement);
        const char symbol = cellIn(after, c.from);
        cellIn(after, c.from) = '.';
        if (c.to == Delete) {
            rig.game.Square_DragDrop(DeleteSquare, dragged);
            expected.parkPiece(expected.piece(dragged));
        } else {
            rig.drag(c.from, c.to);
            cellIn(after, c.to) = symbol;
            expected.placePiece(dragged, c.to);
        }
        expected.intBoard = boardFromPicture(after).intBoard;
        EXPECT_EQ(rig.game.board, expected);
        EXPECT_EQ(rig.screen.dump, rig.game.board.PrintBoard()) << "the dump follows every drop";
    }
}

TEST(AccessCode, AcceptsTheCodeInAnyCaseAndNothingElse)
{
    for (const char *code : {"KROV", "krov", "KrOv"})
        EXPECT_TRUE(IsAccessCode(code)) << code;
    for (const char *code : {"KROV ", " KROV", "KROVX", "KRO", "", "KROW", "K ROV"})
        EXPECT_FALSE(IsAccessCode(code)) << '"' << code << '"';
}

} // namespace
} // namespace jumpline::testing
