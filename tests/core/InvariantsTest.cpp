// The invariants that the fuzzer and the soak check after every action: each must hold in
// a game as the game plays it, and each must catch the fault it is there for.
#include "game/Game.h"
#include "support/ExpectProblem.h"
#include "support/FakeScreen.h"
#include "support/Invariants.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jumpline {
namespace {

using testing::expectProblem;
using testing::FakeScreen;
using testing::InvariantChecker;
using testing::ScriptedRandom;

constexpr std::string_view kNone{};

struct Table {
    explicit Table(Settings::Opponent opponent, Settings::FirstPlayer first = Settings::FirstPlayer::Red)
    {
        settings.opponent = opponent;
        settings.first = first;
        game.NewGame();
    }
    Settings settings;
    ScriptedRandom random;
    FakeScreen screen;
    Game game{settings, random, screen};
};

// The opening squares of Red(0) and Black(11): (1, 8) and (8, 3).
constexpr Cell kRedZero{1, 8};
constexpr Cell kBlackEleven{8, 3};

TEST(PositionProblems, CatchEveryDisagreementOfThePosition)
{
    struct Case {
        const char *name;
        std::function<void(Board &)> spoil;
        bool testModeUsed;
        std::string_view problem;
    };
    const Case cases[] = {
        {"the opening", [](Board &) {}, false, kNone},
        {"intBoard forgets a piece", [](Board &b) { b.intBoard(kRedZero) = Empty; }, false, "intBoard disagrees"},
        {"intBoard takes a man for a king", [](Board &b) { b.intBoard(kRedZero) = RedKing; }, false, "intBoard disagrees"},
        {"free placement may leave intBoard behind", [](Board &b) { b.intBoard(kRedZero) = Empty; }, true, kNone},
        {"two pieces on one cell",
         [](Board &b) {
             b.placePiece({Colour::Black, 11}, kRedZero);
             b.intBoard(kBlackEleven) = Empty;
         },
         false, "share a cell"},
        {"a hidden piece away from the parking place", [](Board &b) { b.Red[0].Visible = false; }, true, "parking place"},
        {"a visible piece at the parking place", [](Board &b) { b.parkPiece(b.Red[0]); b.Red[0].Visible = true; }, true,
         "piece position of a dark cell"},
        {"a piece a twip off its cell", [](Board &b) { b.Black[3].Left += 1; }, true, "piece position of a dark cell"},
        {"a king flag without the king picture", [](Board &b) { b.blnBlackKing[2] = true; }, true, "wrong picture"},
        {"a king picture on a man", [](Board &b) { b.Red[5].picture = Picture::RedKing; }, true, "wrong picture"},
        {"the turn display lags behind the turn", [](Board &b) { b.blnCurrentPlayer = false; }, true, "turn display"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Table table(Settings::Opponent::Human);
        c.spoil(table.game.board);
        expectProblem(testing::positionProblems(table.game.board, c.testModeUsed), c.problem);
    }
}

TEST(OpeningProblems, AFreshGameHasNone)
{
    for (const auto opponent : {Settings::Opponent::Human, Settings::Opponent::Computer}) {
        for (const auto first : {Settings::FirstPlayer::Red, Settings::FirstPlayer::Black}) {
            if (opponent == Settings::Opponent::Computer && first == Settings::FirstPlayer::Black)
                continue; // the start-up window does not allow it
            Table table(opponent, first);
            expectProblem(testing::openingProblems(table.game, table.settings), kNone);
        }
    }
}

TEST(OpeningProblems, CatchWhatANewGameMustReset)
{
    struct Case {
        const char *name;
        std::function<void(Game &)> spoil;
        std::string_view problem;
    };
    const Case cases[] = {
        {"a piece left on another square", [](Game &g) { g.board.placePiece({Colour::Red, 4}, {4, 5}); }, "Red(4) is not on"},
        {"a captured piece left parked", [](Game &g) { g.board.parkPiece(g.board.Black[7]); }, "Black(7) is not on"},
        {"a king left crowned", [](Game &g) { g.board.blnBlackKing[0] = true; }, "Black(0) is not a man"},
        {"a light cell not refilled", [](Game &g) { g.board.intBoard(1, 1) = Empty; }, "intBoard(1, 1)"},
        {"the computer's count kept", [](Game &g) { g.board.intAIMoves = 1; }, "intAIMoves"},
        {"the game left decided", [](Game &g) { g.blnGameOver = true; }, "blnGameOver"},
        {"Multi Jump left pressed", [](Game &g) { g.board.optMultiJump.Value = 1; }, "Multi Jump"},
        {"a jump count left pending", [](Game &g) { g.board.intJumpCount = 2; }, "jump count"},
        {"Black left draggable", [](Game &g) { g.board.Black[9].Enabled = true; }, "Black(9) can be dragged"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Table table(Settings::Opponent::Human);
        c.spoil(table.game);
        expectProblem(testing::openingProblems(table.game, table.settings), c.problem);
    }
}

TEST(InvariantChecker, CatchesEveryBrokenRuleOfPlay)
{
    struct Case {
        const char *name;
        Settings::Opponent opponent;
        std::function<void(Game &, Settings &)> spoil;
        std::string_view problem;
    };
    constexpr auto human = Settings::Opponent::Human;
    constexpr auto computer = Settings::Opponent::Computer;
    const Case cases[] = {
        {"a fresh game", human, [](Game &, Settings &) {}, kNone},
        {"test mode makes every piece draggable", human,
         [](Game &g, Settings &) { g.cmdTestMode_Click(); }, kNone},
        {"Black draggable on Red's turn", human,
         [](Game &g, Settings &) { g.board.Black[0].Enabled = true; }, "a black piece can be dragged out of its turn"},
        {"a red piece not draggable on Red's turn", human,
         [](Game &g, Settings &) { g.board.Red[3].Enabled = false; }, "a red piece cannot be dragged"},
        {"Black draggable against the computer", computer,
         [](Game &g, Settings &) { g.board.Black[5].Enabled = true; }, "a black piece can be dragged"},
        {"Black on move against the computer while the user acts", computer,
         [](Game &g, Settings &) {
             g.board.blnCurrentPlayer = false;
             g.board.lblPlayer = "Black's";
         },
         "Black is on move against the computer"},
        {"a red caption on a released button", human,
         [](Game &g, Settings &) { g.board.optMultiJump.ForeColor = CaptionColour::Red; }, "caption is red"},
        {"a jump count with the button released", human,
         [](Game &g, Settings &) { g.board.intJumpCount = 1; }, "jump count is pending"},
        {"\"Delete\" shown outside test mode", human,
         [](Game &g, Settings &) { g.board.DeleteVisible = true; }, "\"Delete\""},
        {"\"Delete\" hidden in test mode", human,
         [](Game &, Settings &s) { s.blnTestMode = true; }, "\"Delete\""},
        {"a decided game left standing", computer, [](Game &g, Settings &) { g.blnGameOver = true; }, "decided game"},
        {"computer moves counted between people", human,
         [](Game &g, Settings &) { g.board.intAIMoves = 2; }, "counted moves in a game between people"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Table table(c.opponent);
        InvariantChecker checker(table.game, table.settings);
        expectProblem(checker.newGame(), kNone);
        c.spoil(table.game, table.settings);
        expectProblem(checker.afterAction(), c.problem);
    }
}

TEST(InvariantChecker, PiecesNeverComeBackWithinAGame)
{
    Table table(Settings::Opponent::Human);
    InvariantChecker checker(table.game, table.settings);
    expectProblem(checker.newGame(), kNone);
    Board &b = table.game.board;
    b.parkPiece(b.Black[11]);
    b.intBoard(kBlackEleven) = Empty;
    expectProblem(checker.afterAction(), kNone);
    b.placePiece({Colour::Black, 11}, kBlackEleven);
    b.intBoard(kBlackEleven) = BlackMan;
    expectProblem(checker.afterAction(), "a black piece came back");
    table.game.NewGame();
    expectProblem(checker.newGame(), kNone);
}

TEST(InvariantChecker, TestModeRelaxesThePositionUntilTheNextGame)
{
    Table table(Settings::Opponent::Human);
    InvariantChecker checker(table.game, table.settings);
    expectProblem(checker.newGame(), kNone);
    table.game.cmdTestMode_Click();
    checker.noteTestMode();
    table.game.cmdTestMode_Click();
    table.game.board.intBoard(kRedZero) = Empty; // as a drop on "Delete" of a piece put back would
    expectProblem(checker.afterAction(), kNone);
    table.game.cmdReset_Click();
    expectProblem(checker.newGame(), kNone);
    table.game.board.intBoard(kRedZero) = Empty;
    expectProblem(checker.afterAction(), "intBoard disagrees");
}

TEST(InvariantChecker, WhileTheComputerMovesNobodyDrags)
{
    Table table(Settings::Opponent::Computer);
    InvariantChecker checker(table.game, table.settings);
    expectProblem(checker.newGame(), kNone);
    std::vector<std::string> inPause;
    table.screen.duringPause = [&] { inPause = checker.duringComputerMove(); };
    table.game.Square_DragDrop(16, {Colour::Red, 8}); // (1, 6) to (2, 5)
    EXPECT_EQ(table.screen.pauses, 1);
    expectProblem(inPause, kNone);
    expectProblem(checker.afterAction(), kNone);

    table.screen.duringPause = [&] {
        table.game.board.Red[0].Enabled = true;
        inPause = checker.duringComputerMove();
    };
    table.game.Square_DragDrop(20, {Colour::Red, 4}); // (2, 7) to (1, 6)
    EXPECT_EQ(table.screen.pauses, 2);
    expectProblem(inPause, "Red's pieces can be dragged while the computer moves");
}

TEST(InvariantChecker, MessagesMustFitThePosition)
{
    struct Case {
        const char *name;
        Settings::Opponent opponent;
        bool blackLeft;
        bool redLeft;
        std::string text;
        std::string_view problem;
    };
    constexpr auto human = Settings::Opponent::Human;
    constexpr auto computer = Settings::Opponent::Computer;
    const Case cases[] = {
        {"Red wins when Black has nothing left", human, false, true, "Red is the victor!", kNone},
        {"Red cannot win while Black has pieces", human, true, true, "Red is the victor!", "with black pieces"},
        {"Black wins when Red has nothing left", human, true, false, "Black is the victor!", kNone},
        {"Black cannot win while Red has pieces", human, true, true, "Black is the victor!", "while Red has pieces"},
        {"the computer may be stuck", computer, true, true, "Black can't move. Red is the victor!", kNone},
        {"no computer is stuck between people", human, true, true, "Black can't move. Red is the victor!",
         "in a game between people"},
        {"no other message", human, true, true, "Draw!", "unknown message"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Table table(c.opponent);
        InvariantChecker checker(table.game, table.settings);
        for (std::size_t i = 0; i < PieceCount; ++i) {
            if (!c.blackLeft)
                table.game.board.parkPiece(table.game.board.Black[i]);
            if (!c.redLeft)
                table.game.board.parkPiece(table.game.board.Red[i]);
        }
        expectProblem(checker.message(c.text), c.problem);
    }
}

} // namespace
} // namespace jumpline
