// How fast the core answers: a human drop with the turn hand-over that follows it, the
// computer's choice of a move without its one-second pause, a new game and the board dump.
// Every operation starts from a fresh copy of a prepared position (a copy costs a few tens
// of nanoseconds; BM_BoardCopy measures it alone). Before timing, each benchmark makes its
// move once and checks that it did what its name says.
//
// Target on the development machine: a drop or a computer decision under 50 us.
#include "computer/Computer.h"
#include "support/Referee.h"
#include "game/Game.h"
#include "support/Support.h"

#include <benchmark/benchmark.h>

namespace jumpline {
namespace {

using testing::boardFromPicture;
using testing::kOpening;

constexpr std::uint64_t Seed = 20240607;

// Black can capture nothing, while the red man on (2, 5) threatens the black man on
// (3, 4): the computer goes through its captures and its rescue rules before it steps.
constexpr std::string_view kCrowdedMiddleGame =
    ".b.b...b b...b.b. .b...b.. ..b..... .r...r.r r.r...r. .r.B.r.r r...r...";
// A red man on (3, 6) may jump the black man on (4, 5) onto (5, 4).
constexpr std::string_view kJumpReady = ".b.b.b.b b.b.b.b. ........ ........ ...b.... r.r.r.r. .r.r.r.r r.r.r.r.";

struct Rig {
    explicit Rig(Settings::Opponent opponent) : settings{opponent} {}
    Settings settings;
    testing::SeededRandom random{Seed};
    testing::FakeScreen screen;
    Game game{settings, random, screen};
};

// Red drops the piece on `from` onto `to`; `made` says whether the first drop did what the
// benchmark measures.
void timeDrop(benchmark::State &state, Settings::Opponent opponent, std::string_view picture, Cell from, Cell to,
              bool (*made)(const Game &))
{
    Rig rig(opponent);
    const Board prepared = boardFromPicture(picture);
    const PieceRef piece = *prepared.pieceOn(from);
    const auto square = static_cast<std::int16_t>(squareIndex(to));
    rig.game.board = prepared;
    rig.game.Square_DragDrop(square, piece);
    if (!made(rig.game)) {
        state.SkipWithError("the drop did not do what the benchmark measures");
        return;
    }
    for (auto _ : state) {
        rig.game.board = prepared;
        rig.game.Square_DragDrop(square, piece);
        benchmark::DoNotOptimize(rig.game.board);
        benchmark::ClobberMemory();
    }
}

void BM_BoardCopy(benchmark::State &state)
{
    const Board prepared = boardFromPicture(kOpening);
    Board board;
    for (auto _ : state) {
        board = prepared;
        benchmark::DoNotOptimize(board);
        benchmark::ClobberMemory();
    }
}

void BM_DropLegalStep(benchmark::State &state)
{
    timeDrop(state, Settings::Opponent::Human, kOpening, {3, 6}, {4, 5}, [](const Game &g) { return !g.board.blnCurrentPlayer; });
}

void BM_DropRefused(benchmark::State &state)
{
    timeDrop(state, Settings::Opponent::Human, kOpening, {3, 6}, {5, 4}, [](const Game &g) { return g.board.blnCurrentPlayer; });
}

void BM_DropJump(benchmark::State &state)
{
    timeDrop(state, Settings::Opponent::Human, kJumpReady, {3, 6}, {5, 4}, [](const Game &g) { return g.board.intBoard(4, 5) == Empty; });
}

// Red's step, the turn change, Black's reply (without its pause), the dump, the turn change back.
void BM_DropAndComputerReply(benchmark::State &state)
{
    timeDrop(state, Settings::Opponent::Computer, kOpening, {3, 6}, {4, 5}, [](const Game &g) { return g.board.intAIMoves == 1; });
}

void timeComputerMove(benchmark::State &state, std::string_view picture, std::int16_t aiMoves)
{
    Board prepared = boardFromPicture(picture, false);
    prepared.intAIMoves = aiMoves;
    Board board = prepared;
    testing::SeededRandom random(Seed);
    testing::FakeScreen screen;
    Computer computer(board, random, screen);
    if (computer.ComputerMove() != Computer::Outcome::Moved || screen.pauses != 1) {
        state.SkipWithError("Black captured or found no move: the search stopped early");
        return;
    }
    for (auto _ : state) {
        board = prepared;
        benchmark::DoNotOptimize(computer.ComputerMove());
        benchmark::ClobberMemory();
    }
}

void BM_ComputerMoveOpening(benchmark::State &state)
{
    timeComputerMove(state, ".b.b.b.b b.b.b.b. .b.b.b.b ........ ...r.... r...r.r. .r.r.r.r r.r.r.r.", 0);
}

void BM_ComputerMoveMiddleGame(benchmark::State &state)
{
    timeComputerMove(state, kCrowdedMiddleGame, 5);
}

void BM_NewGame(benchmark::State &state)
{
    Rig rig(Settings::Opponent::Human);
    for (auto _ : state) {
        rig.game.NewGame();
        benchmark::DoNotOptimize(rig.game.board);
        benchmark::ClobberMemory();
    }
}

void BM_PrintBoard(benchmark::State &state)
{
    const Board board = boardFromPicture(kCrowdedMiddleGame);
    for (auto _ : state)
        benchmark::DoNotOptimize(board.PrintBoard());
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
