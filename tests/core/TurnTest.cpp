// The turn change, the end of a game and its victor messages, and the hand-over to the
// computer after a human move.
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace jumpline {
namespace {

using testing::boardPicture;
using testing::consistencyProblems;
using testing::GameRig;
using testing::kOpeningPicture;
using Opponent = Settings::Opponent;
using FirstPlayer = Settings::FirstPlayer;

// Both sides have pieces on the board and one captured each.
constexpr std::string_view kMiddleGame =
    ". b . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . . . . . . .\n"
    ". . . r . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . r\n"
    ". . . . . . . .\n";

struct TurnCase {
    const char *name;
    Opponent opponent;
    bool redToMove;      // before the change
    bool enabledBefore;  // every piece's state before the change
    bool redEnabled, blackEnabled;
};

const TurnCase kTurns[] = {
    {"Red hands over to a human", Opponent::Human, true, false, false, true},
    {"Red hands over to a human, all enabled", Opponent::Human, true, true, false, true},
    {"Black hands back to Red", Opponent::Human, false, false, true, false},
    {"Black hands back to Red, all enabled", Opponent::Human, false, true, true, false},
    {"Red hands over to the computer", Opponent::Computer, true, false, false, false},
    // Against the computer Black's pieces are not touched on the way to Black.
    {"Red hands over to the computer, all enabled", Opponent::Computer, true, true, false, true},
    {"the computer hands back to Red", Opponent::Computer, false, true, true, false},
};

TEST(ChangeTurn, PassesTheTurnAndEnablesOnlyTheSideToMove)
{
    for (const TurnCase &c : kTurns) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent);
        rig.setPosition(kMiddleGame, c.redToMove);
        Board &board = rig.game.board;
        for (Piece &p : board.Red)
            p.Enabled = c.enabledBefore;
        for (Piece &p : board.Black)
            p.Enabled = c.enabledBefore;
        board.intJumpCount = 3;

        rig.game.ChangeTurn();

        EXPECT_EQ(board.blnCurrentPlayer, !c.redToMove);
        EXPECT_EQ(board.lblPlayer, c.redToMove ? "Black's" : "Red's");
        EXPECT_EQ(board.intJumpCount, 0);
        // All twelve of a colour are switched, captured pieces included.
        for (const Piece &p : board.Red)
            EXPECT_EQ(p.Enabled, c.redEnabled);
        for (const Piece &p : board.Black)
            EXPECT_EQ(p.Enabled, c.blackEnabled);
        EXPECT_TRUE(rig.screen.messages.empty());
        EXPECT_FALSE(rig.game.blnGameOver);
        EXPECT_EQ(boardPicture(board), kMiddleGame);
    }
}

struct VictoryCase {
    const char *name;
    Opponent opponent;
    FirstPlayer first;
    std::string_view position;
    bool redToMove;
    Cell from, to;
    const char *message;
    int pauses;
};

// Red(0) on (3, 6) can take Black's last piece on (4, 5).
constexpr std::string_view kRedTakesTheLast =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . r . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// Black(0) on (4, 5) can take Red's last piece on (5, 6).
constexpr std::string_view kBlackTakesTheLast =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    ". . . . r . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// Red's last man steps from (5, 6) to (4, 5), where the black man on (3, 4) takes it.
constexpr std::string_view kRedWalksIntoACapture =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . b . . . . .\n"
    ". . . . . . . .\n"
    ". . . . r . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n";

// The black man on (1, 6) is blocked by the red men on (2, 7) and (3, 8).
constexpr std::string_view kBlackBlocked =
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    "b . . . . . . .\n"
    ". r . . . . . r\n"
    ". . r . . . . .\n";

