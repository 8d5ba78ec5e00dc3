// The invariants that the soak and the fuzzer check after every action: each holds in a
// game as the game plays it, each catches the fault it is there for, and whole games keep
// them all.
#include "fuzz/Harness.h"
#include "support/ExpectProblem.h"

#include <gtest/gtest.h>

#include <functional>

namespace jumpline {
namespace {

using testing::expectProblem;
using C = fuzz::WatchedGame &;
using G = Game &;

constexpr std::string_view kNone{};
constexpr PieceRef kBlackEleven{Colour::Black, 11}; // on (8, 3) in the opening

TEST(WatchedGame, EachInvariantCatchesTheFaultItIsThereFor)
{
    const auto check = [](C c) { return c.check(); };
    const auto checkMoving = [](C c) { return c.check(true); };
    const auto message = [](const char *text) { return [text](C c) { return c.checkMessage(text); }; };
    struct Case {
        const char *name;
        bool computer;                   // the opponent
        std::function<void(G, C)> spoil; // a game just set up
        std::function<std::vector<std::string>(C)> check;
        std::string_view problem;
    };
    const Case cases[] = {
        {"a new game keeps Multi Jump pressed", false, [](G g, C) { g.board.optMultiJump = {1, CaptionColour::Red}; },
         [](C c) { return c.checkNewGame(); }, "does not open"},
        {"intBoard forgets a piece", false, [](G g, C) { g.board.intBoard(1, 8) = Empty; }, check,
         "intBoard disagrees"},
        {"test mode on and off lets intBoard fall behind", false,
         [](G g, C c) { g.cmdTestMode_Click(); c.check(); g.board.intBoard(1, 8) = Empty; g.cmdTestMode_Click(); },
         check, kNone},
        {"two pieces share a cell", false,
         [](G g, C) { g.board.placePiece(kBlackEleven, {1, 8}); g.board.intBoard(8, 3) = Empty; }, check,
         "share a cell"},
        {"a hidden piece away from the parking place", false, [](G g, C) { g.board.Red[0].Visible = false; }, check,
         "parking place"},
        {"a piece a twip off its cell", false, [](G g, C) { g.board.Black[3].Left += 1; }, check,
         "position of a dark cell"},
        {"a king flag without the king picture", false, [](G g, C) { g.board.blnBlackKing[2] = true; }, check,
         "wrong picture"},
        {"the turn display lags behind the turn", false, [](G g, C) { g.board.lblPlayer = "Black's"; }, check,
         "turn display"},
        {"a captured piece comes back", false,
         [](G g, C c) { g.board.parkPiece(g.board.Black[11]); g.board.intBoard(8, 3) = Empty; c.check(); g.NewGame(); },
         check, "came back"},
        {"\"Delete\" shown outside test mode", false, [](G g, C) { g.board.DeleteVisible = true; }, check,
         "\"Delete\""},
        {"a red caption on a released button", false,
         [](G g, C) { g.board.optMultiJump.ForeColor = CaptionColour::Red; }, check, "caption"},
        {"a black piece draggable against the computer", true, [](G g, C) { g.board.Black[0].Enabled = true; }, check,
         "side on move"},
        {"a red piece not draggable on Red's turn", false, [](G g, C) { g.board.Red[3].Enabled = false; }, check,
         "side on move"},
        {"a decided game left standing", true, [](G g, C) { g.blnGameOver = true; }, check, "a decided game"},
        {"a jump count with Multi Jump released", false, [](G g, C) { g.board.intJumpCount = 1; }, check,
         "jump count"},
        {"Black on move against the computer while the user can act", true, [](G g, C) { g.ChangeTurn(); }, check,
         "Black is on move"},
        {"the computer moves on Red's turn", true, [](G, C) {}, checkMoving, "not as Black"},
        {"Red draggable while the computer moves", true,
         [](G g, C) { g.ChangeTurn(); g.board.Red[6].Enabled = true; }, checkMoving, "side on move"},
        {"Black draggable while the computer moves", true,
         [](G g, C) { g.ChangeTurn(); g.board.Black[6].Enabled = true; }, checkMoving, "side on move"},
        {"Red cannot win while Black has pieces", false, [](G, C) {}, message("Red is the victor!"), "the message"},
        {"Black cannot win while Red has pieces", false, [](G, C) {}, message("Black is the victor!"), "the message"},
        {"no computer is stuck between people", false, [](G, C) {}, message("Black can't move. Red is the victor!"),
         "the message"},
        {"no other message", false, [](G, C) {}, message("Draw!"), "the message"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fuzz::WatchedGame watched(c.computer ? Settings::Opponent::Computer : Settings::Opponent::Human,
                                  Settings::FirstPlayer::Red, DesignTwipsPerPixel, DesignTwipsPerPixel, 0);
        c.spoil(watched.game, watched);
        expectProblem(c.check(watched), c.problem);
    }
}

// Whole games, checked after every action: the soak that the fuzz build runs for 10,000
// games under the sanitizers, here for a few thousand.
TEST(WatchedGame, WholeGamesKeepEveryRuleAndEnd)
{
    const fuzz::SoakResult result = fuzz::soak(0, 2000);
    for (const std::string &problem : result.problems)
        ADD_FAILURE() << problem;
    // Every way a game can end is among them.
    for (const char *ending : {"against the computer: Red is the victor!", "against the computer: Black is the victor!",
                               "against the computer: Black can't move. Red is the victor!",
                               "against the computer: Red blocked", "two people: Red is the victor!",
                               "two people: Black is the victor!", "two people: Black blocked", "two people: move cap"})
        EXPECT_GT(result.endings.count(ending), 0U) << ending;
}

} // namespace
} // namespace jumpline
