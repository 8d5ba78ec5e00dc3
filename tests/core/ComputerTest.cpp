// The computer player: its captures and the multi-jumps that follow them, the rescue of a
// threatened piece, the later phases and the safety tests that tell them apart, the first
// move of a game, the random draws, and the move that cannot be made.
#include "computer/Computer.h"
#include "support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

namespace jumpline::testing {
namespace {

constexpr double startPiece(int s) { return (s - 4 + 0.5) / 6; } // Int(6 * Rnd + 4) = s
constexpr double direction(int d) { return (d - 1 + 0.5) / 4; }  // Int(4 * Rnd + 1) = d
constexpr double kBackFirst = direction(3);                       // a king tries (5, 4) -> (4, 3) first

// A position with Black to move, not in its first move; the cells that the moving piece
// passed; every random number after the `script` ones. `first` and `eighth` are numbered
// Black(4) and Black(8) (with every number 0, Black(4) is examined first, or Black(8) in a
// first move's safe steps); `parked` is a black piece hidden and parked while intBoard still
// shows it; `flagKing` a black man that is a king by its flag only; `draws`, when not 0, the
// numbers drawn in all.
struct MoveCase {
    const char *name, *picture, *path;
    double every = 0;
    Cell first{};
    int parked = -1;
    std::vector<double> script{};
    int pauses = 1;
    std::size_t draws = 0;
    int flagKing = -1;
    std::int16_t aiMoves = 1;
    Cell eighth{};
};

std::string cellText(Cell c) { return "(" + std::to_string(c.col) + ", " + std::to_string(c.row) + ")"; }

// The case's position, numbered and flagged as it says.
Board prepared(const MoveCase &c)
{
    Board board = boardFromPicture(c.picture, false);
    board.intAIMoves = c.aiMoves;
    for (const auto &[index, cell] : {std::pair{4u, c.first}, std::pair{8u, c.eighth}}) {
        const auto other = cell.col != 0 ? static_cast<std::size_t>(board.pieceOn(cell)->index) : index; // swap places and flags
        std::swap(board.Black[index], board.Black[other]);
        std::swap(board.blnBlackKing[index], board.blnBlackKing[other]);
    }
    if (c.flagKing >= 0)
        std::tie(board.blnBlackKing[static_cast<std::size_t>(c.flagKing)], board.Black[static_cast<std::size_t>(c.flagKing)].picture) = std::pair(true, Picture::BlackKing);
    if (c.parked >= 0)
        board.parkPiece(board.Black[static_cast<std::size_t>(c.parked)]);
    return board;
}

// ComputerMove on the case's position: the board after it and at each pause, the cells that
// the moving piece passed (each capture landing beyond the piece taken), the screen.
struct Reply {
    Board after;
    std::vector<Board> atPauses;
    std::string path;
    FakeScreen screen;
    Computer::Outcome outcome;
};

Reply play(const MoveCase &c, ScriptedRandom &random)
{
    Reply run;
    run.after = prepared(c);
    run.screen.duringPause = [&] { run.atPauses.push_back(run.after); };
    Computer computer(run.after, random, run.screen);
    run.outcome = computer.ComputerMove();
    std::vector<Board> seen = run.atPauses; // the cells of the piece that moved, at each pause and at the end
    seen.push_back(run.after);
    for (std::size_t i = 0; i < PieceCount; ++i) {
        std::string path;
        for (Cell last{}; const Board &b : seen)
            if (const Cell at = b.cellOf(b.Black[i]); at != last)
                path += (path.empty() ? "" : " -> ") + cellText(last = at);
        run.path = path.find('>') != std::string::npos ? path : run.path;
    }
    return run;
}

void expectMove(const MoveCase &c)
{
    SCOPED_TRACE(c.name);
    ScriptedRandom random(c.script, c.every);
    const Board before = prepared(c);
    const Reply run = play(c, random);
    EXPECT_EQ(std::tuple(run.path, run.atPauses.size(), run.after.intAIMoves), std::tuple(c.path, static_cast<std::size_t>(c.pauses), c.aiMoves + 1));
    EXPECT_TRUE(c.draws == 0 || random.used.size() == c.draws) << random.used.size() << " numbers drawn";
    Board shown = run.after; // the parked piece back where intBoard still has it
    if (c.parked >= 0)
        shown.Black[static_cast<std::size_t>(c.parked)] = boardFromPicture(c.picture, false).Black[static_cast<std::size_t>(c.parked)];
    EXPECT_EQ(std::tuple(positionProblems(shown), run.after.blnRedKing, run.atPauses.back().blnBlackKing),
              std::tuple(std::vector<std::string>{}, before.blnRedKing, before.blnBlackKing)) << "a captured king keeps its flag; no crowning before the move is over";
    const std::string shown8 = piecesPicture(run.after);
    EXPECT_EQ(shown8.find('b', std::min(shown8.find("8:"), shown8.size())), std::string::npos) << "a man left uncrowned on row 8";
}

// Two men can capture: Black(3) on (4, 3), which can go on from (6, 5) over a man on (7, 6)
// when there is one, and Black(6) on (1, 4).
const char *const kTwoCapturers = "3:...b.... 4:b...r... 5:.r......";
const char *const kTwoCapturersOneGoesOn = "3:...b.... 4:b...r... 5:.r...... 6:......r.";
// A black king on (4, 3) takes the red king on (5, 4); from (6, 5) it can go on over (7, 6)
// (direction 2) or over (7, 4) (direction 4).
const char *const kKingWithTwoWays = "3:...B.... 4:....R.r. 6:......r.";
// A man on (3, 6) takes (4, 7) and lands on row 8.
const char *const kOntoRowEight = "6:..b..... 7:...r.r..";

TEST(ComputerCaptures, PreferTheCaptureThatGoesOnAndPauseBeforeEveryJumpAndDrawInOrder)
{
    // The numbers: a start piece a pass, a start direction a piece and one CanJumpAgain for
    // each direction in range; then a start direction for each cycle of the multi-jump.
    const MoveCase cases[] = {
        {"the first pass takes the capture that goes on, starting at 4", kTwoCapturersOneGoesOn, "(4, 3) -> (6, 5) -> (8, 7)", 0, {4, 3}, -1, {startPiece(4)}, 3},
        {"none goes on: the second pass starting at 4 meets Black(4) on (4, 3) first", kTwoCapturers, "(4, 3) -> (6, 5)", 0, {4, 3}, -1, {0, 0, 0, 0, 0, 0, startPiece(4)}, 2, 11},
        {"... starting at 9 goes round past 11 to Black(1) on (1, 4)", kTwoCapturers, "(1, 4) -> (3, 6)", 0, {4, 3}, -1, {0, 0, 0, 0, 0, 0, startPiece(9)}, 2, 10},
        {"a king goes on in the first direction from a fresh start: 1", kKingWithTwoWays, "(4, 3) -> (6, 5) -> (8, 7)", 0, {}, -1, {startPiece(4), direction(2), 0, direction(1), 0}, 3, 5},
        {"... 3", kKingWithTwoWays, "(4, 3) -> (6, 5) -> (8, 3)", 0, {}, -1, {startPiece(4), direction(2), 0, direction(3), 0}, 3, 5},
        {"a man on row 8 stays a man until the move is over", kOntoRowEight, "(3, 6) -> (5, 8)", 0, {}, -1, {}, 2, 9},
        {"a king by its flag goes on backwards", kOntoRowEight, "(3, 6) -> (5, 8) -> (7, 6)", 0, {}, -1, {}, 3, 6, 0},
        // Hand-counted draws of the later phases, every number being `every`.
        // Captures, each pass: the start piece, a start direction for each of the twelve men
        // and one CanJumpAgain for each direction in range (eighteen): 31, twice. Rescue: 13.
        // Crowning step: 13. Then the safe step's start piece, 9 in the first move (drawn
        // from 8..11), and Black(9)'s start direction 2.
        {"the opening, first move", kOpening.data(), "(4, 3) -> (5, 4)", 0.375, {}, -1, {}, 1, 90, -1, 0},
        // Captures, each pass: start piece, start direction, CanJumpAgain in all four
        // directions. Rescue: start piece, start direction. Crowning step: the start piece
        // only, a king being no candidate. Safe step: start piece, start direction 3.
        {"a lone king", "4:....B...", "(5, 4) -> (4, 3)", direction(3), {}, -1, {}, 1, 17},
        // Red kings beside the man make its steps unsafe. Captures: 4 a pass. Rescue 2,
        // crowning step 2, safe step 2, edge step 3 (start piece, then the start of each
        // two-way loop, men included), last safe step 2, any step 2: its start direction 2.
        {"a lone man with every step unsafe", "3:.R.b.R..", "(4, 3) -> (5, 4)", direction(2), {}, -1, {}, 1, 21},
        // The man on (4, 5) is threatened from (3, 6) and from (5, 6); the man on (4, 3)
        // could cover either landing cell. The threatened man's start direction, 2, decides.
        // Captures: 7 a pass; rescue: the start piece and two start directions.
        {"two threats", "3:...b.... 5:...b.... 6:..r.r... 7:.r...r..", "(4, 3) -> (3, 4)", direction(2), {}, -1, {}, 1, 17},
    };
    for (const MoveCase &c : cases)
        expectMove(c);
    ScriptedRandom random({0.0, 0.9999999999, std::nextafter(1.0, 0.0)});
    EXPECT_EQ(std::vector({drawInt(random, 6, 4), drawInt(random, 6, 4), drawInt(random, 4, 8)}), std::vector({4, 9, 11}));
}


// One threatened black piece, no capture for Black, every random number 0: the move the
// computer makes. Where another piece could make a step, it is examined first in the later
// phases, so that only the rule named makes the move shown. A covering piece that is
// missing (parked, while intBoard still shows it) makes the rule after it cover.
const MoveCase kRescue[] = {
    // A red piece ahead on the left, on (col - 1, row + 1), would land on (col + 1, row - 1).
    {"ahead-left: edge escape from column 7", "4:b.....b. 5:.....r.. 6:....r...", "(7, 4) -> (8, 5)"},
    {"ahead-left: edge escape from row 7", "7:...B.... 8:..r.....", "(4, 7) -> (5, 8)"},
    {"ahead-left: safe step away", "4:......b. 5:...b.... 6:..r..... 7:.r......", "(4, 5) -> (5, 6)"},
    {"ahead-left: ... also from column 6, onto column 7", "4:b....... 5:.....b.. 6:....r... 7:...r....", "(6, 5) -> (7, 6)"},
    {"ahead-left: a king on row 2 steps back onto row 1", "2:..B..... 3:.r.b.... 4:r.......", "(3, 2) -> (4, 1)"},
    {"ahead-left: a man on row 2 does not", "2:..b..... 3:.r...... 4:r...r...", "(3, 2) -> (4, 3)"},
    {"ahead-left: a king steps back to the right", "5:...B.... 6:..r.b... 7:.r......", "(4, 5) -> (5, 4)"},
    {"ahead-left: a king steps back to the left when the right is unsafe", "3:.b...... 5:...B.r.. 6:..r.b... 7:.r......", "(4, 5) -> (3, 4)"},
    {"ahead-left: ... but not onto a taken cell", "3:.b...... 4:..b..... 5:...B.r.. 6:..r.b... 7:.r......", "(5, 6) -> (4, 7)"},
    {"ahead-left: the piece two rows up covers", "3:...b.... 5:...b.... 6:..r..... 7:.r...r..", "(4, 3) -> (5, 4)"},
    {"ahead-left: ... but not when a red piece beside would jump it", "3:...b.... 5:...b.r.. 6:..r..... 7:.r...r..", "(4, 3) -> (3, 4)"},
    {"ahead-left: a king beside steps back to cover", "5:...b.B.. 6:..r..... 7:.r...r..", "(6, 5) -> (5, 4)"},
    {"ahead-left: a man beside does not step back to cover", "5:...b.b.. 6:..r..... 7:.r...r..", "(6, 5) -> (5, 6)"},
    {"ahead-left: the piece up on the right covers for a missing one", "3:...b.b.. 5:...b.... 6:..r..... 7:.r...r..", "(6, 3) -> (5, 4)", 0.0, {}, 0},
    // Ahead on the right: the rules are the left's with the columns mirrored; what the
    // mirror does not carry over is the edge column and the cover from the other side.
    {"ahead-right: edge escape from column 2", "4:......b. 5:.b...... 6:..r..... 7:...r....", "(2, 5) -> (1, 6)"},
    {"ahead-right: the piece up on the left covers for a missing one", "2:..b.b... 4:....b... 5:.....r.. 6:..r...r.", "(3, 2) -> (4, 3)", 0.0, {}, 1},
    // A red king behind on the left, on (col - 1, row - 1), would land on (col + 1, row + 1).
    {"king behind-left: a king at the edge steps back", "2:....r... 3:.....R.. 4:......B.", "(7, 4) -> (8, 3)"},
    {"king behind-left: a king steps back safely", "3:.r...... 4:..R..... 5:...B....", "(4, 5) -> (5, 4)"},
    {"king behind-left: ... also from row 3", "1:.b...... 2:..R..... 3:...B....", "(4, 3) -> (5, 2)"},
    {"king behind-left: a man at the edge escapes ahead", "3:.....R.. 4:b.....b.", "(7, 4) -> (8, 5)"},
    {"king behind-left: a man steps onto the landing cell", "4:..R..... 5:...b....", "(4, 5) -> (5, 6)"},
    {"king behind-left: ... also from row 6", "5:...R.... 6:....b...", "(5, 6) -> (6, 7)"},
    {"king behind-left: a man steps ahead on the other side", "4:..R...b. 5:...b.... 7:.....r..", "(4, 5) -> (3, 6)"},
    {"king behind-left: ... also from column 3", "1:.....b.. 3:.R...... 4:..b..... 6:....r...", "(3, 4) -> (2, 5)", 0, {6, 1}},
    {"king behind-left: a king two rows down steps back to cover", "4:..R..... 5:...b.... 7:.r.B.r..", "(4, 7) -> (5, 6)"},
    // (A king down on the right could cover too, but whenever it could, the step onto the
    // landing cell is safe, and comes first.)
    {"king behind-left: the piece beside covers for a missing king", "3:.......b 4:..R..... 5:...b.b.. 7:.r.B.r..", "(6, 5) -> (5, 6)", 0.0, {}, 3},
    {"king behind-left: a man two rows down does not step back to cover", "4:..R..... 5:...b.... 7:.r.b.r..", "(4, 7) -> (3, 8)"},
    {"king behind-left: nor does the piece beside when a red piece could jump it", "4:..R..... 5:...b.b.. 7:...r.r..", "(4, 5) -> (3, 6)"},
    // A red king behind on the right: the same mirror.
    {"king behind-right: a king on row 2 steps back", "1:.....R.. 2:....B...", "(5, 2) -> (4, 1)"},
    {"king behind-right: a man at the edge escapes ahead", "4:..R...b. 5:.b......", "(2, 5) -> (1, 6)"},
};

// Neither a capture nor a threatened piece: the step each position leaves to a later phase.
const MoveCase kPhases[] = {
    {"crowning step before a safe step elsewhere", "6:......b. 7:...b....", "(4, 7) -> (3, 8)"},
    {"crowning step: the other way where the first is taken", "6:......b. 7:...b.... 8:..B.....", "(4, 7) -> (5, 8)"},
    {"cover test: a step that leaves a neighbour open is refused", "3:...b.... 4:....b... 5:.....r.. 6:......r.", "(5, 4) -> (4, 5)"},
    {"cover test: a red man beyond a neighbour behind can't jump it", "3:.r...... 4:..b..... 5:...b....", "(4, 5) -> (3, 6)", 0.0, {4, 5}},
    {"cover test: a red king beyond a neighbour behind can", "3:.R...... 4:..b..... 5:...b....", "(3, 4) -> (2, 5)", 0.0, {4, 5}},
    {"edge step from column 2 when the step ahead is unsafe", "3:.b...... 5:...r....", "(2, 3) -> (1, 4)", 0.3},
    {"a king on column 2 steps back to the edge", "5:.B.R.... 6:b....... 8:..r.....", "(2, 5) -> (1, 4)"},
    {"... but not onto a taken one", "4:b....... 5:.B.R.... 6:b....... 8:..r.....", "(2, 5) -> (3, 6)"},
    {"edge step from column 7", "4:......b. 6:....r...", "(7, 4) -> (8, 5)"},
    {"a king on column 7 steps back to the edge", "4:....R.B. 5:.......b 7:.....r..", "(7, 4) -> (8, 3)"},
    {"... but not onto a taken one", "3:.......b 4:....R.B. 5:.......b 7:.....r..", "(7, 4) -> (6, 5)"},
    {"a king on row 7 steps onto row 8", "7:.r.B.r..", "(4, 7) -> (5, 8)", 0.9},
    {"a king on row 2 steps onto row 1", "2:..B..... 4:r...r...", "(3, 2) -> (4, 1)", 0.9},
    {"... onto the free one of its two", "1:.b...... 2:r.B..... 4:r...r...", "(3, 2) -> (4, 1)", 0.3},
    {"any step when every step is unsafe", "3:...b.... 5:.r...r..", "(4, 3) -> (5, 4)", 0.3},
    {"any step: a king on column 1 looks only onto the board", "4:B.R..... 5:.r...... 6:..r.....", "(1, 4) -> (2, 3)"},
    // A king on (5, 4) trying the step back to (4, 3): the safe step judges it by the
    // backward safety test; the last safe step (reached when the cover test holds the king
    // beside Black's man on (6, 3)) by the mirrored forward test.
    {"safe step: a red man on (3, 2) does not count", "2:..r..... 4:....B...", "(5, 4) -> (4, 3)", kBackFirst},
    {"safe step: a red man on (3, 4) beside it does", "4:..r.B...", "(5, 4) -> (6, 3)", kBackFirst},
    {"safe step: a red king on (3, 2) does", "2:..R..... 4:....B...", "(5, 4) -> (6, 3)", kBackFirst},
    {"safe step: so does a red king on (5, 2) behind it", "2:....R... 4:....B...", "(5, 4) -> (4, 5)", kBackFirst},
    {"last safe step: a red man on (3, 2) counts", "2:..r...R. 3:.....b.. 4:....B... 5:.......r", "(5, 4) -> (4, 5)", kBackFirst},
    {"last safe step: a red man on (3, 4) beside it does not", "2:......R. 3:.....b.. 4:..r.B... 5:.......r", "(5, 4) -> (4, 3)", kBackFirst},
    {"last safe step: a red king on (3, 4) beside it does", "2:......R. 3:.....b.. 4:..R.B... 5:.......r", "(5, 4) -> (6, 5)", kBackFirst},
    // Black(4) and Black(8) can both move, and every number is 0: the start piece is 4, or 8
    // where the first move of a game starts among the pieces 8..11.
    {"safe step, first move", "3:...b.... 5:.....b..", "(6, 5) -> (5, 6)", 0, {4, 3}, -1, {}, 1, 0, -1, 0, {6, 5}},
    {"safe step, later", "3:...b.... 5:.....b..", "(4, 3) -> (3, 4)", 0, {4, 3}, -1, {}, 1, 0, -1, 1, {6, 5}},
    {"last safe step, first move", "2:..R..... 3:...b.... 4:....b... 5:.....r.. 6:......r.", "(5, 4) -> (4, 5)", 0, {4, 3}, -1, {}, 1, 0, -1, 0, {5, 4}},
    {"captures: 4 in the first move too", "3:...b.... 4:b...r... 5:.r......", "(1, 4) -> (3, 6)", 0, {1, 4}, -1, {}, 2, 0, -1, 0, {4, 3}},
};

TEST(ComputerPhases, EachRescueAndLaterPhaseMovesWhenTheEarlierOnesFindNothing)
{
    for (const auto &table : {std::span<const MoveCase>(kRescue), std::span<const MoveCase>(kPhases)})
        for (const MoveCase &c : table)
            expectMove(c);
}

// The man on (2, 5) is hemmed in and can capture nothing; the man on (5, 8) can't move, but
// the finishing step crowns it. The ten parked pieces map to row 1 and stay men.
TEST(ComputerNoMove, AnnouncesRedsVictoryOnceAndStillFinishes)
{
    MoveCase c{"no move", "5:.b...... 6:r.r..... 7:...r.... 8:....b...", "", 0.5};
    c.aiMoves = 7;
    ScriptedRandom random({}, 0.5);
    const Reply run = play(c, random);
    EXPECT_EQ(std::tuple(run.outcome, run.screen.messages, run.after.intAIMoves, positionProblems(run.after)),
              std::tuple(Computer::Outcome::NoMove, std::vector<std::string>{"Black can't move. Red is the victor!"}, 8, std::vector<std::string>{}));
    EXPECT_EQ(boardPicture(run.after), "5:.b...... 6:r.r..... 7:...r.... 8:....B...") << "the finishing step crowns the man on row 8";
}

} // namespace
} // namespace jumpline::testing
