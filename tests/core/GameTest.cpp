// The game's life: a new game, the turn change and the end of a game, the computer's turn
// and the guard on the buttons, Multi Jump, test mode, and games played by the soak.
#include "support/Referee.h"
#include "game/Game.h"
#include "outside/Random.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

    void drag(Cell from, Cell to) { game.Square_DragDrop(squareAt(to), *game.board.pieceOn(from)); }
};

// (The soak sees every new game open as it should; here what it cannot see.)
TEST(NewGame, FillsTheLightCellsTooAndClearsAPendingMultiJumpFirst)
{
    Rig rig(C, "1:.B...... 5:...R....");
    rig.game.board.intJumpCount = 2; // cleared before the button is released: nothing is handed over
    rig.game.board.optMultiJump = Pressed;
    rig.game.NewGame();
    for (int col = 1; col <= BoardSize; ++col)
        EXPECT_EQ(std::tuple(rig.game.board.intBoard(col, 1), rig.game.board.intBoard(col, 4), rig.game.board.intBoard(col, 8)), std::tuple(-1, 0, 1));
    EXPECT_EQ(std::tuple(piecesPicture(rig.game.board), rig.game.board.optMultiJump, rig.screen.pauses), std::tuple(kOpeningShown, Released, 0));
}

// The side that has just moved, and what the turn change finds.
TEST(ChangeTurn, AnnouncesTheVictorWhenASideHasNoPieceOrNoMove)
{
    const char *const redStuck = "6:..b..... 7:.b...... 8:r.......";
    const char *const blackStuck = "1:.......b 2:......r. 3:.....r..";
    const struct { const char *name; Opponent opponent; const char *picture; bool redMoved; const char *message /* null: play goes on */; bool newGame; } cases[] = {
        {"Black's last piece taken", H, "6:..r.....", true, "Red is the victor!", true},
        {"... against the computer: the caller starts the new game", C, "6:..r.....", true, "Red is the victor!", false},
        {"Red's last piece taken", H, "3:.b......", false, "Black is the victor!", true},
        {"no piece on the board: Black is counted first", H, "", true, "Red is the victor!", true},
        {"Red has pieces but no move", H, redStuck, false, "Red can't move. Black is the victor!", true},
        {"... against the computer too", C, redStuck, false, "Red can't move. Black is the victor!", true},
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

TEST(MultiJump, KeepsTheTurnForJumpsOfOnePieceUntilReleased)
{
    Rig rig(H, "3:.b...b.. 5:.b...... 6:r.r.....");
    Game &game = rig.game;
    const auto state = [&] { return std::tuple(piecesPicture(game.board), game.board.lblPlayer, game.board.intJumpCount, game.board.optMultiJump); };
    for (const bool pressed : {true, false, true}) // released before any jump: only the colour changes
        game.SetMultiJump(pressed);
    rig.drag({3, 6}, {1, 4});
    rig.drag({1, 4}, {3, 2});
    EXPECT_EQ(state(), std::tuple("2:..r..... 3:.....b.. 6:r.......", "Red's", 2, Pressed));
    rig.drag({1, 6}, {2, 5}); // another piece: it stays, and the turn passes
    EXPECT_EQ(state(), std::tuple("2:..r..... 3:.....b.. 6:r.......", "Black's", 0, Released));

    Rig computer(C, "4:..b..... 5:...r....");
    computer.game.SetMultiJump(true);
    computer.drag({4, 5}, {2, 3});
    EXPECT_EQ(computer.screen.messages.size(), 0u);
    computer.game.SetMultiJump(false); // the turn passes: Black has lost
    EXPECT_EQ(std::tuple(computer.screen.messages, piecesPicture(computer.game.board)), std::tuple(std::vector<std::string>{"Red is the victor!"}, kOpeningShown));
}

// One guard for every window: the drop of a piece that may not move now changes nothing.
TEST(HumanDrop, OnlyAPieceThatMayMoveNowIsDropped)
{
    constexpr Colour R = Colour::Red, B = Colour::Black;
    const struct { const char *name; Opponent opponent; bool redToMove; PieceRef piece; std::int16_t to; bool made; } cases[] = {
        {"Red on move steps", H, true, {R, 0}, squareAt({4, 5}), true},
        {"Black, not on move, may not", H, true, {B, 0}, squareAt({1, 4}), false},
        {"a captured piece, parked, may not", H, true, {R, 1}, squareAt({4, 5}), false},
        {"Black on move against a person", H, false, {B, 0}, squareAt({1, 4}), true},
        {"onto \"Delete\" while it is not shown", H, true, {R, 0}, DeleteSquare, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.opponent, "3:.b...... 6:..r.....", c.redToMove);
        rig.game.Square_DragDrop(c.to, c.piece);
        EXPECT_EQ(piecesPicture(rig.game.board) != "3:.b...... 6:..r.....", c.made);
    }
    Rig computer(C, "3:.b...... 6:..r.....");
    std::vector<std::string> inPause;
    computer.screen.duringPause = [&] { // test mode frees every piece, but not while the computer moves
        inPause.push_back(piecesPicture(computer.game.board));
        computer.game.cmdTestMode_Click();
        computer.game.Square_DragDrop(squareAt({1, 4}), {B, 0});
        computer.game.Square_DragDrop(squareAt({2, 5}), {R, 0});
        inPause.push_back(piecesPicture(computer.game.board));
    };
    computer.game.Square_DragDrop(squareAt({4, 5}), {R, 0});
    EXPECT_EQ(inPause, (std::vector<std::string>{"3:.b...... 5:...r....", "3:.b...... 5:...r...."}));
}

// What test mode has placed is a game like any other once it is switched off.
TEST(TestMode, SwitchedOffItEndsAGameThatItsPlacingHasDecided)
{
    const struct { const char *name; Opponent opponent; const char *picture; bool redToMove; const char *message; } cases[] = {
        {"Black has no piece left", H, "6:..r.....", true, "Red is the victor!"},
        {"... against the computer too", C, "6:..r.....", true, "Red is the victor!"},
        {"Red on move has no move", C, "6:..b..... 7:.b...... 8:r.......", true, "Red can't move. Black is the victor!"},
        {"both can move", H, "3:.b...... 6:..r.....", true, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.opponent, c.picture, c.redToMove);
        rig.game.cmdTestMode_Click(); // on: nothing is judged while pieces are placed freely
        EXPECT_EQ(rig.screen.messages.size(), 0u);
        rig.game.cmdTestMode_Click();
        EXPECT_EQ(rig.screen.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(std::tuple(piecesPicture(rig.game.board) == kOpeningShown, rig.game.blnGameOver), std::tuple(c.message != nullptr, false));
    }
}

// (The soak sees what test mode frees and what switching it off leaves.)
TEST(TestMode, TheAccessCodeIsKrovInAnyCase)
{
    for (const auto &[typed, right] : {std::pair{"KROV", true}, {"krov", true}, {"kRoV", true}, {"KROV ", false}, {" KROV", false}, {"KRO", false}, {"", false}})
        EXPECT_EQ(IsAccessCode(typed), right) << '"' << typed << '"';
}

TEST(Random, TheProgramsNumbersSpreadOverZeroToOne)
{
    ClockRandom random;
    double low = 1, high = 0;
    for (int k = 0; k < 1000; ++k)
        std::tie(low, high) = std::pair(std::min(low, random.Rnd()), std::max(high, random.Rnd()));
    EXPECT_TRUE(low >= 0 && low < 0.01 && high > 0.99 && high < 1) << low << " .. " << high;
}

// Games under watch (support/Referee.h): every move legal, every rule of the game kept, and a
// side that cannot move told that it has lost.
// JUMPLINE_SOAK_RUNS sets the number of runs: scripts/fuzz.sh plays 2,000 under the sanitizers.
TEST(Soak, GamesKeepEveryRule)
{
    const char *runs = std::getenv("JUMPLINE_SOAK_RUNS");
    EXPECT_EQ(soak(0, runs != nullptr ? std::atol(runs) : 400).problems, std::vector<std::string>{});
}

} // namespace
} // namespace jumpline::testing
