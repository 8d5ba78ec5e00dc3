// Several captures in one turn: the Multi Jump button, the drops that keep or end the
// sequence, and the guard that refuses Reset, Exit and Multi Jump during the computer's turn.
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace jumpline {
namespace {

using testing::boardPicture;
using testing::consistencyProblems;
using testing::GameRig;
using testing::kOpeningPicture;
using testing::piecesPicture;
using Opponent = Settings::Opponent;

// Red(0) on (2, 7) can take Black(2) on (3, 6) and then Black(1) on (5, 4); Red(1) on (7, 8)
// is another piece; Black(0) on (8, 1) keeps Black in the game.
constexpr std::string_view kDoubleJump =
    ". . . . . . . b\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . b . . .\n"
    ". . . . . . . .\n"
    ". . b . . . . .\n"
    ". r . . . . . .\n"
    ". . . . . . r .\n";

constexpr std::string_view kAfterBothJumps =
    ". . . . . . . b\n"
    ". . . . . . . .\n"
    ". . . . . r . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . r .\n";

constexpr std::string_view kAfterFirstJump =
    ". . . . . . . b\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . b . . .\n"
    ". . . r . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . r .\n";

void expectReleased(const Board &board)
{
    EXPECT_EQ(board.optMultiJump.Value, 0);
    EXPECT_EQ(board.optMultiJump.ForeColor, CaptionColour::Black);
}

void expectBlackToMove(const Board &board)
{
    EXPECT_FALSE(board.blnCurrentPlayer);
    EXPECT_EQ(board.lblPlayer, "Black's");
    EXPECT_EQ(board.intJumpCount, 0);
}

TEST(MultiJump, PressJumpJumpThenAnotherPieceEndsTheTurnWithThatPieceInPlace)
{
    GameRig rig;
    rig.setPosition(kDoubleJump);
    Board &board = rig.game.board;

    rig.game.SetMultiJump(true);
    EXPECT_EQ(board.optMultiJump.ForeColor, CaptionColour::Red);

    rig.drag({2, 7}, {4, 5});
    EXPECT_EQ(board.intJumpCount, 1);
    EXPECT_EQ(board.intJumpPiece, 0);
    EXPECT_TRUE(board.blnCurrentPlayer) << "a capture with Multi Jump pressed keeps Red on move";
    EXPECT_EQ(board.optMultiJump.Value, 1);
    EXPECT_EQ(boardPicture(board), kAfterFirstJump);
    EXPECT_EQ(rig.screen.dumps, 1);

    rig.drag({4, 5}, {6, 3});
    EXPECT_EQ(board.intJumpCount, 2);
    EXPECT_TRUE(board.blnCurrentPlayer);
    EXPECT_EQ(rig.screen.dumps, 2);

    // Red(1) is dragged to a free cell it could otherwise step to.
    rig.drag({7, 8}, {8, 7});
    EXPECT_EQ(piecesPicture(board), kAfterBothJumps);
    EXPECT_EQ(boardPicture(board), kAfterBothJumps);
    EXPECT_TRUE(board.Red[1].Visible);
    expectReleased(board);
    expectBlackToMove(board);
    EXPECT_EQ(rig.screen.dumps, 3);
    EXPECT_EQ(consistencyProblems(board), std::vector<std::string>{});
}

TEST(MultiJump, AnotherPieceEndsTheSequenceWhereverItIsDropped)
{
    const struct {
        const char *name;
        Cell to;
    } targets[] = {
        {"a cell two rows up, refused as a move", {7, 6}},
        {"its own square", {7, 8}},
        {"a cell held by a red piece", {4, 5}},
    };
    for (const auto &t : targets) {
        SCOPED_TRACE(t.name);
        GameRig rig;
        rig.setPosition(kDoubleJump);
        rig.game.SetMultiJump(true);
        rig.drag({2, 7}, {4, 5});
        rig.drag({7, 8}, t.to);
        EXPECT_EQ(piecesPicture(rig.game.board), kAfterFirstJump);
        EXPECT_EQ(boardPicture(rig.game.board), kAfterFirstJump);
        expectReleased(rig.game.board);
        expectBlackToMove(rig.game.board);
        EXPECT_EQ(rig.screen.dumps, 2);
    }
}

TEST(MultiJump, ARefusedOrUnmovedDropKeepsTheSequenceOpen)
{
    const struct {
        const char *name;
        Cell to;
        int dumps;
    } drops[] = {
        {"back on its own square", {4, 5}, 1},
        {"a jump over an empty cell", {2, 3}, 1},
        {"a man's step backwards", {5, 6}, 1},
    };
    for (const auto &d : drops) {
        SCOPED_TRACE(d.name);
        GameRig rig;
        rig.setPosition(kDoubleJump);
        rig.game.SetMultiJump(true);
        rig.drag({2, 7}, {4, 5});
        rig.drag({4, 5}, d.to);
        EXPECT_EQ(rig.game.board.intJumpCount, 1);
        EXPECT_EQ(rig.game.board.optMultiJump, (MultiJumpButton{1, CaptionColour::Red}));
        EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
        EXPECT_EQ(piecesPicture(rig.game.board), kAfterFirstJump);
        EXPECT_EQ(rig.screen.dumps, d.dumps);
        rig.drag({4, 5}, {6, 3}); // and the second jump is still possible
        EXPECT_EQ(rig.game.board.intJumpCount, 2);
    }
}

TEST(MultiJump, ReleaseInTestModeStillEndsTheTurn)
{
    GameRig rig;
    rig.setPosition(kDoubleJump);
    rig.game.SetMultiJump(true);
    rig.drag({2, 7}, {4, 5});
    rig.game.cmdTestMode_Click();
    rig.game.SetMultiJump(false);
    expectBlackToMove(rig.game.board);
}

TEST(MultiJump, AgainstTheComputerAnotherPieceLetsTheComputerReply)
{
    GameRig rig(Opponent::Computer);
    rig.setPosition(kDoubleJump);
    rig.game.SetMultiJump(true);
    rig.drag({2, 7}, {4, 5});
    rig.drag({4, 5}, {6, 3});
    EXPECT_EQ(rig.screen.pauses, 0);
    rig.drag({7, 8}, {8, 7});
    EXPECT_GE(rig.screen.pauses, 1);
    EXPECT_EQ(rig.game.board.intAIMoves, 1);
    EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
    EXPECT_EQ(rig.game.board.lblPlayer, "Red's");
    EXPECT_EQ(consistencyProblems(rig.game.board), std::vector<std::string>{});
}

struct StepCase {
    const char *name;
    std::string_view before;
    Cell from, over, to, step;
};

const StepCase kStepsAfterAJump[] = {
    {"a step after a jump", kDoubleJump, {2, 7}, {3, 6}, {4, 5}, {3, 4}},
    {"a step onto row 1 after a jump", // neither made nor crowned
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . b . . . .\n"
     ". . . . r . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . .\n"
     ". . . . . . . b\n"
     ". . . . . . . .\n",
     {5, 4}, {4, 3}, {3, 2}, {2, 1}},
};

TEST(MultiJump, AStepAfterAJumpIsNotMadeAndEndsTheTurn)
{
    for (const StepCase &c : kStepsAfterAJump) {
        SCOPED_TRACE(c.name);
        GameRig rig;
        rig.setPosition(c.before);
        Board &board = rig.game.board;
        const PieceRef jumper = rig.at(c.from);
        rig.game.SetMultiJump(true);
        rig.drag(c.from, c.to);
        ASSERT_EQ(board.intJumpCount, 1);
        const std::string afterJump = boardPicture(board);
        const auto kings = board.blnRedKing;

        rig.drag(c.to, c.step);

        EXPECT_EQ(testing::cellOfPiece(board, jumper), c.to) << "the piece goes back to where it stood";
        EXPECT_EQ(boardPicture(board), afterJump) << "nothing is written";
        EXPECT_EQ(piecesPicture(board), afterJump);
        EXPECT_EQ(board.blnRedKing, kings);
        EXPECT_EQ(board.piece(jumper).picture, Picture::Red);
        expectReleased(board);
        expectBlackToMove(board);
        EXPECT_EQ(rig.screen.dumps, 2);
    }
}

TEST(MultiJump, PressThenStepMakesTheStepAndEndsTheTurn)
{
    GameRig rig;
    rig.setPosition(kDoubleJump);
    rig.game.SetMultiJump(true);
    rig.drag({7, 8}, {8, 7});
    EXPECT_EQ(boardPicture(rig.game.board),
              ". . . . . . . b\n"
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . b . . .\n"
              ". . . . . . . .\n"
              ". . b . . . . .\n"
              ". r . . . . . r\n"
              ". . . . . . . .\n");
    expectReleased(rig.game.board);
    expectBlackToMove(rig.game.board);
    EXPECT_EQ(rig.screen.dumps, 1);
}

TEST(MultiJump, AJumpWithoutTheButtonEndsTheTurn)
{
    GameRig rig;
    rig.setPosition(kDoubleJump);
    rig.drag({2, 7}, {4, 5});
    EXPECT_EQ(boardPicture(rig.game.board), kAfterFirstJump);
    expectReleased(rig.game.board);
    expectBlackToMove(rig.game.board);
}

TEST(MultiJump, ReleaseAfterACapturePassesTheTurn)
{
    GameRig rig;
    rig.setPosition(kDoubleJump);
    rig.game.SetMultiJump(true);
    rig.drag({2, 7}, {4, 5});
    rig.game.SetMultiJump(false);
    expectReleased(rig.game.board);
    expectBlackToMove(rig.game.board);
    EXPECT_EQ(boardPicture(rig.game.board), kAfterFirstJump);
}

TEST(MultiJump, ReleaseAfterACaptureAgainstTheComputerLetsItReply)
{
    GameRig rig(Opponent::Computer);
    rig.random.setFallback(0.0);
    rig.setPosition(kDoubleJump);
    rig.game.SetMultiJump(true);
    rig.drag({2, 7}, {4, 5});
    ASSERT_EQ(rig.screen.pauses, 0);
    rig.game.SetMultiJump(false);
    EXPECT_GE(rig.screen.pauses, 1);
    EXPECT_EQ(rig.game.board.intAIMoves, 1);
    EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
    EXPECT_EQ(rig.game.board.lblPlayer, "Red's");
    EXPECT_EQ(rig.screen.dumps, 2); // after Red's capture and after the computer's reply
    EXPECT_EQ(consistencyProblems(rig.game.board), std::vector<std::string>{});
}

TEST(MultiJump, ReleaseBeforeAnyCaptureOnlyRecolours)
{
    for (const Opponent opponent : {Opponent::Human, Opponent::Computer}) {
        GameRig rig(opponent);
        rig.setPosition(kDoubleJump);
        const Board before = rig.game.board;
        rig.game.SetMultiJump(true);
        EXPECT_EQ(rig.game.board.optMultiJump, (MultiJumpButton{1, CaptionColour::Red}));
        rig.game.SetMultiJump(false);
        EXPECT_EQ(rig.game.board, before);
        EXPECT_EQ(rig.screen.dumps, 0);
        EXPECT_EQ(rig.screen.pauses, 0);
    }
}

TEST(MultiJump, CrowningDuringASequenceDoesNotEndIt)
{
    // Red(0) on (6, 3) takes (5, 2) onto row 1, is crowned, and as a king takes (3, 2) backwards.
    GameRig rig;
    rig.setPosition(". . . . . . . .\n"
                    ". . b . b . . .\n"
                    ". . . . . r . .\n"
                    ". . . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . . . . . . b\n"
                    "r . . . . . . .\n");
    Board &board = rig.game.board;
    rig.game.SetMultiJump(true);
    rig.drag({6, 3}, {4, 1});
    EXPECT_TRUE(board.blnRedKing[0]);
    EXPECT_EQ(board.Red[0].picture, Picture::RedKing);
    EXPECT_EQ(board.intBoard(4, 1), RedKing);
    EXPECT_EQ(board.intJumpCount, 1);
    EXPECT_TRUE(board.blnCurrentPlayer);
    EXPECT_EQ(board.optMultiJump.Value, 1);

    rig.drag({4, 1}, {2, 3});
    EXPECT_EQ(board.intJumpCount, 2);
    rig.game.SetMultiJump(false);
    EXPECT_EQ(boardPicture(board),
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". R . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . .\n"
              ". . . . . . . b\n"
              "r . . . . . . .\n");
    expectBlackToMove(board);
}

TEST(MultiJump, ReleaseAfterTakingBlacksLastPieceAgainstTheComputerAnnouncesRed)
{
    GameRig rig(Opponent::Computer);
    rig.setPosition(". . . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . . . . . . .\n"
                    ". . b . . . . .\n"
                    ". r . . . . . .\n"
                    ". . . . . . r .\n");
    rig.game.SetMultiJump(true);
    rig.drag({2, 7}, {4, 5});
    EXPECT_TRUE(rig.screen.messages.empty()) << "the game goes on until the button is released";
    rig.game.SetMultiJump(false);
    EXPECT_EQ(rig.screen.messages, std::vector<std::string>{"Red is the victor!"});
    EXPECT_EQ(rig.screen.pauses, 0) << "the computer does not move on a decided game";
    EXPECT_EQ(boardPicture(rig.game.board), kOpeningPicture);
    EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
    EXPECT_FALSE(rig.game.blnGameOver);
}

TEST(MultiJump, ResetDuringAPendingSequenceNeverHandsTheTurnOver)
{
    for (const Opponent opponent : {Opponent::Human, Opponent::Computer}) {
        SCOPED_TRACE(opponent == Opponent::Human ? "against a human" : "against the computer");
        GameRig rig(opponent);
        // Red's capture takes Black's last piece but the sequence is still open.
        rig.setPosition(". . . . . . . .\n"
                        ". . . . . . . .\n"
                        ". . . . . . . .\n"
                        ". . . . . . . .\n"
                        ". . . . . . . .\n"
                        ". . b . . . . .\n"
                        ". r . . . . . .\n"
                        ". . . . . . r .\n");
        rig.game.SetMultiJump(true);
        rig.drag({2, 7}, {4, 5});
        ASSERT_EQ(rig.game.board.intJumpCount, 1);

        rig.game.cmdReset_Click();

        EXPECT_TRUE(rig.screen.messages.empty());
        EXPECT_EQ(rig.screen.pauses, 0);
        EXPECT_EQ(boardPicture(rig.game.board), kOpeningPicture);
        EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
        EXPECT_EQ(rig.game.board.intJumpCount, 0);
        EXPECT_EQ(rig.game.board.intAIMoves, 0);
        EXPECT_FALSE(rig.game.blnGameOver);
        expectReleased(rig.game.board);
    }
}

struct GuardCase {
    const char *name;
    Opponent opponent;
    bool redToMove;
    bool admitted;
};

const GuardCase kGuard[] = {
    {"Red to move against a human", Opponent::Human, true, true},
    {"Black to move against a human", Opponent::Human, false, true},
    {"Red to move against the computer", Opponent::Computer, true, true},
    {"Black to move against the computer", Opponent::Computer, false, false},
};

TEST(ButtonGuard, RefusesClicksOnlyDuringTheComputersTurn)
{
    for (const GuardCase &c : kGuard) {
        SCOPED_TRACE(c.name);
        {
            GameRig rig(c.opponent);
            rig.setPosition(kDoubleJump, c.redToMove);
            EXPECT_EQ(rig.game.ClickAdmitted(), c.admitted);
            rig.game.cmdReset_Click();
            EXPECT_EQ(boardPicture(rig.game.board) == kOpeningPicture, c.admitted) << "Reset";
        }
        {
            GameRig rig(c.opponent);
            rig.setPosition(kDoubleJump, c.redToMove);
            rig.game.cmdExit_Click();
            EXPECT_EQ(rig.screen.ended, c.admitted) << "Exit";
        }
        {
            GameRig rig(c.opponent);
            rig.setPosition(kDoubleJump, c.redToMove);
            rig.game.SetMultiJump(true);
            EXPECT_EQ(rig.game.board.optMultiJump.Value, 1) << "the button toggles in any case";
            EXPECT_EQ(rig.game.board.optMultiJump.ForeColor, c.admitted ? CaptionColour::Red : CaptionColour::Black);
        }
        {
            // A release with captures pending hands the turn over only when admitted.
            GameRig rig(c.opponent);
            rig.random.setFallback(0.0);
            rig.setPosition(kDoubleJump, c.redToMove);
            rig.game.board.optMultiJump = {1, CaptionColour::Red};
            rig.game.board.intJumpCount = 1;
            rig.game.SetMultiJump(false);
            EXPECT_EQ(rig.game.board.optMultiJump.Value, 0);
            EXPECT_EQ(rig.game.board.optMultiJump.ForeColor, c.admitted ? CaptionColour::Black : CaptionColour::Red);
            const bool handedOver = rig.game.board.intJumpCount == 0;
            EXPECT_EQ(handedOver, c.admitted);
        }
    }
}

TEST(ButtonGuard, ClicksDuringTheComputersPauseChangeNothing)
{
    GameRig rig(Opponent::Computer);
    rig.random.setFallback(0.0);
    rig.game.NewGame();
    bool sawPause = false;
    rig.screen.duringPause = [&] {
        if (sawPause)
            return;
        sawPause = true;
        EXPECT_TRUE(rig.game.ComputerToMove());
        EXPECT_EQ(rig.game.board.lblPlayer, "Black's");
        for (const Piece &p : rig.game.board.Red)
            EXPECT_FALSE(p.Enabled);
        rig.game.cmdReset_Click();
        rig.game.cmdExit_Click();
        rig.game.SetMultiJump(true);
        rig.game.cmdTestMode_Click(); // test mode makes every piece draggable...
        rig.drag({1, 6}, {2, 5});     // ...yet a drop during the computer's move is ignored
    };

    rig.drag({3, 6}, {4, 5});

    ASSERT_TRUE(sawPause);
    EXPECT_FALSE(rig.screen.ended);
    EXPECT_FALSE(rig.game.ComputerToMove());
    const Board &board = rig.game.board;
    EXPECT_EQ(board.optMultiJump, (MultiJumpButton{1, CaptionColour::Black}));
    EXPECT_EQ(board.intAIMoves, 1);
    EXPECT_EQ(board.intBoard(4, 5), RedMan) << "Red's move stands: no new game was started";
    EXPECT_EQ(board.intBoard(3, 6), Empty);
    EXPECT_EQ(board.intBoard(1, 6), RedMan) << "the drop in the pause was ignored";
    EXPECT_EQ(board.intBoard(2, 5), Empty);
    EXPECT_TRUE(board.blnCurrentPlayer);
    EXPECT_EQ(consistencyProblems(board, true), std::vector<std::string>{});
}

} // namespace
} // namespace jumpline
