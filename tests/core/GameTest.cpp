// The game's life: a new game, the turn change and the end of a game, the computer's turn
// and the guard on the buttons, Multi Jump, test mode, and games played by the soak.
#include "fuzz/Harness.h"
#include "game/Game.h"
#include "support/Support.h"

#include <gtest/gtest.h>

namespace jumpline::testing {
namespace {

using Opponent = Settings::Opponent;
constexpr Opponent H = Opponent::Human, C = Opponent::Computer;
const MultiJumpButton Pressed{1, CaptionColour::Red}, Released{};
const std::string kOpeningShown = boardPicture(boardFromPicture(kOpening));

struct Rig {
    explicit Rig(Opponent opponent = H, std::string_view picture = kOpening, bool redToMove = true)
        : settings{opponent}
    {
        game.NewGame();
        game.board = boardFromPicture(picture, redToMove);
        for (Piece &p : game.board.Black)
            p.Enabled = !redToMove && opponent == H;
    }
    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game{settings, random, screen};

    void drag(Cell from, Cell to) { game.Square_DragDrop(static_cast<std::int16_t>(squareIndex(to)), *pieceAt(game.board, from)); }
    std::pair<int, int> enabled() const // red, black
    {
        const auto count = [](const auto &pieces) { return std::count_if(pieces.begin(), pieces.end(), [](const Piece &p) { return p.Enabled; }); };
        return {static_cast<int>(count(game.board.Red)), static_cast<int>(count(game.board.Black))};
    }
};

TEST(NewGame, OpensWithTheChosenSideOnMoveAndNothingLeftOver)
{
    for (const auto &[opponent, first, player, enabled] : {std::tuple{H, Settings::FirstPlayer::Red, "Red's", std::pair{12, 0}},
                                                           {H, Settings::FirstPlayer::Black, "Black's", std::pair{0, 12}},
                                                           {C, Settings::FirstPlayer::Red, "Red's", std::pair{12, 0}}}) {
        Rig rig(opponent, "1:.B...... 5:...R....");
        rig.settings.first = first;
        rig.game.board.intAIMoves = 5;
        rig.game.board.intJumpCount = 2; // a multi-jump pending: cleared first, so nothing is handed over
        rig.game.board.optMultiJump = Pressed;
        rig.game.blnGameOver = true;
        rig.game.NewGame();
        const Board &b = rig.game.board;
        EXPECT_EQ(std::tuple(b.lblPlayer, b.blnCurrentPlayer, rig.enabled()), std::tuple(player, *player == 'R', enabled));
        EXPECT_EQ(std::tuple(piecesPicture(b), positionProblems(b)), std::tuple(kOpeningShown, std::vector<std::string>{}));
        for (int col = 1; col <= BoardSize; ++col) // the light cells too
            EXPECT_EQ(std::tuple(b.intBoard(col, 1), b.intBoard(col, 4), b.intBoard(col, 8)), std::tuple(-1, 0, 1));
        EXPECT_EQ(std::tuple(b.intAIMoves, b.intJumpCount, b.optMultiJump, rig.game.blnGameOver, rig.screen.pauses),
                  std::tuple(0, 0, Released, false, 0));
    }
}

// The side that has just moved, and what the turn change finds.
TEST(ChangeTurn, AnnouncesTheVictorWhenASideHasNoPieceOrNoMove)
{
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
        Rig rig(c.opponent, c.picture, c.redMoved);
        rig.game.ChangeTurn();
        EXPECT_EQ(rig.screen.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(std::tuple(piecesPicture(rig.game.board) == kOpeningShown, rig.game.blnGameOver), std::tuple(c.newGame, c.message && !c.newGame));
        EXPECT_TRUE(c.message || rig.game.board.lblPlayer == (c.redMoved ? "Black's" : "Red's"));
    }
    Rig testMode(H, redStuck, false);
    testMode.settings.blnTestMode = true;
    testMode.game.ChangeTurn();
    EXPECT_EQ(testMode.screen.messages, std::vector<std::string>{}) << "test mode places pieces without rules";
}

// Against the computer Red's drop is answered after a pause in which the turn display reads
// "Black's", and every click is refused without a trace; between people every click works,
// whoever is on move.
TEST(ButtonGuard, RefusesEveryClickInTheComputersTurnOnly)
{
    const std::pair<const char *, std::function<void(Game &)>> clicks[] = {
        {"Reset", [](Game &g) { g.cmdReset_Click(); }},
        {"Exit", [](Game &g) { g.cmdExit_Click(); }},
        {"Multi Jump pressed", [](Game &g) { g.SetMultiJump(true); }},
        {"a drop", [](Game &g) { g.Square_DragDrop(13, {Colour::Black, 8}); }},
    };
    for (const auto &[name, click] : clicks) {
        SCOPED_TRACE(name);
        Rig rig(C);
        std::string shownInPause;
        rig.screen.duringPause = [&] {
            const Board inPause = rig.game.board;
            shownInPause = inPause.lblPlayer;
            click(rig.game);
            EXPECT_EQ(rig.game.board, inPause);
        };
        rig.drag({3, 6}, {4, 5});
        const Board &b = rig.game.board;
        EXPECT_EQ(std::tuple(shownInPause, b.lblPlayer, b.intAIMoves, b.optMultiJump, rig.enabled(), rig.screen.ended),
                  std::tuple("Black's", "Red's", 1, Released, std::pair(12, 0), false));
        ASSERT_EQ(rig.screen.dumps.size(), 2u);
        EXPECT_EQ(std::tuple(rig.screen.dumps[0].substr(rig.screen.dumps[0].size() - 4), rig.screen.dumps[1]), std::tuple(" 0 \n", b.PrintBoard()));
        EXPECT_EQ(rig.game.computerMove->to.row, rig.game.computerMove->from.row + 1);

        Rig people; // Black on move
        people.drag({3, 6}, {4, 5});
        const Board before = people.game.board;
        click(people.game);
        EXPECT_TRUE(people.game.board != before || people.screen.ended);
    }
}

TEST(MultiJump, KeepsTheTurnForJumpsOfOnePieceUntilReleased)
{
    Rig rig(H, "3:.b...b.. 5:.b...... 6:r.r.....");
    Game &game = rig.game;
    const auto state = [&] { return std::tuple(piecesPicture(game.board), game.board.lblPlayer, game.board.intJumpCount, game.board.optMultiJump); };
    game.SetMultiJump(true);
    EXPECT_EQ(game.board.optMultiJump, Pressed);
    game.SetMultiJump(false);
    EXPECT_EQ(std::get<1>(state()), "Red's") << "released before any jump: only the colour changes";
    game.SetMultiJump(true);
    rig.drag({3, 6}, {1, 4});
    rig.drag({1, 4}, {3, 2});
    EXPECT_EQ(state(), std::tuple("2:..r..... 3:.....b.. 6:r.......", "Red's", 2, Pressed));
    rig.drag({1, 6}, {2, 5}); // another piece: it stays, and the turn passes
    EXPECT_EQ(state(), std::tuple("2:..r..... 3:.....b.. 6:r.......", "Black's", 0, Released));

    Rig step(H, "1:.b...... 4:..b..... 5:...r.... 6:....r...");
    step.game.SetMultiJump(true);
    step.drag({4, 5}, {2, 3});
    step.drag({2, 3}, {1, 2}); // a step in a multi-jump is not made: it ends the turn
    EXPECT_EQ(std::tuple(piecesPicture(step.game.board), step.game.board.lblPlayer), std::tuple("1:.b...... 3:.r...... 6:....r...", "Black's"));
    step.game.NewGame();
    step.game.SetMultiJump(true);
    step.drag({3, 6}, {4, 5}); // a step before any jump is made and ends the turn
    EXPECT_EQ(std::tuple(step.game.board.lblPlayer, step.game.board.optMultiJump), std::tuple("Black's", Released));

    Rig computer(C, "4:..b..... 5:...r....");
    computer.game.SetMultiJump(true);
    computer.drag({4, 5}, {2, 3});
    EXPECT_EQ(computer.screen.messages.size(), 0u);
    computer.game.SetMultiJump(false); // the turn passes: Black has lost
    EXPECT_EQ(std::tuple(computer.screen.messages, piecesPicture(computer.game.board)), std::tuple(std::vector<std::string>{"Red is the victor!"}, kOpeningShown));
}

TEST(TestMode, FreesEveryPieceUntilSwitchedOffOrItsWindowCloses)
{
    for (const bool redToMove : {true, false}) {
        Rig rig(H, kOpening, redToMove);
        rig.game.cmdTestMode_Click();
        EXPECT_EQ(std::tuple(rig.enabled(), rig.game.board.DeleteVisible, rig.game.board.DeleteEnabled), std::tuple(std::pair(12, 12), true, true));
        rig.drag(redToMove ? Cell{3, 6} : Cell{2, 3}, {3, 4}); // no turn passes
        rig.game.TestWindowClosing();
        rig.game.TestWindowClosing(); // closed with test mode off: nothing changes
        EXPECT_EQ(std::tuple(rig.settings.blnTestMode, rig.game.board.blnCurrentPlayer, rig.enabled(), rig.game.board.DeleteVisible, rig.game.board.DeleteEnabled),
                  std::tuple(false, redToMove, redToMove ? std::pair(12, 0) : std::pair(0, 12), false, false));
    }
    for (const auto &[typed, right] : {std::pair{"KROV", true}, {"krov", true}, {"kRoV", true}, {"KROV ", false}, {" KROV", false}, {"KRO", false}, {"", false}})
        EXPECT_EQ(IsAccessCode(typed), right) << '"' << typed << '"';
}

// Games under watch (fuzz/Harness.h): every move legal, every rule of the game kept, and a
// side that cannot move told that it has lost.
TEST(Soak, GamesKeepEveryRule)
{
    EXPECT_EQ(fuzz::soak(0, 400).problems, std::vector<std::string>{});
}

} // namespace
} // namespace jumpline::testing
