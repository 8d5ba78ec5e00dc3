// The game's life: a new game, the turn change and the end of a game, the computer's turn
// and the guard on the buttons, Multi Jump, test mode, and whole games played by the soak.
#include "fuzz/Harness.h"
#include "game/Game.h"
#include "support/Support.h"

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

using Opponent = Settings::Opponent;
using First = Settings::FirstPlayer;

struct Rig {
    explicit Rig(Opponent opponent = Opponent::Human, First first = First::Red) : settings{opponent, first} { game.NewGame(); }
    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game{settings, random, screen};

    void setUp(std::string_view picture, bool redToMove = true)
    {
        game.board = boardFromPicture(picture, redToMove);
        for (Piece &p : game.board.Black)
            p.Enabled = !redToMove && settings.optHuman();
    }
    void drag(Cell from, Cell to) { game.Square_DragDrop(static_cast<std::int16_t>(squareIndex(to)), *pieceAt(game.board, from)); }
    int enabled(Colour colour) const
    {
        const auto &pieces = colour == Colour::Red ? game.board.Red : game.board.Black;
        return static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece &p) { return p.Enabled; }));
    }
};

const MultiJumpButton Pressed{1, CaptionColour::Red}, Released{};

std::string opening() { return boardPicture(boardFromPicture(kOpening)); }

TEST(NewGame, OpensWithTheChosenSideOnMove)
{
    const struct {
        Opponent opponent;
        First first;
        const char *player;
        int red, black; // pieces enabled
    } cases[] = {
        {Opponent::Human, First::Red, "Red's", 12, 0},
        {Opponent::Human, First::Black, "Black's", 0, 12},
        {Opponent::Computer, First::Red, "Red's", 12, 0},
    };
    for (const auto &c : cases) {
        Rig rig(c.opponent, c.first);
        Game &game = rig.game;
        rig.setUp("1:.B...... 5:...R....");
        game.board.intAIMoves = 5;
        game.board.intJumpCount = 2; // a multi-jump pending: cleared first, so nothing is handed over
        game.board.optMultiJump = Pressed;
        game.blnGameOver = true;
        game.NewGame();
        EXPECT_EQ(game.board.lblPlayer, c.player);
        EXPECT_EQ(game.board.blnCurrentPlayer, c.first == First::Red);
        EXPECT_EQ(std::pair(rig.enabled(Colour::Red), rig.enabled(Colour::Black)), std::pair(c.red, c.black));
        EXPECT_EQ(piecesPicture(game.board), opening());
        EXPECT_EQ(positionProblems(game.board), std::vector<std::string>{});
        for (int col = 1; col <= BoardSize; ++col) // the light cells too
            EXPECT_EQ(std::vector({game.board.intBoard(col, 1), game.board.intBoard(col, 4), game.board.intBoard(col, 8)}),
                      std::vector<std::int16_t>({-1, 0, 1}));
        EXPECT_EQ(std::tuple(game.board.intAIMoves, game.board.intJumpCount, game.blnGameOver, rig.screen.pauses), std::tuple(0, 0, false, 0));
        EXPECT_EQ(game.board.optMultiJump, Released);
    }
}

