// The invariants that the soak and the fuzzer check after every action: each holds in a
// game as the game plays it, each catches the fault it is there for, and whole games keep
// them all.
#include "fuzz/Harness.h"
#include "support/ExpectProblem.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace jumpline {
namespace {

using testing::expectProblem;
using C = fuzz::WatchedGame &;
using G = Game &;

constexpr std::string_view kNone{};
constexpr PieceRef kBlackEleven{Colour::Black, 11}; // on (8, 3) in the opening

TEST(WatchedGame, EachInvariantCatchesTheFaultItIsThereFor)
{
    struct Case {
        const char *name;
        bool computer;                                               // the opponent
        std::function<std::vector<std::string>(G, C)> spoilAndCheck; // a game just set up
        std::string_view problem;
        std::function<void(G)> earlier = [](G) {}; // checked before the spoiling
    };
    const Case cases[] = {
        {"a new game", false, [](G, C c) { return c.checkNewGame(); }, kNone},
        {"a new game keeps Multi Jump pressed", false,
         [](G g, C c) { g.board.optMultiJump = {1, CaptionColour::Red}; return c.checkNewGame(); }, "does not open"},
        {"intBoard forgets a piece", false, [](G g, C c) { g.board.intBoard(1, 8) = Empty; return c.check(); },
         "intBoard disagrees"},
        {"test mode on and off lets intBoard fall behind", false,
         [](G g, C c) { g.board.intBoard(1, 8) = Empty; g.cmdTestMode_Click(); return c.check(); }, kNone,
         [](G g) { g.cmdTestMode_Click(); }},
        {"two pieces share a cell", false,
         [](G g, C c) { g.board.placePiece(kBlackEleven, {1, 8}); g.board.intBoard(8, 3) = Empty; return c.check(); },
         "share a cell"},
        {"a hidden piece away from the parking place", false,
         [](G g, C c) { g.board.Red[0].Visible = false; return c.check(); }, "parking place"},
        {"a piece a twip off its cell", false, [](G g, C c) { g.board.Black[3].Left += 1; return c.check(); },
         "position of a dark cell"},
        {"a king flag without the king picture", false,
         [](G g, C c) { g.board.blnBlackKing[2] = true; return c.check(); }, "wrong picture"},
        {"the turn display lags behind the turn", false,
         [](G g, C c) { g.board.lblPlayer = "Black's"; return c.check(); }, "turn display"},
        {"a captured piece comes back", false, [](G g, C c) { g.NewGame(); return c.check(); }, "came back",
         [](G g) { g.board.parkPiece(g.board.Black[11]); g.board.intBoard(8, 3) = Empty; }},
        {"\"Delete\" shown outside test mode", false, [](G g, C c) { g.board.DeleteVisible = true; return c.check(); },
         "\"Delete\""},
        {"a red caption on a released button", false,
         [](G g, C c) { g.board.optMultiJump.ForeColor = CaptionColour::Red; return c.check(); }, "caption"},
        {"a black piece draggable against the computer", true,
         [](G g, C c) { g.board.Black[0].Enabled = true; return c.check(); }, "side on move"},
        {"a red piece not draggable on Red's turn", false,
         [](G g, C c) { g.board.Red[3].Enabled = false; return c.check(); }, "side on move"},
        {"a decided game left standing", true, [](G g, C c) { g.blnGameOver = true; return c.check(); }, "a decided game"},
        {"a jump count with Multi Jump released", false, [](G g, C c) { g.board.intJumpCount = 1; return c.check(); },
         "jump count"},
        {"Black on move against the computer while the user can act", true,
         [](G g, C c) { g.ChangeTurn(); return c.check(); }, "Black is on move"},
        {"the computer moves on Red's turn", true, [](G, C c) { return c.check(true); }, "not as Black"},
        {"Red draggable while the computer moves", true,
         [](G g, C c) { g.ChangeTurn(); g.board.Red[6].Enabled = true; return c.check(true); }, "side on move"},
        {"Black draggable while the computer moves", true,
         [](G g, C c) { g.ChangeTurn(); g.board.Black[6].Enabled = true; return c.check(true); }, "side on move"},
        {"Red has won when Black has none left", false, [](G, C c) { return c.checkMessage("Red is the victor!"); }, kNone,
         [](G g) { for (Piece &p : g.board.Black) g.board.parkPiece(p); }},
        {"Red cannot win while Black has pieces", false, [](G, C c) { return c.checkMessage("Red is the victor!"); },
         "the message"},
        {"Black has won when Red has none left", false, [](G, C c) { return c.checkMessage("Black is the victor!"); }, kNone,
         [](G g) { for (Piece &p : g.board.Red) g.board.parkPiece(p); }},
        {"Black cannot win while Red has pieces", false, [](G, C c) { return c.checkMessage("Black is the victor!"); },
         "the message"},
        {"the computer may be stuck", true, [](G, C c) { return c.checkMessage("Black can't move. Red is the victor!"); },
         kNone},
        {"no computer is stuck between people", false,
         [](G, C c) { return c.checkMessage("Black can't move. Red is the victor!"); }, "the message"},
        {"no other message", false, [](G, C c) { return c.checkMessage("Draw!"); }, "the message"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fuzz::WatchedGame watched(c.computer ? Settings::Opponent::Computer : Settings::Opponent::Human,
                                  Settings::FirstPlayer::Red, DesignTwipsPerPixel, DesignTwipsPerPixel, 0);
        c.earlier(watched.game);
        watched.check();
        expectProblem(c.spoilAndCheck(watched.game, watched), c.problem);
    }
}

// Whole games, checked after every action: the soak that the fuzz build runs for 10,000
// games under the sanitizers, here for a few thousand.
TEST(WatchedGame, WholeGamesKeepEveryRuleAndEnd)
{
    const fuzz::SoakResult result = fuzz::soak(0, 2000);
    for (const std::string &problem : result.problems)
        ADD_FAILURE() << problem;
    for (const auto &[ending, count] : result.endings)
        std::cout << "[ soak     ] " << count << " x " << ending << "\n";
    // Every way a game can end is among them.
    for (const char *ending : {"against the computer: Red is the victor!", "against the computer: Black is the victor!",
                               "against the computer: Black can't move. Red is the victor!",
                               "against the computer: Red blocked", "two people: Red is the victor!",
                               "two people: Black is the victor!", "two people: Black blocked", "two people: move cap"})
        EXPECT_GT(result.endings.count(ending), 0U) << ending;
}

} // namespace
} // namespace jumpline
