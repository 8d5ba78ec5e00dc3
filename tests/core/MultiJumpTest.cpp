// Several captures in one turn: the Multi Jump button, the drops that keep or end the
// sequence, and the guard that refuses Reset, Exit and Multi Jump during the computer's turn.
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace jumpline::testing {
namespace {

// Red(0) on (6, 5) can take (5, 4), landing on (4, 3), then (3, 2), landing on row 1 and
// crowned; Red(1) on (7, 8) is another piece; the black man on (8, 7) keeps Black in the game.
constexpr std::string_view kDoubleJump = "2 . . b . . . . .\n"
                                         "4 . . . . b . . .\n"
                                         "5 . . . . . r . .\n"
                                         "7 . . . . . . . b\n"
                                         "8 . . . . . . r .\n";
constexpr std::string_view kAfterFirstJump = "2 . . b . . . . .\n"
                                             "3 . . . r . . . .\n"
                                             "7 . . . . . . . b\n"
                                             "8 . . . . . . r .\n";
constexpr std::string_view kAfterBothJumps = "1 . R . . . . . .\n"
                                             "7 . . . . . . . b\n"
                                             "8 . . . . . . r .\n";
// Red's man on (5, 4) can take (4, 3), landing on row 2.
constexpr std::string_view kJumpToRowTwo = "3 . . . b . . . .\n"
                                           "4 . . . . r . . .\n"
                                           "7 . . . . . . . b\n";
constexpr std::string_view kAfterJumpToRowTwo = "2 . . r . . . . .\n"
                                                "7 . . . . . . . b\n";
// Red(1) has stepped from (7, 8) to (6, 7).
constexpr std::string_view kAfterOtherStep = "2 . . b . . . . .\n"
                                             "4 . . . . b . . .\n"
                                             "5 . . . . . r . .\n"
                                             "7 . . . . . r . b\n";

// What the user does, one step at a time.
using Action = std::function<void(GameRig &)>;
const Action Press = [](GameRig &rig) { rig.game.SetMultiJump(true); };
const Action Release = [](GameRig &rig) { rig.game.SetMultiJump(false); };
const Action Reset = [](GameRig &rig) { rig.game.cmdReset_Click(); };
const Action TestMode = [](GameRig &rig) { rig.game.cmdTestMode_Click(); };
Action drag(Cell from, Cell to) { return [=](GameRig &rig) { rig.drag(from, to); }; }
Action setUp(std::string_view picture) { return [=](GameRig &rig) { rig.setPosition(picture); }; }
const Action FirstJump = drag({6, 5}, {4, 3}), SecondJump = drag({4, 3}, {2, 1});

const struct SequenceCase {
    const char *name;
    Opponent opponent;
    std::vector<Action> actions;
    std::string_view after; // intBoard and the pieces; empty: the computer's reply, not checked
    bool redToMove;
    std::int16_t jumpCount;
    MultiJumpButton button;
    int dumps;
    std::int16_t computerMoves;
} kSequences[] = {
    {"press, jump, jump, another piece, even onto its own square: the turn passes", VersusHuman,
     {Press, FirstJump, SecondJump, drag({7, 8}, {7, 8})}, kAfterBothJumps, false, 0, Released, 3, 0},
    {"press, jump, a step onto row 1: neither made nor crowned, the turn passes", VersusHuman,
     {setUp(kJumpToRowTwo), Press, drag({5, 4}, {3, 2}), drag({3, 2}, {2, 1})}, kAfterJumpToRowTwo, false, 0, Released,
     2, 0},
    {"press, jump, a refused drop: the sequence goes on", VersusHuman, {Press, FirstJump, drag({4, 3}, {4, 1})},
     kAfterFirstJump, true, 1, Pressed, 1, 0},
    {"press, a step: made, the turn passes", VersusHuman, {Press, drag({7, 8}, {6, 7})}, kAfterOtherStep, false, 0,
     Released, 1, 0},
    {"press, jump, release: the turn passes", VersusHuman, {Press, FirstJump, Release}, kAfterFirstJump, false, 0,
     Released, 1, 0},
    {"press, jump, test mode on, release: the turn passes", VersusHuman, {Press, FirstJump, TestMode, Release},
     kAfterFirstJump, false, 0, Released, 1, 0},
    {"press, release: only the colour changes", VersusHuman, {Press, Release}, kDoubleJump, true, 0, Released, 0, 0},
    {"against the computer, press, jump, release: it replies", VersusComputer, {Press, FirstJump, Release}, {}, true,
     0, Released, 2, 1},
    {"against the computer, press, jump, Reset: nothing handed over", VersusComputer, {Press, FirstJump, Reset},
     kOpeningPicture, true, 0, Released, 1, 0},
};

TEST(MultiJump, PressedButtonKeepsTheTurnUntilReleasedOrBroken)
{
    for (const SequenceCase &c : kSequences) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent);
        rig.setPosition(kDoubleJump);
        for (const Action &act : c.actions)
            act(rig);
        const Board &board = rig.game.board;
        if (!c.after.empty()) {
            EXPECT_EQ(boardPicture(board), padded(c.after));
        }
        EXPECT_EQ(piecesPicture(board), boardPicture(board));
        EXPECT_EQ(board.blnCurrentPlayer, c.redToMove);
        EXPECT_EQ(board.intJumpCount, c.jumpCount);
        EXPECT_EQ(board.optMultiJump, c.button);
        EXPECT_EQ(rig.screen.dumps, c.dumps);
        EXPECT_EQ(board.intAIMoves, c.computerMoves);
        EXPECT_EQ(rig.screen.pauses > 0, c.computerMoves > 0);
    }
}

TEST(ButtonGuard, AdmitsResetExitAndMultiJumpOnBlacksTurnAgainstAHuman)
{
    GameRig rig;
    rig.setPosition(kDoubleJump, false);
    rig.game.SetMultiJump(true);
    EXPECT_EQ(rig.game.board.optMultiJump, Pressed);
    rig.game.cmdExit_Click();
    EXPECT_TRUE(rig.screen.ended);
    rig.game.cmdReset_Click();
    EXPECT_EQ(boardPicture(rig.game.board), kOpeningPicture);
}

TEST(ButtonGuard, RefusesClicksAndDropsDuringTheComputersPause)
{
    GameRig rig(VersusComputer);
    rig.game.NewGame();
    rig.screen.duringPause = [&] {
        EXPECT_EQ(rig.screen.dump, rig.game.board.PrintBoard()) << "Red's move is shown during the pause";
        rig.game.cmdReset_Click();
        rig.game.cmdExit_Click();
        rig.game.SetMultiJump(true);  // the button toggles; its handler refuses the click
        rig.game.cmdTestMode_Click(); // test mode makes every piece draggable...
        rig.drag({1, 6}, {2, 5});     // ...yet a drop during the computer's move is ignored
    };

    rig.drag({3, 6}, {4, 5});

    const Board &board = rig.game.board;
    EXPECT_EQ(rig.screen.pauses, 1);
    EXPECT_FALSE(rig.screen.ended);
    EXPECT_EQ(board.optMultiJump, (MultiJumpButton{1, CaptionColour::Black}));
    EXPECT_EQ(board.intAIMoves, 1);
    EXPECT_EQ(board.intBoard(4, 5), RedMan) << "no new game was started";
    EXPECT_EQ(board.intBoard(1, 6), RedMan) << "the drop in the pause was ignored";
    EXPECT_TRUE(board.blnCurrentPlayer);
}

} // namespace
} // namespace jumpline::testing
