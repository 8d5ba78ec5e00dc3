// The game's turns: a new game, the turn change, the end of a game and its victor messages,
// and the computer's pause.
#include "game/Pause.h"
#include "support/GameRig.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace jumpline::testing {
namespace {

constexpr Settings::FirstPlayer RedFirst = Settings::FirstPlayer::Red, BlackFirst = Settings::FirstPlayer::Black;

// Opening piece positions in pixels: Black(0..3) on row 1, Black(4..7) row 2, Black(8..11)
// row 3; Red(0..3) on row 8, Red(4..7) row 7, Red(8..11) row 6. Odd rows start in column 2.
int blackLeftPx(int i) { return (i / 4 == 1 ? 14 : 77) + 126 * (i % 4); }
int blackTopPx(int i) { return 14 + 63 * (i / 4); }
int redLeftPx(int i) { return (i / 4 == 1 ? 77 : 14) + 126 * (i % 4); }
int redTopPx(int i) { return 455 - 63 * (i / 4); }

TEST(NewGame, SetsUpTheOpeningPositionFromTheChoicesWhateverCameBefore)
{
    const struct { const char *name; Opponent opponent; Settings::FirstPlayer first; bool red, black; } cases[] = {
        {"Red first against a human", VersusHuman, RedFirst, true, false},
        {"Black first against a human", VersusHuman, BlackFirst, false, true},
        {"Red first against the computer", VersusComputer, RedFirst, true, false},
        // Not offered by the start-up window; the computer's pieces are never the user's.
        {"Black first against the computer", VersusComputer, BlackFirst, false, false},
    };
    constexpr int twipsX = 15, twipsY = 12;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent, c.first);
        // A game well under way: kings, captures, a pressed Multi Jump, test mode, a stray light cell.
        rig.setPosition("1 . B . . . . . .\n"
                        "3 . . . r . . . .\n"
                        "7 . . . R . . . .\n",
                        false, twipsX, twipsY);
        Board &board = rig.game.board;
        board.intBoard(1, 1) = RedKing;
        board.intAIMoves = 7;
        board.optMultiJump = Pressed;
        rig.game.blnGameOver = true;
        rig.game.cmdTestMode_Click();

        rig.game.NewGame();

        EXPECT_EQ(board.lblPlayer, c.first == RedFirst ? "Red's" : "Black's");
        EXPECT_EQ(board.blnCurrentPlayer, c.first == RedFirst);
        for (int i = 0; i < PieceCount; ++i) {
            SCOPED_TRACE(::testing::Message() << "piece " << i);
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(board.Black[k],
                      (Piece{blackLeftPx(i) * twipsX, blackTopPx(i) * twipsY, true, c.black, Picture::Black}));
            EXPECT_EQ(board.Red[k], (Piece{redLeftPx(i) * twipsX, redTopPx(i) * twipsY, true, c.red, Picture::Red}));
            EXPECT_FALSE(board.blnBlackKing[k] || board.blnRedKing[k]);
        }
        for (int row = 1; row <= BoardSize; ++row) // all 64 cells, the light ones included
            for (int col = 1; col <= BoardSize; ++col)
                EXPECT_EQ(board.intBoard(col, row), row <= 3 ? -1 : row >= 6 ? 1 : 0) << col << ", " << row;
        EXPECT_EQ(board.intAIMoves, 0);
        EXPECT_EQ(board.optMultiJump, Released);
        EXPECT_FALSE(rig.game.blnGameOver);
        // Left alone: test mode and the "Delete" square. No move of the computer starts.
        EXPECT_TRUE(rig.settings.blnTestMode && board.DeleteVisible && board.DeleteEnabled);
        EXPECT_EQ(rig.screen.pauses + rig.screen.dumps, 0);
    }
}