const VictoryCase kVictories[] = {
    {"Red takes Black's last piece from a human", Opponent::Human, FirstPlayer::Red, kRedTakesTheLast, true,
     {3, 6}, {5, 4}, "Red is the victor!", 0},
    {"the next game starts with the chosen first player", Opponent::Human, FirstPlayer::Black, kRedTakesTheLast,
     true, {3, 6}, {5, 4}, "Red is the victor!", 0},
    {"Black takes Red's last piece from a human", Opponent::Human, FirstPlayer::Red, kBlackTakesTheLast, false,
     {4, 5}, {6, 7}, "Black is the victor!", 0},
    {"Red takes the computer's last piece", Opponent::Computer, FirstPlayer::Red, kRedTakesTheLast, true, {3, 6},
     {5, 4}, "Red is the victor!", 0},
    // The computer's capture: a pause before it and one before looking for another.
    {"the computer takes Red's last piece", Opponent::Computer, FirstPlayer::Red, kRedWalksIntoACapture, true,
     {5, 6}, {4, 5}, "Black is the victor!", 2},
    {"the computer cannot move", Opponent::Computer, FirstPlayer::Red, kBlackBlocked, true, {8, 7}, {7, 6},
     "Black can't move. Red is the victor!", 1},
};

TEST(Victory, IsAnnouncedOnceAndTheNextGameFollows)
{
    for (const VictoryCase &c : kVictories) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent, c.first);
        rig.random.setFallback(0.0);
        rig.setPosition(c.position, c.redToMove);
        std::string positionAtMessage;
        rig.screen.onMessage = [&](const std::string &) { positionAtMessage = boardPicture(rig.game.board); };

        rig.drag(c.from, c.to);

        EXPECT_EQ(rig.screen.messages, std::vector<std::string>{c.message});
        EXPECT_NE(positionAtMessage, kOpeningPicture) << "the message comes before the new game";
        EXPECT_EQ(rig.screen.pauses, c.pauses);
        const Board &board = rig.game.board;
        EXPECT_EQ(boardPicture(board), kOpeningPicture);
        EXPECT_EQ(board.blnCurrentPlayer, c.first == FirstPlayer::Red);
        EXPECT_FALSE(rig.game.blnGameOver);
        EXPECT_EQ(board.intAIMoves, 0);
        EXPECT_EQ(consistencyProblems(board), std::vector<std::string>{});
    }
}

TEST(Victory, TheTurnIsFlippedBeforeTheCount)
{
    GameRig rig(Opponent::Computer);
    rig.setPosition(kRedTakesTheLast);
    bool redToMoveAtMessage = true;
    rig.screen.onMessage = [&](const std::string &) { redToMoveAtMessage = rig.game.board.blnCurrentPlayer; };
    rig.drag({3, 6}, {5, 4});
    EXPECT_FALSE(redToMoveAtMessage) << "the loser is the side marked to move";
}

TEST(Victory, WhenTheComputerCannotMoveTheTurnDoesNotComeBack)
{
    GameRig rig(Opponent::Computer);
    rig.setPosition(kBlackBlocked);
    int aiMovesAtMessage = -1;
    rig.screen.onMessage = [&](const std::string &) { aiMovesAtMessage = rig.game.board.intAIMoves; };
    rig.drag({8, 7}, {7, 6});
    EXPECT_EQ(aiMovesAtMessage, 0);
    EXPECT_EQ(rig.screen.dumps, 1) << "no dump of the old position after the failed move";
    EXPECT_EQ(boardPicture(rig.game.board), kOpeningPicture);
}

TEST(Victory, EmptyBoardCountsForRed)
{
    GameRig rig;
    rig.setPosition(kMiddleGame);
    for (Piece &p : rig.game.board.Red)
        rig.game.board.parkPiece(p);
    for (Piece &p : rig.game.board.Black)
        rig.game.board.parkPiece(p);
    rig.game.ChangeTurn();
    EXPECT_EQ(rig.screen.messages, std::vector<std::string>{"Red is the victor!"});
}

