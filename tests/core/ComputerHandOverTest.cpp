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

using testing::boardPicture;

// Red's drop hands over to the computer: "Black's" is shown during its pause; then the
// turn comes back to Red, or, where the computer's move decides the game, a new game starts.
TEST(ComputerHandOver, RedsDropIsAnsweredAndTheTurnOrANewGameFollows)
{
    const struct {
        const char *name;
        int firstRow;
        const char *rows;
        Cell from, to;
        std::vector<std::string> messages;
        int pauses;
        int dumps; // after Red's move, and after the computer's unless it could not move
        bool newGame;
    } cases[] = {
        {"the computer steps", 1, testing::kOpeningPicture.data(), {3, 6}, {4, 5}, {}, 1, 2, false},
        {"the computer takes Red's last piece", 3, ". . . b . . . ."
                                                   ". . . . . . . ."
                                                   ". . . . . r . .", {6, 5}, {5, 4}, {"Black is the victor!"}, 2, 2,
         true},
        // The black man on (1, 6) is hemmed in by (2, 7), which it can't jump.
        {"the computer cannot move", 6, "b . . . . . . ."
                                        ". r . . . r . ."
                                        ". . r . . . . .", {6, 7}, {5, 6}, {"Black can't move. Red is the victor!"}, 1,
         1, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        settings.opponent = Settings::Opponent::Computer;
        testing::ScriptedRandom random;
        random.setFallback(0.5);
        testing::FakeScreen screen;
        Game game{settings, random, screen};
        std::vector<std::string> shownAtPauses;
        screen.duringPause = [&] { shownAtPauses.push_back(game.board.lblPlayer); };
        game.board = testing::ComputerSetup(c.rows, c.firstRow).aiMoves(0).redToMove(true).board;
        game.Square_DragDrop(testing::squareOf(c.to), *testing::pieceAt(game.board, c.from));

        EXPECT_EQ(shownAtPauses, std::vector<std::string>(static_cast<std::size_t>(c.pauses), "Black's"));
        EXPECT_EQ(screen.messages, c.messages);
        EXPECT_EQ(screen.dumps, c.dumps);
        EXPECT_EQ(boardPicture(game.board) == testing::kOpeningPicture, c.newGame);
        EXPECT_EQ(boardPicture(game.board), testing::piecesPicture(game.board));
        EXPECT_EQ(game.board.intAIMoves, c.newGame ? 0 : 1);
        EXPECT_TRUE(game.board.blnCurrentPlayer);
        EXPECT_EQ(game.board.lblPlayer, "Red's");
        EXPECT_FALSE(game.blnGameOver);
    }
}

} // namespace
} // namespace jumpline