TEST(ChangeTurn, PassesTheTurnEnablesOnlyTheSideToMoveAndCountsWhatIsLeft)
{
    constexpr std::string_view kBoth = "1 . b . . . . . .\n"
                                       "5 . . . r . . . .\n"; // the rest captured
    const struct {
        const char *name;
        Opponent opponent;
        std::string_view position;
        bool redToMove; // before the change
        int redEnabled, blackEnabled;
        const char *message;
    } cases[] = {
        {"Red hands over to a human", VersusHuman, kBoth, true, 0, 12, nullptr},
        {"Black hands back to Red", VersusHuman, kBoth, false, 12, 0, nullptr},
        {"Red hands over to the computer", VersusComputer, kBoth, true, 0, 0, nullptr},
        {"the computer hands back to Red", VersusComputer, kBoth, false, 12, 0, nullptr},
        {"no piece of either colour counts for Red", VersusHuman, "", false, 12, 0, "Red is the victor!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent);
        rig.setPosition(c.position, c.redToMove);

        rig.game.ChangeTurn();

        const Board &board = rig.game.board;
        EXPECT_EQ(board.blnCurrentPlayer, !c.redToMove);
        EXPECT_EQ(board.lblPlayer, c.redToMove ? "Black's" : "Red's");
        EXPECT_EQ(enabledCount(board.Red), c.redEnabled);
        EXPECT_EQ(enabledCount(board.Black), c.blackEnabled);
        EXPECT_EQ(rig.screen.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

// Red(0) on (3, 6) can take Black's last piece on (4, 5).
constexpr std::string_view kRedTakesTheLast = "5 . . . b . . . .\n"
                                              "6 . . r . . . . .\n";
// Black(0) on (4, 5) can take Red's last piece on (5, 6).
constexpr std::string_view kBlackTakesTheLast = "5 . . . b . . . .\n"
                                                "6 . . . . r . . .\n";
// Red's last man walks into the capture of the black man on (3, 4).
constexpr std::string_view kRedWalksIntoACapture = "4 . . b . . . . .\n"
                                                   "6 . . . . r . . .\n";
// The black man on (1, 6) is blocked by the red men on (2, 7) and (3, 8).
constexpr std::string_view kBlackBlocked = "6 b . . . . . . .\n"
                                           "7 . r . . . . . r\n"
                                           "8 . . r . . . . .\n";

const struct EndCase {
    const char *name;
    Opponent opponent;
    std::string_view position;
    bool redToMove;
    Cell from, to;
    const char *message; // nullptr: the game goes on
    int pauses, dumps;
} kEnds[] = {
    {"Red takes Black's last piece", VersusHuman, kRedTakesTheLast, true, {3, 6}, {5, 4}, "Red is the victor!", 0, 1},
    {"Black takes Red's last piece", VersusHuman, kBlackTakesTheLast, false, {4, 5}, {6, 7}, "Black is the victor!", 0,
     1},
    {"Red takes the computer's last piece", VersusComputer, kRedTakesTheLast, true, {3, 6}, {5, 4},
     "Red is the victor!", 0, 1},
    // The computer's capture: a pause before it and one before looking for another; its move is shown.
    {"the computer takes Red's last piece", VersusComputer, kRedWalksIntoACapture, true, {5, 6}, {4, 5},
     "Black is the victor!", 2, 2},
    {"the computer cannot move", VersusComputer, kBlackBlocked, true, {8, 7}, {7, 6},
     "Black can't move. Red is the victor!", 1, 1},
    {"the computer steps and hands back to Red", VersusComputer, kOpeningPicture, true, {3, 6}, {4, 5}, nullptr, 1, 2},
    {"a blocked Black gets no message", VersusHuman, kBlackBlocked, true, {8, 7}, {7, 6}, nullptr, 0, 1},
};

TEST(EndOfGame, AVictorIsAnnouncedOnceAndTheNextGameFollows)
{
    for (const EndCase &c : kEnds) {
        SCOPED_TRACE(c.name);
        GameRig rig(c.opponent);
        rig.setPosition(c.position, c.redToMove);
        std::string positionAtMessage;
        rig.screen.onMessage = [&](const std::string &) { positionAtMessage = boardPicture(rig.game.board); };
        rig.screen.duringPause = [&] { EXPECT_EQ(rig.game.board.lblPlayer, "Black's"); };

        rig.drag(c.from, c.to);

        const Board &board = rig.game.board;
        EXPECT_EQ(rig.screen.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(rig.screen.pauses, c.pauses);
        EXPECT_EQ(rig.screen.dumps, c.dumps);
        EXPECT_FALSE(rig.game.blnGameOver);
        EXPECT_EQ(boardPicture(board), piecesPicture(board));
        if (!c.message) {
            // Against the computer the turn comes back to Red after its one move.
            EXPECT_EQ(board.blnCurrentPlayer, c.opponent == VersusComputer || !c.redToMove);
            EXPECT_EQ(board.intAIMoves, c.pauses);
            continue;
        }
        EXPECT_NE(positionAtMessage, kOpeningPicture) << "the message comes before the new game";
        EXPECT_EQ(boardPicture(board), kOpeningPicture);
        EXPECT_TRUE(board.blnCurrentPlayer);
        EXPECT_EQ(board.intAIMoves, 0);
    }
}

// The pause lasts until the seconds-of-day clock, rounded to a whole second at its start,
// has gone on by one: between half a second and one and a half, also across midnight.
TEST(Pause, LastsUntilTheRoundedClockHasAdvancedByOneSecond)
{
    constexpr double SecondsPerDay = 86400.0;
    const struct { double now; int milliseconds; } cases[] = {
        {100.0, 1000}, {100.2, 800}, {100.7, 1300},
        {100.5, 500},  {101.5, 1500}, // half-way rounds to the even second
        {SecondsPerDay - 0.3, 1300}, {SecondsPerDay - 0.7, 700}, // single precision near midnight
    };
    for (const auto &c : cases)
        EXPECT_NEAR(pauseMilliseconds(c.now), c.milliseconds, 8) << c.now;
    for (const auto &[from, step] : {std::pair{0.0, 97.531}, std::pair{SecondsPerDay - 2.0, 0.0013}})
        for (double now = from; now < SecondsPerDay; now += step)
            ASSERT_TRUE(pauseMilliseconds(now) >= 500 && pauseMilliseconds(now) <= 1500) << now;
}

} // namespace
} // namespace jumpline::testing
