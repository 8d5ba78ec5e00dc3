// The computer's move inside the game: the hand-over after Red's move, the turn given
// back, and the end of a game that the computer's move (or its lack of one) decides.
#include "game/Game.h"
#include "support/ComputerRun.h"
#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace jumpline {
namespace {

using testing::ComputerSetup;
using testing::RedPiece;

std::int16_t square(Cell cell) { return static_cast<std::int16_t>(squareIndex(cell)); }

class ComputerHandOver : public ::testing::Test {
protected:
    ComputerHandOver()
    {
        settings.opponent = Settings::Opponent::Computer;
        random.setFallback(0.5);
        screen.duringPause = [this] { atPauses.push_back(game.board); };
        screen.onMessage = [this](const std::string &) { atMessages.push_back(game.board); };
    }

    void setPosition(const char *picture) { game.board = ComputerSetup(picture).redToMove(true).board; }

    void expectFreshGame()
    {
        EXPECT_EQ(testing::boardPicture(game.board), testing::kOpeningPicture);
        EXPECT_EQ(testing::piecesPicture(game.board), testing::kOpeningPicture);
        EXPECT_TRUE(game.board.blnCurrentPlayer);
        EXPECT_EQ(game.board.lblPlayer, "Red's");
        EXPECT_EQ(game.board.intAIMoves, 0);
        EXPECT_FALSE(game.blnGameOver);
        for (std::size_t i = 0; i < PieceCount; ++i) {
            EXPECT_TRUE(game.board.Red[i].Enabled);
            EXPECT_FALSE(game.board.Black[i].Enabled);
            EXPECT_FALSE(game.board.blnBlackKing[i]);
        }
    }

    Settings settings;
    testing::ScriptedRandom random;
    testing::FakeScreen screen;
    Game game{settings, random, screen};
    std::vector<Board> atPauses;
    std::vector<Board> atMessages;
};

TEST_F(ComputerHandOver, TurnComesBackToRedAfterTheComputersMove)
{
    game.NewGame();
    game.Square_DragDrop(square({4, 5}), RedPiece(9)); // from (3, 6)

    ASSERT_EQ(atPauses.size(), 1u);
    EXPECT_EQ(atPauses[0].lblPlayer, "Black's") << "the turn display during the computer's pause";
    EXPECT_FALSE(atPauses[0].blnCurrentPlayer);
    for (std::size_t i = 0; i < PieceCount; ++i)
        EXPECT_FALSE(atPauses[0].Red[i].Enabled || atPauses[0].Black[i].Enabled) << "a piece may be dragged";

    std::vector<Board> positions = atPauses;
    positions.push_back(game.board);
    EXPECT_TRUE(testing::computerMoveProblems(positions).empty())
        << testing::linesOf(testing::computerMoveProblems(positions));

    EXPECT_TRUE(game.board.blnCurrentPlayer);
    EXPECT_EQ(game.board.lblPlayer, "Red's");
    EXPECT_EQ(game.board.intAIMoves, 1);
    EXPECT_EQ(screen.dumps, 2) << "one dump after Red's move, one after the computer's";
    EXPECT_NE(screen.dump.find("AI Moves =  1"), std::string::npos);
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_TRUE(testing::consistencyProblems(game.board).empty())
        << testing::linesOf(testing::consistencyProblems(game.board));
}

TEST_F(ComputerHandOver, ComputerTakingRedsLastPieceWinsAndANewGameFollows)
{
    setPosition(". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . b . . . .\n"
                ". . . . . . . .\n"
                ". . . . . r . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n");
    game.Square_DragDrop(square({5, 4}), RedPiece(0)); // from (6, 5), into the black man's reach

    EXPECT_EQ(screen.messages, std::vector<std::string>{"Black is the victor!"});
    ASSERT_EQ(atMessages.size(), 1u);
    EXPECT_EQ(testing::boardPicture(atMessages[0]), ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . b . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n");
    EXPECT_EQ(screen.pauses, 2) << "a single capture: the move's pause and one multi-jump cycle";
    expectFreshGame();
}

TEST_F(ComputerHandOver, ComputerWithoutAMoveEndsTheGameWithoutHandingTheTurnBack)
{
    // The black man on (1, 6) is hemmed in by (2, 7), which it can't jump.
    setPosition(". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                "b . . . . . . .\n"
                ". r . . . r . .\n"
                ". . r . . . . .\n");
    game.Square_DragDrop(square({5, 6}), RedPiece(1)); // from (6, 7)

    EXPECT_EQ(screen.messages, std::vector<std::string>{"Black can't move. Red is the victor!"});
    ASSERT_EQ(atMessages.size(), 1u);
    EXPECT_FALSE(atMessages[0].blnCurrentPlayer) << "the message comes during Black's turn";
    EXPECT_EQ(screen.pauses, 1);
    EXPECT_EQ(screen.dumps, 1) << "no dump of the old position after the computer's turn";
    expectFreshGame();
}

TEST_F(ComputerHandOver, RedTakingBlacksLastPieceGetsNoReply)
{
    setPosition(". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n"
                ". . . b . . . .\n"
                ". . . . r . . .\n"
                ". . . . . . . .\n"
                ". . . . . . . .\n");
    game.Square_DragDrop(square({3, 4}), RedPiece(0)); // from (5, 6) over (4, 5)

    EXPECT_EQ(screen.messages, std::vector<std::string>{"Red is the victor!"});
    EXPECT_EQ(screen.pauses, 0) << "the computer moved after losing its last piece";
    EXPECT_TRUE(random.used.empty());
    expectFreshGame();
}

TEST_F(ComputerHandOver, ReleasingMultiJumpHandsOverToTheComputer)
{
    // Red's man on (6, 7) takes (5, 6) and (5, 4), landing on (6, 3) beside the black man
    // on (7, 2), which takes it once the button is released.
    setPosition(". . . . . . . .\n"
                ". . . . . . b .\n"
                ". . . . . . . .\n"
                ". . . . b . . .\n"
                ". . . . . . . .\n"
                ". . . . b . . .\n"
                ". . . . . r . .\n"
                ". . . . . . . .\n");
    game.SetMultiJump(true);
    game.Square_DragDrop(square({4, 5}), RedPiece(0));
    game.Square_DragDrop(square({6, 3}), RedPiece(0));
    EXPECT_EQ(screen.pauses, 0) << "the computer moved while Multi Jump was pressed";
    EXPECT_EQ(game.board.intJumpCount, 2);

    game.SetMultiJump(false);
    EXPECT_EQ(screen.pauses, 2);
    EXPECT_EQ(screen.messages, std::vector<std::string>{"Black is the victor!"});
    ASSERT_EQ(atMessages.size(), 1u);
    EXPECT_EQ(testing::boardPicture(atMessages[0]), ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . b . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n"
                                                     ". . . . . . . .\n");
    expectFreshGame();
}

} // namespace
} // namespace jumpline
