// Whole seeded games, checked after every move: the computer against a Red player who
// drops a random legal move (mostly a capture when there is one, else mostly a safe
// one), and two people who both
// drop random legal moves, with Multi Jump pressed at random before captures and
// multi-jumps continued, broken off or ended at random.
// Built with the sanitizers in the fuzz build.
//
//   sanitizer_soak [games] [--only N] [--trace]   (10000 games unless told; --only plays game N)
#include "fuzz/Harness.h"
#include "support/Referee.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <string>

namespace {

using namespace jumpline;
using fuzz::GameSetup;
using fuzz::UserAction;
using fuzz::WatchedGame;
using testing::HumanMove;

// Kings can shuffle for ever; a game that runs this long is stopped and counted.
constexpr int MoveCap = 400;

UserAction dropOf(const HumanMove &m)
{
    return {UserAction::Drop, m.piece, static_cast<std::int16_t>(squareIndex(m.to))};
}

class Hand {
public:
    explicit Hand(std::uint64_t seed) : generator(seed) {}
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(generator) < p; }
    template <typename T>
    const T &pick(const std::vector<T> &items)
    {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(generator)];
    }

private:
    std::mt19937_64 generator;
};

// Plays the side on move for one turn step. Returns false when it has no legal move.
bool playOnce(WatchedGame &watched, Hand &hand, bool careful)
{
    const Board &board = watched.game.board;
    if (board.intJumpCount > 0) {
        // In a multi-jump: jump on, or end the turn by releasing the button, by a step of
        // the same piece, or by dragging another piece.
        const PieceRef jumper{board.blnCurrentPlayer ? Colour::Red : Colour::Black, board.intJumpPiece};
        const std::vector<HumanMove> jumps = testing::legalJumps(board, jumper);
        if (!jumps.empty() && hand.chance(0.85)) {
            watched.perform(dropOf(hand.pick(jumps)));
            return true;
        }
        if (hand.chance(0.9)) {
            watched.perform({UserAction::ReleaseMultiJump});
            return true;
        }
        const std::vector<HumanMove> moves = testing::legalHumanMoves(board);
        if (!moves.empty()) {
            watched.perform(dropOf(hand.pick(moves)));
            if (board.intJumpCount == 0)
                return true;
        }
        watched.perform({UserAction::ReleaseMultiJump});
        return true;
    }

    std::vector<HumanMove> moves = testing::legalHumanMoves(board);
    if (moves.empty())
        return false;
    if (careful) {
        // Mostly take a capture, else mostly a move after which Black can capture nothing:
        // a player who plays blindly never beats the computer, and the games that Red wins
        // or in which Black is stuck would go untested.
        const auto keep = [&](auto wanted) {
            std::vector<HumanMove> kept;
            std::copy_if(moves.begin(), moves.end(), std::back_inserter(kept), wanted);
            if (!kept.empty() && hand.chance(0.9))
                moves = kept;
        };
        const auto safe = [&](const HumanMove &m) {
            BoardArray after = board.intBoard;
            const std::int16_t value = after(m.from);
            after(m.from) = Empty;
            if (m.jump)
                after((m.from.col + m.to.col) / 2, (m.from.row + m.to.row) / 2) = Empty;
            after(m.to) = m.to.row == 1 ? RedKing : value;
            return !testing::blackCanCapture(after);
        };
        const std::size_t before = moves.size();
        keep([](const HumanMove &m) { return m.jump; });
        if (moves.size() == before || !moves.front().jump)
            keep(safe);
    }
    const HumanMove &move = hand.pick(moves);
    if (board.optMultiJump.Value == 0 && (move.jump ? hand.chance(0.5) : hand.chance(0.03)))
        watched.perform({UserAction::PressMultiJump});
    watched.perform(dropOf(move));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    long games = 10000, first = 0;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace") {
            trace = true;
        } else if (arg == "--only" && i + 1 < argc) {
            first = std::strtol(argv[++i], nullptr, 10);
            games = 1;
        } else {
            games = std::strtol(argv[i], nullptr, 10);
        }
    }

    const auto start = std::chrono::steady_clock::now();
    std::map<std::string, long> endings;
    long humanMoves = 0, computerMoves = 0, capped = 0;
    for (long n = first; n < first + games; ++n) {
        GameSetup setup;
        setup.opponent = n % 3 == 0 ? Settings::Opponent::Computer : Settings::Opponent::Human;
        setup.first = n % 3 == 2 ? Settings::FirstPlayer::Black : Settings::FirstPlayer::Red;
        setup.twipsX = setup.twipsY = n % 4 == 3 ? 12 : DesignTwipsPerPixel;
        setup.seed = static_cast<std::uint64_t>(n);
        WatchedGame watched(setup);
        watched.verbose = trace;
        Hand hand(static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15ULL + 1);

        std::string ending;
        while (watched.ok() && ending.empty()) {
            if (watched.humanMoves >= MoveCap) {
                ending = "move cap reached";
                ++capped;
            } else if (!playOnce(watched, hand, setup.opponent == Settings::Opponent::Computer)) {
                ending = std::string(watched.game.board.blnCurrentPlayer ? "Red" : "Black") + " (human) blocked";
            } else if (!watched.screen.messages.empty()) {
                ending = watched.screen.messages.front();
            }
        }
        humanMoves += watched.humanMoves;
        computerMoves += watched.computerMoves;
        if (!watched.ok()) {
            std::fprintf(stderr, "game %ld (%s, %s first, seed %ld) broke after %d actions:\n", n,
                         setup.opponent == Settings::Opponent::Computer ? "against the computer" : "two people",
                         watched.settings.optRed() ? "Red" : "Black", n, watched.actions);
            for (const std::string &problem : watched.problems())
                std::fprintf(stderr, "broken invariant: %s\n", problem.c_str());
            std::fprintf(stderr, "replay it with: sanitizer_soak --only %ld --trace\n", n);
            return 1;
        }
        ++endings[(setup.opponent == Settings::Opponent::Computer ? "vs computer: " : "two people: ") + ending];
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %ld games, %ld moves (%ld human, %ld computer) in %.1f s\n", games, humanMoves + computerMoves,
                humanMoves, computerMoves, seconds);
    for (const auto &[ending, count] : endings)
        std::printf("  %6ld  %s\n", count, ending.c_str());
    std::printf("  %ld games stopped at the cap of %d human moves (endless king shuffles)\n", capped, MoveCap);
    return 0;
}
