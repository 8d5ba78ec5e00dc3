// How fast the core answers: a human drop (with the turn hand-over that follows it), the
// computer's choice of a move without its one-second pause, a new game and the board dump.
//
// Every operation starts from a fresh copy of a prepared position. Copying a Board costs
// a few tens of nanoseconds, less than the timer calls of PauseTiming/ResumeTiming would,
// so the copy stays inside the timed loop; BM_BoardCopy measures it alone, to be
// subtracted where it matters. Before timing, each benchmark makes its move once and
// checks that it did what the name says, so a changed rule cannot turn a jump into a
// refused drop unnoticed.
//
// Targets on the development machine: a drop or a computer decision under 50 us.
#include "board/Board.h"
#include "computer/Computer.h"
#include "game/Game.h"
#include "support/ComputerRun.h"
#include "support/FakeScreen.h"
#include "support/Position.h"
#include "support/ScriptedRandom.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace jumpline {
namespace {

using testing::boardFromPicture;
using testing::boardPicture;
using testing::ComputerSetup;
using testing::FakeScreen;
using testing::kOpeningPicture;
using testing::pieceAt;
using testing::SeededRandom;
using testing::squareOf;

constexpr std::uint64_t Seed = 20240607;

// Ten black pieces, a black king among red ones, eleven red men. Black can capture
// nothing, while the red man on (2, 5) threatens the black man on (3, 4): the computer
// goes through its capture passes and its rescue rules before it settles on a step.
constexpr std::string_view kCrowdedMiddleGame =
    ". b . b . . . b\n"
    "b . . . b . b .\n"
    ". b . . . b . .\n"
    ". . b . . . . .\n"
    ". r . . . r . r\n"
    "r . r . . . r .\n"
    ". r . B . r . r\n"
    "r . . . r . . .\n";

// A red man on (3, 6) may jump the black man on (4, 5) onto (5, 4); other black men stay.
constexpr std::string_view kJumpReady =
    ". b . b . b . b\n"
    "b . b . b . b .\n"
    ". . . . . . . .\n"
    ". . . . . . . .\n"
    ". . . b . . . .\n"
    "r . r . r . r .\n"
    ". r . r . r . r\n"
    "r . r . r . r .\n";

// A game with its settings, seeded numbers and a screen whose pause returns at once.
struct GameBench {
    explicit GameBench(Settings::Opponent opponent) { settings.opponent = opponent; }
    GameBench(const GameBench &) = delete;
    GameBench &operator=(const GameBench &) = delete;