// The side that has just moved, and what the turn change finds.
TEST(ChangeTurn, AnnouncesTheVictorWhenASideHasNoPieceOrNoMove)
{
    const auto H = Opponent::Human, C = Opponent::Computer;
    const char *const redStuck = "6:..b..... 7:.b...... 8:r.......";
    const char *const blackStuck = "1:.......b 2:......r. 3:.....r..";
    const struct {
        const char *name;
        Opponent opponent;
        const char *picture;
        bool redMoved;
        const char *message; // null: play goes on
        bool newGame;
    } cases[] = {
        {"Black's last piece taken", H, "6:..r.....", true, "Red is the victor!", true},
        {"... against the computer: the caller starts the new game", C, "6:..r.....", true, "Red is the victor!", false},
        {"Red's last piece taken", H, "3:.b......", false, "Black is the victor!", true},
        {"... against the computer", C, "3:.b......", false, "Black is the victor!", true},
        {"no piece on the board: Black is counted first", H, "", true, "Red is the victor!", true},
        {"Red has pieces but no move", H, redStuck, false, "Red can't move. Black is the victor!", true},
        {"... against the computer", C, redStuck, false, "Red can't move. Black is the victor!", true},
        {"Red has only a jump: it can move", H, "7:.b...... 8:r.......", false, nullptr, false},
        {"Black has pieces but no move", H, blackStuck, true, "Black can't move. Red is the victor!", true},
        {"... against the computer, which says so itself", C, blackStuck, true, nullptr, false},
        {"both can move", H, "3:.b...... 6:..r.....", true, nullptr, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.opponent);
        rig.setUp(c.picture, c.redMoved);
        rig.game.ChangeTurn();
        EXPECT_EQ(rig.screen.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(piecesPicture(rig.game.board) == opening(), c.newGame);
        EXPECT_EQ(rig.game.blnGameOver, c.message && !c.newGame);
        EXPECT_TRUE(c.message || rig.game.board.lblPlayer == (c.redMoved ? "Black's" : "Red's"));
    }
    Rig testMode;
    testMode.setUp(redStuck, false);
    testMode.settings.blnTestMode = true;
    testMode.game.ChangeTurn();
    EXPECT_EQ(testMode.screen.messages, std::vector<std::string>{}) << "test mode places pieces without rules";
}

// Against the computer: Red's drop, the turn display reads "Black's" in the pause, the
// computer moves, the dump is printed after each move and Red is on move again.
TEST(HandOver, TheComputerRepliesAfterItsPause)
{
    Rig rig(Opponent::Computer);
    std::string duringPause;
    rig.screen.duringPause = [&] { duringPause = rig.game.board.lblPlayer; };
    rig.drag({3, 6}, {4, 5});
    EXPECT_EQ(duringPause, "Black's");
    EXPECT_EQ(rig.game.board.lblPlayer, "Red's");
    EXPECT_EQ(rig.screen.pauses, 1);
    ASSERT_EQ(rig.screen.dumps.size(), 2u);
    EXPECT_NE(rig.screen.dumps[0].find("AI Moves =  0"), std::string::npos);
    EXPECT_EQ(rig.screen.dumps[1], rig.game.board.PrintBoard());
    EXPECT_EQ(rig.game.board.intAIMoves, 1);
    ASSERT_TRUE(rig.game.computerMove.has_value());
    EXPECT_EQ(rig.game.computerMove->to.row, rig.game.computerMove->from.row + 1);
    EXPECT_EQ(std::pair(rig.enabled(Colour::Red), rig.enabled(Colour::Black)), std::pair(12, 0));
}

// While the computer waits, Reset, Exit, Multi Jump and drops are refused and leave no
// trace; in a game between people the buttons work whoever is on move.
TEST(ButtonGuard, RefusesEveryClickInTheComputersTurnOnly)
{
    const struct {
        const char *name;
        std::function<void(Game &)> click;
    } clicks[] = {
        {"Reset", [](Game &g) { g.cmdReset_Click(); }},
        {"Exit", [](Game &g) { g.cmdExit_Click(); }},
        {"Multi Jump pressed", [](Game &g) { g.SetMultiJump(true); }},
        {"a drop", [](Game &g) { g.Square_DragDrop(13, {Colour::Black, 8}); }},
    };
    for (const auto &c : clicks) {
        SCOPED_TRACE(c.name);
        Rig rig(Opponent::Computer);
        rig.screen.duringPause = [&] {
            const Board inPause = rig.game.board;
            c.click(rig.game);
            EXPECT_EQ(rig.game.board, inPause);
        };
        rig.drag({3, 6}, {4, 5});
        EXPECT_EQ(std::tuple(rig.screen.ended, rig.game.board.optMultiJump, rig.game.board.intAIMoves), std::tuple(false, Released, 1));

        Rig people; // Black on move
        people.drag({3, 6}, {4, 5});
        const Board before = people.game.board;
        c.click(people.game);
        EXPECT_TRUE(people.game.board != before || people.screen.ended);
    }
}

TEST(MultiJump, KeepsTheTurnForJumpsOfOnePieceUntilReleased)
{
    Rig rig;
    Game &game = rig.game;
    rig.setUp("3:.b...b.. 5:.b...... 6:r.r.....");
    game.SetMultiJump(true);
    EXPECT_EQ(game.board.optMultiJump, Pressed);
    game.SetMultiJump(false);
    EXPECT_EQ(std::tuple(game.board.optMultiJump, game.board.lblPlayer), std::tuple(Released, "Red's")) << "no jump yet: only the colour";
    game.SetMultiJump(true);
    rig.drag({3, 6}, {1, 4});
    EXPECT_EQ(std::tuple(game.board.lblPlayer, game.board.intJumpCount, game.board.intJumpPiece), std::tuple("Red's", 1, 1));
    rig.drag({1, 4}, {3, 2});
    EXPECT_EQ(std::tuple(game.board.lblPlayer, game.board.intJumpCount), std::tuple("Red's", 2));
    rig.drag({1, 6}, {2, 5}); // another piece: it stays, and the turn passes
    EXPECT_EQ(piecesPicture(game.board), "2:..r..... 3:.....b.. 6:r.......");
    EXPECT_EQ(std::tuple(game.board.lblPlayer, game.board.intJumpCount, game.board.optMultiJump), std::tuple("Black's", 0, Released));

    rig.setUp("1:.b...... 4:..b..... 5:...r.... 6:....r...");
    game.SetMultiJump(true);
    rig.drag({4, 5}, {2, 3});
    rig.drag({2, 3}, {1, 2}); // a step in a multi-jump is not made: it ends the turn
    EXPECT_EQ(piecesPicture(game.board), "1:.b...... 3:.r...... 6:....r...");
    EXPECT_EQ(std::tuple(game.board.lblPlayer, game.board.optMultiJump), std::tuple("Black's", Released));

    rig.setUp("1:.b...... 5:...r.... 6:....r...");
    game.SetMultiJump(true);
    rig.drag({4, 5}, {3, 4}); // a step before any jump is made and ends the turn
    EXPECT_EQ(std::tuple(piecesPicture(game.board), game.board.lblPlayer), std::tuple("1:.b...... 4:..r..... 6:....r...", "Black's"));
}

TEST(MultiJump, ReleasedAfterJumpsHandsTheTurnToTheComputer)
{
    Rig rig(Opponent::Computer);
    rig.setUp("1:.b...... 3:...b.... 5:.b...b.. 6:..r.....");
    rig.game.SetMultiJump(true);
    rig.drag({3, 6}, {1, 4});
    EXPECT_EQ(rig.screen.pauses, 0);
    rig.game.SetMultiJump(false);
    EXPECT_EQ(rig.screen.pauses, 1);
    EXPECT_EQ(rig.game.board.intAIMoves, 1);

    rig.setUp("4:..b..... 5:...r....");
    rig.game.SetMultiJump(true);
    rig.drag({4, 5}, {2, 3});
    rig.game.SetMultiJump(false);
    EXPECT_EQ(rig.screen.messages, std::vector<std::string>{"Red is the victor!"});
    EXPECT_EQ(piecesPicture(rig.game.board), opening());
}

TEST(TestMode, FreesEveryPieceUntilSwitchedOffOrItsWindowCloses)
{
    for (const bool redToMove : {true, false}) {
        Rig rig;
        rig.setUp(kOpening, redToMove);
        rig.game.cmdTestMode_Click();
        EXPECT_EQ(std::tuple(rig.enabled(Colour::Red), rig.enabled(Colour::Black), rig.game.board.DeleteVisible,
                             rig.game.board.DeleteEnabled),
                  std::tuple(12, 12, true, true));
        rig.drag(redToMove ? Cell{3, 6} : Cell{2, 3}, {3, 4}); // no turn passes
        EXPECT_EQ(rig.game.board.blnCurrentPlayer, redToMove);
        rig.game.TestWindowClosing();
        EXPECT_FALSE(rig.settings.blnTestMode);
        EXPECT_EQ(std::tuple(rig.enabled(Colour::Red), rig.enabled(Colour::Black), rig.game.board.DeleteVisible,
                             rig.game.board.DeleteEnabled),
                  std::tuple(redToMove ? 12 : 0, redToMove ? 0 : 12, false, false));
        rig.game.TestWindowClosing();
        EXPECT_FALSE(rig.settings.blnTestMode) << "closing with test mode off changes nothing";
    }
}

TEST(TestMode, TheAccessCodeIsKrovInAnyCase)
{
    for (const auto &[typed, right] : {std::pair{"KROV", true}, {"krov", true}, {"kRoV", true}, {"KROV ", false},
                                      {" KROV", false}, {"KRO", false}, {"KROVS", false}, {"", false}})
        EXPECT_EQ(IsAccessCode(typed), right) << '"' << typed << '"';
}

// Whole games under watch (fuzz/Harness.h): every move legal, every rule of the game kept,
// and every game ends with a victor or at the cap on moves.
TEST(Soak, WholeGamesKeepEveryRule)
{
    const fuzz::SoakResult result = fuzz::soak(0, 600);
    EXPECT_EQ(result.problems, std::vector<std::string>{});
    for (const char *ending : {"against the computer: Black is the victor!", "against the computer: Red is the victor!",
                               "against the computer: Black can't move. Red is the victor!",
                               "against the computer: Red can't move. Black is the victor!",
                               "two people: Red can't move. Black is the victor!",
                               "two people: Black can't move. Red is the victor!", "two people: Black is the victor!"})
        EXPECT_GT(result.endings.count(ending), 0u) << ending;
}

} // namespace
} // namespace jumpline::testing