TEST(Victory, ABlockedSideGetsNoMessage)
{
    struct {
        const char *name;
        std::string_view position;
        bool redToMove;
        Cell from, to;
    } const cases[] = {
        {"Black blocked after Red's move", kBlackBlocked, true, {8, 7}, {7, 6}},
        // The red man on (8, 3) is blocked by the black men on (7, 2) and (6, 1).
        {"Red blocked after Black's move",
         ". . . . . b . .\n"
         ". . . . . . b .\n"
         ". . . . . . . r\n"
         "b . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n"
         ". . . . . . . .\n",
         false, {1, 4}, {2, 5}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        GameRig rig;
        rig.setPosition(c.position, c.redToMove);
        rig.drag(c.from, c.to);
        EXPECT_TRUE(rig.screen.messages.empty());
        EXPECT_EQ(rig.game.board.blnCurrentPlayer, !c.redToMove);
        EXPECT_FALSE(rig.game.blnGameOver);
        EXPECT_NE(boardPicture(rig.game.board), kOpeningPicture);
    }
}

TEST(HandOver, TheComputerRepliesAndTheTurnComesBackToRed)
{
    GameRig rig(Opponent::Computer);
    rig.random.setFallback(0.0);
    rig.game.NewGame();
    int dumpsAtPause = -1;
    std::string dumpAtPause;
    rig.screen.duringPause = [&] {
        const Board &board = rig.game.board;
        EXPECT_EQ(board.lblPlayer, "Black's");
        EXPECT_FALSE(board.blnCurrentPlayer);
        EXPECT_TRUE(std::none_of(board.Red.begin(), board.Red.end(), [](const Piece &p) { return p.Enabled; }));
        EXPECT_TRUE(std::none_of(board.Black.begin(), board.Black.end(), [](const Piece &p) { return p.Enabled; }));
        dumpsAtPause = rig.screen.dumps;
        dumpAtPause = rig.screen.dump;
    };
    ASSERT_EQ(rig.at({3, 6}), (PieceRef{Colour::Red, 9}));

    rig.drag({3, 6}, {4, 5});

    const Board &board = rig.game.board;
    EXPECT_EQ(rig.screen.pauses, 1);
    EXPECT_EQ(dumpsAtPause, 1);
    EXPECT_NE(dumpAtPause.find("AI Moves =  0 "), std::string::npos);
    EXPECT_EQ(rig.screen.dumps, 2);
    EXPECT_EQ(rig.screen.dump, board.PrintBoard());
    EXPECT_EQ(board.intAIMoves, 1);
    EXPECT_TRUE(board.blnCurrentPlayer);
    EXPECT_EQ(board.lblPlayer, "Red's");
    EXPECT_TRUE(std::all_of(board.Red.begin(), board.Red.end(), [](const Piece &p) { return p.Enabled; }));
    EXPECT_TRUE(std::none_of(board.Black.begin(), board.Black.end(), [](const Piece &p) { return p.Enabled; }));
    EXPECT_TRUE(rig.screen.messages.empty());
    EXPECT_EQ(board.intBoard(4, 5), RedMan);

    // Exactly one black man left its cell for another.
    int blackCellsMoved = 0;
    const Board opening = testing::boardFromPicture(kOpeningPicture);
    for (int row = 1; row <= BoardSize; ++row)
        for (int col = 1; col <= BoardSize; ++col)
            if (isDark({col, row}) && (board.intBoard(col, row) == BlackMan) != (opening.intBoard(col, row) == BlackMan))
                ++blackCellsMoved;
    EXPECT_EQ(blackCellsMoved, 2);
    EXPECT_EQ(consistencyProblems(board), std::vector<std::string>{});
}

TEST(HandOver, BetweenHumansThereIsNoPause)
{
    GameRig rig;
    rig.game.NewGame();
    rig.drag({3, 6}, {4, 5});
    rig.drag({4, 3}, {5, 4});
    EXPECT_EQ(rig.screen.pauses, 0);
    EXPECT_EQ(rig.screen.dumps, 2);
    EXPECT_TRUE(rig.game.board.blnCurrentPlayer);
    EXPECT_EQ(rig.game.board.intAIMoves, 0);
}

} // namespace
} // namespace jumpline