    Settings settings;
    SeededRandom random{Seed};
    FakeScreen screen;
    Game game{settings, random, screen};
};

struct Drop {
    Cell from;
    Cell to;
};

// Sets up `picture` with Red to move, makes the drop once and returns the position as it
// was before; `problem` tells why when the drop did not do what `done` expects of it.
template <typename Done>
Board prepareDrop(GameBench &rig, std::string_view picture, Drop drop, Done done, std::string &problem)
{
    const Board prepared = boardFromPicture(picture, true);
    const auto piece = pieceAt(prepared, drop.from);
    if (!piece) {
        problem = "no piece on the cell the drop starts from";
        return prepared;
    }
    rig.game.board = prepared;
    rig.game.Square_DragDrop(squareOf(drop.to), *piece);
    if (!done(prepared, rig.game.board))
        problem = "the drop did not do what the benchmark measures; the board reads:\n" + boardPicture(rig.game.board);
    return prepared;
}

void timeDrop(benchmark::State &state, GameBench &rig, const Board &prepared, Drop drop)
{
    const std::int16_t square = squareOf(drop.to);
    const PieceRef piece = *pieceAt(prepared, drop.from);
    for (auto _ : state) {
        rig.game.board = prepared;
        rig.game.Square_DragDrop(square, piece);
        benchmark::DoNotOptimize(rig.game.board);
        benchmark::ClobberMemory();
    }
}

// Baseline: the copy that starts every drop and every computer move below.
void BM_BoardCopy(benchmark::State &state)
{
    const Board prepared = boardFromPicture(kOpeningPicture, true);
    Board board;
    for (auto _ : state) {
        board = prepared;
        benchmark::DoNotOptimize(board);
        benchmark::ClobberMemory();
    }
}

// Red(9) steps from (3, 6) to (4, 5) in a game between two people: the move, the board
// dump and the turn change to Black.
void BM_DropLegalStep(benchmark::State &state)
{
    GameBench rig(Settings::Opponent::Human);
    const Drop drop{{3, 6}, {4, 5}};
    std::string problem;
    const Board prepared = prepareDrop(rig, kOpeningPicture, drop, [](const Board &, const Board &after) {
        return !after.blnCurrentPlayer && after.intBoard(4, 5) == RedMan && after.intBoard(3, 6) == Empty;
    }, problem);
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    timeDrop(state, rig, prepared, drop);
}

// A man dropped two cells ahead with nothing to jump: refused, the piece goes back and
// the turn stays.
void BM_DropRefused(benchmark::State &state)
{
    GameBench rig(Settings::Opponent::Human);
    const Drop drop{{3, 6}, {5, 4}};
    std::string problem;
    const Board prepared = prepareDrop(rig, kOpeningPicture, drop, [](const Board &before, const Board &after) {
        return after.Red == before.Red && after.intBoard == before.intBoard && after.blnCurrentPlayer;
    }, problem);
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    timeDrop(state, rig, prepared, drop);
}

// Red jumps from (3, 6) over (4, 5) onto (5, 4): the capture, the dump and the turn change.
void BM_DropJump(benchmark::State &state)
{
    GameBench rig(Settings::Opponent::Human);
    const Drop drop{{3, 6}, {5, 4}};
    std::string problem;
    const Board prepared = prepareDrop(rig, kJumpReady, drop, [](const Board &, const Board &after) {
        return !after.blnCurrentPlayer && after.intBoard(4, 5) == Empty && after.intBoard(5, 4) == RedMan;
    }, problem);
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    timeDrop(state, rig, prepared, drop);
}

// The whole answer to a drop against the computer, less the pause: Red's step, the turn
// change, Black's reply, the dump and the turn change back to Red.
void BM_DropAndComputerReply(benchmark::State &state)
{
    GameBench rig(Settings::Opponent::Computer);
    const Drop drop{{3, 6}, {4, 5}};
    const Board prepared = boardFromPicture(kOpeningPicture, true);
    rig.game.board = prepared;
    rig.game.Square_DragDrop(squareOf(drop.to), *pieceAt(prepared, drop.from));
    if (!rig.game.board.blnCurrentPlayer || rig.game.board.intAIMoves != 1 || rig.screen.pauses != 1) {
        state.SkipWithError("the computer did not answer the step");
        return;
    }
    timeDrop(state, rig, prepared, drop);
}

// One ComputerMove on a copy of `setup`, the pause returning at once, seeded numbers
// (so the pieces and directions tried first vary from one iteration to the next).
void timeComputerMove(benchmark::State &state, const ComputerSetup &setup)
{
    Board board = setup.board;
    SeededRandom random(Seed);
    FakeScreen screen;
    Computer computer(board, random, screen);
    if (computer.ComputerMove() != Computer::Outcome::Moved) {
        state.SkipWithError("Black found no move");
        return;
    }
    if (screen.pauses != 1) { // a capture pauses again before each further jump
        state.SkipWithError("Black captured here, so the search stopped at its first phase");
        return;
    }
    for (auto _ : state) {
        board = setup.board;
        benchmark::DoNotOptimize(computer.ComputerMove());
        benchmark::ClobberMemory();
    }
}

// Black's first move of a game, after Red's first step.
void BM_ComputerMoveOpening(benchmark::State &state)
{
    timeComputerMove(state, ComputerSetup(testing::kAfterRedNineStepsPicture).aiMoves(0));
}

void BM_ComputerMoveMiddleGame(benchmark::State &state)
{
    timeComputerMove(state, ComputerSetup(kCrowdedMiddleGame));
}

void BM_NewGame(benchmark::State &state)
{
    GameBench rig(Settings::Opponent::Human);
    rig.game.board = boardFromPicture(kCrowdedMiddleGame, true);
    for (auto _ : state) {
        rig.game.NewGame();
        benchmark::DoNotOptimize(rig.game.board);
        benchmark::ClobberMemory();
    }
}

void BM_PrintBoard(benchmark::State &state)
{
    const Board board = boardFromPicture(kCrowdedMiddleGame, true);
    for (auto _ : state) {
        std::string dump = board.PrintBoard();
        benchmark::DoNotOptimize(dump);
    }
}

BENCHMARK(BM_BoardCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropLegalStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropRefused)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropJump)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropAndComputerReply)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputerMoveOpening)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputerMoveMiddleGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrintBoard)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace jumpline

BENCHMARK_MAIN();
